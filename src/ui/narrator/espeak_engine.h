// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/translation.h"
#include "ui/narrator/voice.h"

#include <QString>

namespace quorvel {

// The voice of espeak-ng in the program's language, Italian unless it is English. The library's
// state is global to the process and not reentrant: engines are used from one thread at a time (in
// the program, the voice's worker). The library is loaded once per process and never unloaded,
// since espeak-ng hangs when it is terminated after a second start; the process's end frees it.
class EspeakEngine
{
public:
    static constexpr int sampleRate = 22050;

    // Loads the library and the voice on first use; false when there is no such voice.
    bool ensureReady();
    // The whole text as sound: the words of each text piece, and silences of exactly the
    // pauses' lengths. Not voiced when nothing could be synthesized.
    Utterance speak(const std::vector<SpeechPiece>& pieces);

    // What the voice is given for a text the balloon shows as it is: a vowel followed by an
    // apostrophe at the end of a word is the typewriter's accent ("puo'" says "può"), in Italian.
    static QString spokenForm(const QString& text);

private:
    QByteArray synthesizeText(const QString& text);

    bool m_configured = false;
};

} // namespace quorvel
