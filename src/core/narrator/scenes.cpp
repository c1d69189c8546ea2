// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/narrator/scenes.h"

#include "core/app/translation.h"
#include "core/narrator/pause_tags.h"

namespace quorvel {

namespace speech {
const char* const welcome = QV_TRANSLATE_NOOP(
    "Scenes", "“Benvenuti alla macchina Quorvel. Scegliere un livello,......prego.”");
const char* const enterValues = QV_TRANSLATE_NOOP("Scenes",
    "...Bene, adesso devi inserire  valori .Per farlo basta cliccare sui tastierini numerici.");
const char* const pressExperiment = QV_TRANSLATE_NOOP(
    "Scenes", "\\pau=2000\\ricorda per ottenere l'output,clicca su esperimento.");
const char* const varyingOutputsLevel4 = QV_TRANSLATE_NOOP("Scenes",
    "presta attenzione\\pau=500\\,in questo livello si possono presentare schemi di calcolo che, "
    "per gli stessi input,  forniscono output diversi......");
const char* const varyingOutputsLevel5 = QV_TRANSLATE_NOOP("Scenes",
    "presta attenzione,\\pau=500\\.In questo livello si possono presentare schemi di calcolo "
    "che, per gli stessi input,  forniscono output diversi......");
const char* const regularity = QV_TRANSLATE_NOOP(
    "Scenes", "....Comunque gli output hanno una regolarità che puoi scoprire.");
} // namespace speech

void sceneWelcome(Narrator& n)
{
    n.appear();
    n.setTop(100);
    n.speak(translate("Scenes", speech::welcome));
    n.playAnimation("gestureup");
}

void sceneLevelChosen(Narrator& n, Level level)
{
    if (level.number() <= 3) {
        n.speak(translate("Scenes", speech::enterValues));
        n.speak(translate("Scenes", speech::pressExperiment));
        return;
    }
    n.appear();
    n.setTop(100);
    n.speak(translate("Scenes", speech::enterValues));
    n.playAnimation("getattention");
    n.speak(translate("Scenes",
        level.number() == 4 ? speech::varyingOutputsLevel4 : speech::varyingOutputsLevel5));
    n.speak(translate("Scenes", speech::regularity));
    n.speak(translate("Scenes", speech::pressExperiment));
}

void sceneFirstOutput(Narrator& n)
{
    n.appear();
    n.moveTo(600, 250);
    n.playAnimation("DoMagic2");
    n.speak(translate("Scenes",
        ".....\\Pau=500\\la macchina ha eseguito un calcolo con i numeri che hai "
        "inserito\\Pau=1000\\"));
    n.speak(translate("Scenes", ".... devi scoprire il tipo di calcolo eseguito.\\pau=1000\\"));
    n.speak(translate("Scenes",
        "........ricorda la macchina esegue le stesse operazioni,finchè non si decide di "
        "cambiare\\Pau=1000\\"));
    n.moveTo(600, 400);
    n.playAnimation("GestureDown");
    n.speak(translate("Scenes",
        ".....\\Pau=2000\\...questo puo' essere fatto cliccando su cambia meccanismo di calcolo."));
    n.moveTo(500, 400);
    n.playAnimation("gestureleft");
    n.speak(translate("Scenes",
        "\\pau=2000\\.......in alcuni casi,per esempio in calcoli che usano le 4 operazioni,puoi "
        "cambiare meccanismo,cliccando su operazioni"));
    n.disappear();
}

void sceneControlli(Narrator& n)
{
    n.appear();
    n.playAnimation("read");
    n.setTop(100);
    n.speak(translate("Scenes",
        "\\pau=500\\.......I numeri vanno inseriti cliccando sui tastierini numerici\\pau=1000\\"));
    n.moveTo(400, 500);
    n.playAnimation("gestureup");
    n.speak(translate(
        "Scenes", ".....prima devi cancellare i vecchi input cliccando su canc\\pau=1000\\"));
    n.moveTo(850, 300);
    n.playAnimation("gestureright");
    n.speak(translate("Scenes", "per ottenere l'output clicca su esperimento\\Pau=1000\\"));
    n.speak(translate(
        "Scenes", ".....ricorda di selezionare un livello dal menu' livello\\pau=2000\\"));
}

void sceneDaRicordare(Narrator& n)
{
    n.appear();
    n.setTop(100);
    n.playAnimation("read");
    n.speak(translate("Scenes",
        "dunque.\\Pau=500\\La macchina che vedi,opera su valori numerici interi.\\Pau=500\\"
        "Esegue dei calcoli e fornisce un risultato intero.\\pau=2000\\ "));
    n.speak(translate("Scenes",
        "Solo nel caso di divisione per 2 l'output puo' essere intero o semintero.\\pau=2000\\"));
    n.speak(translate("Scenes",
        "\\Pau=500\\Il tuo compito è scoprire quante piu' cose possibili su di essa.\\pau=2000\\"));
    n.speak(translate("Scenes",
        "\\pau=1000\\...ricorda di procedere senza fretta nei vari tentativi\\pau=2000\\"));
    n.speak(translate(
        "Scenes", "\\pau=2000\\Buon Lavoro!\\Pau=500\\Apprendista scienziato.\\pau=550\\"));
    n.playAnimation("DoMagic1");
    n.disappear();
}

void sceneOpenedMechanism(Narrator& n, const std::string& name)
{
    n.appear();
    n.setTop(100);
    n.playAnimation("search");
    //: %1 is the name the pupil gave the mechanism when saving it
    n.speak(fill(translate("Scenes",
                     "...Bene,\\pau=500\\mai mollare...\\pau=1000\\stai operando con il meccanismo "
                     "che hai salvato con il nome...%1"),
        { name }));
    n.speak(translate("Scenes",
        "\\pau=1000\\ In questo caso devi inserire solo i valori numerici,senza scegliere il "
        "livello!\\pau=500\\ Cerca di scoprire nuove cose su di esso."));
    n.speak(translate("Scenes", "\\pau=1000\\Sei sulla strada giusta. Apprendista scienziato!"));
    n.disappear();
}

void sceneClassMechanism(Narrator& n)
{
    n.stopAll();
    n.appear();
    n.playAnimation("search");
    n.speak(translate("Scenes",
        "Adesso tutta la classe ha lo stesso meccanismo!\\pau=500\\ Fate esperimenti e "
        "scoprite insieme la sua regola."));
    n.disappear();
}

void sceneClassStopped(Narrator& n)
{
    n.stopAll();
    n.appear();
    n.playAnimation("getattention");
    n.speak(translate("Scenes", "Fermi tutti!\\pau=500\\ Guardate la lavagna."));
}

void sceneClassGoesOn(Narrator& n)
{
    n.stopAll();
    n.speak(translate("Scenes", "Si riparte: continuate pure i vostri esperimenti!"));
    n.disappear();
}

// A discovery is a moment: he stops whatever he was saying to congratulate the pupil.
void sceneDiscovery(Narrator& n)
{
    n.stopAll();
    n.appear();
    n.playAnimation("congratulate");
    n.speak(translate("Scenes",
        "Complimenti! Hai scoperto la regola della macchina.\\pau=500\\ È un vero lavoro da "
        "scienziati!"));
    n.disappear();
}

std::string withoutPauseTags(const std::string& text)
{
    std::string out;
    for (const SpeechPiece& piece : splitSpeech(text))
        out += piece.text;
    return out;
}

} // namespace quorvel
