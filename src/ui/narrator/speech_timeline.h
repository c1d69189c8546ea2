// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/narrator/pause_tags.h"

#include <QString>

#include <vector>

namespace quorvel {

// When each word of a speech text appears in the balloon. The balloon shows the text without
// its pause tags and reveals it word by word: a text piece spreads its words over its own
// duration in proportion to their length, and a pause reveals nothing.
class SpeechTimeline
{
public:
    SpeechTimeline() = default;
    // pieceMs holds one duration per piece; a pause's entry is its own length.
    SpeechTimeline(const std::vector<SpeechPiece>& pieces, const std::vector<int>& pieceMs);

    const QString& displayText() const { return m_text; }
    int totalMs() const { return m_totalMs; }
    // How many characters of displayText() are showing at this moment.
    int revealedAt(int ms) const;
    // When the first real word is said: a run of dots before it counts as part of the pause.
    // The text's end when it has no word at all.
    int firstWordMs() const { return m_firstWordMs; }
    // True while words are being said rather than during a pause.
    bool isSayingAt(int ms) const;

private:
    struct Word
    {
        int startMs;
        int endChar;
    };
    struct Span
    {
        int startMs;
        int endMs;
    };

    void addText(const QString& text, int startMs, int durationMs);

    QString m_text;
    std::vector<Word> m_words;
    std::vector<Span> m_saying;
    int m_totalMs = 0;
    int m_firstWordMs = -1;
};

// How long a text would take to say when no voice can say it: a steady pace per word, and a
// short beat for a run of dots or marks.
int estimatedSpeechMs(const QString& text);

// The durations to pace a text by when nothing could be synthesized.
std::vector<int> estimatedPieceMs(const std::vector<SpeechPiece>& pieces);

} // namespace quorvel
