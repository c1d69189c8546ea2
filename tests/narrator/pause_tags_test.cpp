// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/narrator/pause_tags.h"
#include "core/narrator/readable_speech.h"
#include "core/narrator/scenes.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

const auto say = [](std::string text) { return SpeechPiece { std::move(text), 0 }; };
const auto pause = [](int ms) { return SpeechPiece { "", ms }; };

struct TagCase
{
    const char* name;
    std::string text;
    std::vector<SpeechPiece> pieces;
};

void PrintTo(const TagCase& c, std::ostream* out)
{
    *out << c.text;
}

class PauseTags : public ::testing::TestWithParam<TagCase>
{
};

TEST_P(PauseTags, Split)
{
    EXPECT_EQ(splitSpeech(GetParam().text), GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(Speech, PauseTags,
    ::testing::Values(TagCase { "LowerCase", "a\\pau=500\\b", { say("a"), pause(500), say("b") } },
        TagCase { "UpperCase", "a\\Pau=1000\\b", { say("a"), pause(1000), say("b") } },
        TagCase { "AtStart", "\\pau=2000\\Buon Lavoro!", { pause(2000), say("Buon Lavoro!") } },
        TagCase { "AtEnd", "intero.\\pau=2000\\", { say("intero."), pause(2000) } },
        TagCase { "TrailingBlankAfterTag", "x\\pau=2000\\ ", { say("x"), pause(2000), say(" ") } },
        TagCase {
            "AdjacentTagsStaySeparate", "\\pau=500\\\\Pau=300\\", { pause(500), pause(300) } },
        TagCase { "ZeroPause", "a\\pau=0\\b", { say("a"), pause(0), say("b") } },
        TagCase { "HugePauseCapped", "\\pau=99999999999999\\", { pause(600000) } },
        TagCase { "NoClosingBackslash", "a\\pau=500 b", { say("a\\pau=500 b") } },
        TagCase { "NoDigits", "a\\pau=\\b", { say("a\\pau=\\b") } },
        TagCase { "OtherWord", "a\\pause=5\\b", { say("a\\pause=5\\b") } },
        TagCase { "LoneBackslash", "a\\b", { say("a\\b") } },
        TagCase { "BackslashBeforeTag", "\\\\pau=5\\", { say("\\"), pause(5) } },
        TagCase { "Empty", "", {} },
        TagCase { "TypographicQuotesKept", "“Benvenuti”", { say("“Benvenuti”") } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpeechText, BalloonTextKeepsDoubleBlanksAndAccents)
{
    EXPECT_EQ(withoutPauseTags("presta attenzione\\pau=500\\,in questo  livello è"),
        "presta attenzione,in questo  livello è");
}

} // namespace
} // namespace quorvel

namespace quorvel {
namespace {

// What the captions and the balloon show of the wizard's own sentences.
TEST(ReadableSpeech, ShowsTheSentencesAsAPupilReadsThem)
{
    const std::pair<const char*, const char*> rows[] = {
        { "“Benvenuti alla macchina Quorvel. Scegliere un livello,......prego.”",
            "“Benvenuti alla macchina Quorvel. Scegliere un livello, prego.”" },
        { ".....\\Pau=500\\la macchina ha eseguito un calcolo con i numeri che hai "
          "inserito\\Pau=1000\\",
            "La macchina ha eseguito un calcolo con i numeri che hai inserito" },
        { "........ricorda la macchina esegue le stesse operazioni,finchè non si decide di "
          "cambiare\\Pau=1000\\",
            "Ricorda la macchina esegue le stesse operazioni, finché non si decide di cambiare" },
        { ".....\\Pau=2000\\...questo puo' essere fatto cliccando su cambia meccanismo di calcolo.",
            "Questo può essere fatto cliccando su cambia meccanismo di calcolo." },
        { "...Bene,\\pau=500\\mai mollare...\\pau=1000\\stai operando con il meccanismo",
            "Bene, mai mollare. Stai operando con il meccanismo" },
        { "Il tuo compito è scoprire quante piu' cose possibili su di essa.",
            "Il tuo compito è scoprire quante più cose possibili su di essa." },
        { "ricorda di selezionare un livello dal menu' livello\\pau=2000\\",
            "Ricorda di selezionare un livello dal menù livello" },
        { "...Bene, adesso devi inserire  valori .Per farlo basta cliccare",
            "Bene, adesso devi inserire valori. Per farlo basta cliccare" },
        { "presta attenzione,\\pau=500\\.In questo livello",
            "Presta attenzione. In questo livello" },
        { "l'output puo' essere intero, e' un po' semintero: 2,5 o 7.5",
            "L'output può essere intero, è un po' semintero: 2,5 o 7.5" },
        { "Perche' no?Bravo!", "Perché no? Bravo!" },
        { "\\pau=2000\\Buon Lavoro!\\Pau=500\\Apprendista scienziato.\\pau=550\\",
            "Buon Lavoro! Apprendista scienziato." },
        { "......", "" },
    };
    for (const auto& [said, shown] : rows)
        EXPECT_EQ(readableSpeech(said), shown) << said;
}

} // namespace
} // namespace quorvel
