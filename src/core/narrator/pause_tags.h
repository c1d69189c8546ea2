// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace quorvel {

// A speech text cut at its pause tags: runs of words, and pauses of a number of milliseconds.
struct SpeechPiece
{
    std::string text; // empty for a pause
    int pauseMs = 0; // 0 for text

    bool isPause() const { return text.empty(); }
    bool operator==(const SpeechPiece&) const = default;
};

// "\pau=N\" and "\Pau=N\" (any case) become pauses where they stand; a backslash that does
// not open a well-formed tag is kept as text. Adjacent text runs are merged.
std::vector<SpeechPiece> splitSpeech(const std::string& text);

} // namespace quorvel
