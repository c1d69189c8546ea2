// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/narrator/espeak_engine.h"

#include <espeak-ng/speak_lib.h>

#include <cstdio>
#include <cstring>
#include <utility>

namespace quorvel {

namespace {

// A gentle storyteller: slower than the library's 175 words a minute, a little deeper and
// livelier in pitch, with a short gap between words so that a child can follow.
// The volume leaves a little headroom: at 100 the voice's loudest vowels touch full scale.
constexpr std::pair<espeak_PARAMETER, int> storyteller[] = {
    { espeakRATE, 140 }, // words a minute
    { espeakPITCH, 42 },
    { espeakRANGE, 65 },
    { espeakWORDGAP, 1 }, // tens of milliseconds
    { espeakVOLUME, 90 },
};

// The synthesis callback has no context of its own; synthesis is synchronous and on one
// thread, so the sound collected goes to whichever buffer that thread set last.
thread_local QByteArray* collecting = nullptr;

int collect(short* samples, int count, espeak_EVENT*)
{
    if (collecting && samples && count > 0)
        collecting->append(reinterpret_cast<const char*>(samples),
            static_cast<qsizetype>(count) * static_cast<qsizetype>(sizeof(short)));
    return 0;
}

bool isVowel(QChar c)
{
    return QStringLiteral("aeiouAEIOU").contains(c);
}

QChar withGrave(QChar vowel)
{
    static const QString plain = QStringLiteral("aeiouAEIOU");
    static const QString grave = QStringLiteral("àèìòùÀÈÌÒÙ");
    return grave[plain.indexOf(vowel)];
}

int msOf(qsizetype bytes)
{
    return static_cast<int>(bytes / 2 * 1000 / EspeakEngine::sampleRate);
}

void reportNoVoice()
{
    static bool reported = false;
    if (!reported)
        std::fprintf(stderr,
            "quorvel: no %s voice (espeak-ng data missing); the wizard's "
            "balloon shows the words without speaking them\n",
            currentLanguage() == Language::english ? "English" : "Italian");
    reported = true;
}

} // namespace

bool EspeakEngine::ensureReady()
{
    // Without DONT_EXIT a missing voice would end the whole program.
    static const bool loaded
        = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT)
            == sampleRate
        && espeak_SetVoiceByName(languageCode(currentLanguage())) == EE_OK;
    if (!loaded)
        reportNoVoice();
    if (!loaded || m_configured)
        return loaded;
    espeak_SetSynthCallback(collect);
    for (const auto& [parameter, value] : storyteller)
        espeak_SetParameter(parameter, value, 0);
    m_configured = true;
    return true;
}

QByteArray EspeakEngine::synthesizeText(const QString& text)
{
    QByteArray sound;
    const QByteArray utf8 = spokenForm(text).toUtf8();
    collecting = &sound;
    espeak_Synth(utf8.constData(), static_cast<size_t>(utf8.size()) + 1, 0, POS_CHARACTER, 0,
        espeakCHARS_UTF8, nullptr, nullptr);
    collecting = nullptr;
    return sound;
}

Utterance EspeakEngine::speak(const std::vector<SpeechPiece>& pieces)
{
    Utterance u;
    if (!ensureReady())
        return u;
    u.sampleRate = sampleRate;
    bool anyWords = false;
    for (const SpeechPiece& piece : pieces) {
        if (piece.isPause()) {
            const qsizetype samples = static_cast<qsizetype>(piece.pauseMs) * sampleRate / 1000;
            u.pcm.append(QByteArray(samples * 2, '\0'));
            u.pieceMs.push_back(piece.pauseMs);
            continue;
        }
        const QByteArray sound = synthesizeText(QString::fromStdString(piece.text));
        anyWords = anyWords || !sound.isEmpty();
        u.pcm.append(sound);
        u.pieceMs.push_back(msOf(sound.size()));
    }
    // A voice that reports success but says nothing (its dictionary missing) counts as none.
    u.voiced = anyWords;
    if (!u.voiced) {
        reportNoVoice();
        u = Utterance {};
    }
    return u;
}

QString EspeakEngine::spokenForm(const QString& text)
{
    QString spoken = text;
    if (currentLanguage() != Language::italian)
        return spoken;
    for (qsizetype i = 1; i < spoken.size(); ++i) {
        const bool endsWord = i + 1 == spoken.size() || !spoken[i + 1].isLetter();
        if (spoken[i] == QLatin1Char('\'') && endsWord && isVowel(spoken[i - 1])) {
            spoken[i - 1] = withGrave(spoken[i - 1]);
            spoken.remove(i, 1);
        }
    }
    return spoken;
}

} // namespace quorvel
