// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel {

// The one reader of UTF-8 text in the program. One character at `at`: its code point, and in
// `length` how many bytes it takes; a byte that starts no well-formed character stands for
// itself, one byte long.
char32_t decodeUtf8(std::string_view text, std::size_t at, std::size_t& length);
std::string encodeUtf8(char32_t c);

// How many characters a text holds.
std::size_t characterCount(std::string_view text);

// The text with the capitals of the Latin, Greek and Cyrillic alphabets made small ("ZOË" is
// "zoë"), for comparing names without regard to case; other characters as they are.
std::string foldedCase(std::string_view text);

// The text without blanks (spaces, tabs, line ends) at either end.
std::string_view trimmed(std::string_view text);

// A space of any kind: the blank, the tab, the no-break space, the spaces of typography.
bool isSpaceCharacter(char32_t c);

} // namespace quorvel
