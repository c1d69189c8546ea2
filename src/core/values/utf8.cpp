// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/values/utf8.h"

namespace quorvel {

char32_t decodeUtf8(std::string_view s, std::size_t at, std::size_t& length)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[at + i]); };
    const unsigned char first = byte(0);
    length = first < 0x80      ? 1
        : (first >> 5) == 0x6  ? 2
        : (first >> 4) == 0xE  ? 3
        : (first >> 3) == 0x1E ? 4
                               : 1;
    if (at + length > s.size())
        length = 1;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            length = 1;
    if (length == 1)
        return first;
    char32_t c = first & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i)
        c = (c << 6) | (byte(i) & 0x3F);
    return c;
}

std::string encodeUtf8(char32_t c)
{
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = 0, length = 1; at < text.size(); at += length, ++count)
        decodeUtf8(text, at, length);
    return count;
}

namespace {

// The small letter of a capital of the alphabets pupils' names are written in.
char32_t smallLetter(char32_t c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) // Latin-1
        || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) // Greek
        || (c >= 0x410 && c <= 0x42F)) // Cyrillic
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    switch (c) { // the Greek capitals with an accent
    case 0x386:
        return 0x3AC;
    case 0x388:
    case 0x389:
    case 0x38A:
        return c + 0x25;
    case 0x38C:
        return 0x3CC;
    case 0x38E:
    case 0x38F:
        return c + 0x3F;
    default:
        break;
    }
    // Latin Extended-A and the Cyrillic supplement go in pairs, the capital first; in two runs
    // of Latin Extended-A the capital is odd.
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177) || (c >= 0x460 && c <= 0x4FF))
        return c % 2 == 0 ? c + 1 : c;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return c % 2 == 1 ? c + 1 : c;
    if (c == 0x178)
        return 0xFF;
    return c;
}

} // namespace

std::string foldedCase(std::string_view text)
{
    std::string out;
    for (std::size_t at = 0, length = 1; at < text.size(); at += length) {
        const char32_t c = decodeUtf8(text, at, length);
        if (length == 1 && c >= 0x80)
            out += text[at]; // a stray byte stays as it is
        else
            out += encodeUtf8(smallLetter(c));
    }
    return out;
}

bool isSpaceCharacter(char32_t c)
{
    return c == ' ' || c == '\t' || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200B)
        || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace quorvel
