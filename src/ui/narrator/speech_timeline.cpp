// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/narrator/speech_timeline.h"

#include "core/narrator/readable_speech.h"

#include <algorithm>

namespace quorvel {

namespace {

// About 140 words a minute: the voice's own gentle pace.
constexpr int msPerWord = 430;
constexpr int msForMarksOnly = 200;

} // namespace

SpeechTimeline::SpeechTimeline(
    const std::vector<SpeechPiece>& pieces, const std::vector<int>& pieceMs)
{
    // The pupil reads the runs tidied, each shown while it is said.
    std::vector<std::string> runs;
    for (const SpeechPiece& piece : pieces)
        if (!piece.isPause())
            runs.push_back(piece.text);
    const std::vector<std::string> readable = readablePieces(runs);
    std::size_t run = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const int duration = i < pieceMs.size() ? std::max(0, pieceMs[i]) : 0;
        if (!pieces[i].isPause())
            addText(QString::fromStdString(readable[run++]), m_totalMs, duration);
        m_totalMs += duration;
    }
    if (m_firstWordMs < 0)
        m_firstWordMs = m_totalMs;
}

void SpeechTimeline::addText(const QString& text, int startMs, int durationMs)
{
    const int base = static_cast<int>(m_text.size());
    m_text += text;
    m_saying.push_back({ startMs, startMs + durationMs });

    // Each word starts after the share of the piece's letters that come before it.
    const int letters = static_cast<int>(
        std::count_if(text.begin(), text.end(), [](QChar c) { return !c.isSpace(); }));
    int lettersBefore = 0;
    for (int i = 0; i < text.size();) {
        while (i < text.size() && text[i].isSpace())
            ++i;
        if (i == text.size())
            break;
        const int wordStart = i;
        while (i < text.size() && !text[i].isSpace())
            ++i;
        const int offset = letters > 0 ? durationMs * lettersBefore / letters : 0;
        m_words.push_back({ startMs + offset, base + i });
        const bool real = std::any_of(text.begin() + wordStart, text.begin() + i,
            [](QChar c) { return c.isLetterOrNumber(); });
        if (real && m_firstWordMs < 0)
            m_firstWordMs = startMs + offset;
        lettersBefore += i - wordStart;
    }
}

int SpeechTimeline::revealedAt(int ms) const
{
    if (ms >= m_totalMs)
        return static_cast<int>(m_text.size());
    int shown = 0;
    for (const Word& word : m_words) {
        if (word.startMs > ms)
            break;
        shown = word.endChar;
    }
    return shown;
}

bool SpeechTimeline::isSayingAt(int ms) const
{
    return std::any_of(m_saying.begin(), m_saying.end(),
        [ms](const Span& s) { return ms >= s.startMs && ms < s.endMs; });
}

int estimatedSpeechMs(const QString& text)
{
    int words = 0;
    bool inWord = false;
    bool anyMark = false;
    for (QChar c : text) {
        const bool letter = c.isLetterOrNumber();
        if (letter && !inWord)
            ++words;
        inWord = letter;
        anyMark = anyMark || !c.isSpace();
    }
    if (words > 0)
        return words * msPerWord;
    return anyMark ? msForMarksOnly : 0;
}

std::vector<int> estimatedPieceMs(const std::vector<SpeechPiece>& pieces)
{
    std::vector<int> ms;
    ms.reserve(pieces.size());
    for (const SpeechPiece& piece : pieces)
        ms.push_back(piece.isPause() ? piece.pauseMs
                                     : estimatedSpeechMs(QString::fromStdString(piece.text)));
    return ms;
}

} // namespace quorvel
