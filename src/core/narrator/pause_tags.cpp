// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/narrator/pause_tags.h"

#include <cctype>

namespace quorvel {
namespace {

// Length of a well-formed tag starting at `at`, and its milliseconds; 0 when none.
std::size_t tagAt(const std::string& s, std::size_t at, int& ms)
{
    static const std::string word = "pau=";
    if (s.size() < at + 1 + word.size() + 2)
        return 0;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[at + 1 + i])) != word[i])
            return 0;
    std::size_t p = at + 1 + word.size();
    const std::size_t digitsStart = p;
    long value = 0;
    while (p < s.size() && std::isdigit(static_cast<unsigned char>(s[p]))) {
        if (value < 600000)
            value = value * 10 + (s[p] - '0');
        ++p;
    }
    if (p == digitsStart || p >= s.size() || s[p] != '\\')
        return 0;
    ms = static_cast<int>(value > 600000 ? 600000 : value);
    return p + 1 - at;
}

} // namespace

std::vector<SpeechPiece> splitSpeech(const std::string& text)
{
    std::vector<SpeechPiece> pieces;
    std::string run;
    auto flush = [&] {
        if (!run.empty())
            pieces.push_back({ run, 0 });
        run.clear();
    };
    for (std::size_t i = 0; i < text.size();) {
        int ms = 0;
        const std::size_t length = text[i] == '\\' ? tagAt(text, i, ms) : 0;
        if (length == 0) {
            run += text[i++];
            continue;
        }
        flush();
        pieces.push_back({ "", ms });
        i += length;
    }
    flush();
    return pieces;
}

} // namespace quorvel
