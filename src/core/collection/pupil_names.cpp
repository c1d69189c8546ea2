// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/collection/pupil_names.h"

#include "core/app/translation.h"
#include "core/values/number_text.h"
#include "core/values/utf8.h"

namespace quorvel {
namespace {

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// The embeddings, overrides and isolates that turn the writing's direction, and the marks.
bool turnsDirection(char32_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E
        || c == 0x200F || c == 0x061C;
}

} // namespace

std::string tidyPupilName(std::string_view typed)
{
    std::string out;
    bool spaceWaiting = false;
    for (std::size_t at = 0, length = 1; at < typed.size(); at += length) {
        const char32_t c = decodeUtf8(typed, at, length);
        if (isSpaceCharacter(c) && c != '\t') {
            spaceWaiting = !out.empty();
            continue;
        }
        if (spaceWaiting)
            out += ' ';
        spaceWaiting = false;
        out.append(typed.substr(at, length));
    }
    return out;
}

std::optional<std::string> pupilNameProblem(std::string_view name)
{
    bool visible = false;
    for (std::size_t at = 0, length = 1; at < name.size(); at += length) {
        const char32_t c = decodeUtf8(name, at, length);
        if (isControl(c))
            return translate(
                "Pupils", "Il nome non può contenere caratteri invisibili, come la tabulazione.");
        if (turnsDirection(c))
            return translate(
                "Pupils", "Il nome non può contenere segni che cambiano il verso della scrittura.");
        visible = visible || !isSpaceCharacter(c);
    }
    if (!visible)
        return translate("Pupils", "Scrivi il nome: almeno una lettera.");
    if (characterCount(name) > longestPupilName)
        //: %1 is the longest a name can be, in letters
        return fill(translate("Pupils", "Il nome può avere al massimo %1 lettere."),
            { wholeText(static_cast<long long>(longestPupilName)) });
    return std::nullopt;
}

bool sameProfileName(std::string_view a, std::string_view b)
{
    return foldedCase(a) == foldedCase(b);
}

std::string shownGuestName()
{
    return translate("Pupils", "Ospite");
}

bool isGuestName(std::string_view name)
{
    return sameProfileName(name, guestName) || sameProfileName(name, shownGuestName());
}

} // namespace quorvel
