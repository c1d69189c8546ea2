// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// The one rule for the names pupils are called by, in the window and in the console.

// The guest plays with nothing kept; the name is kept in Italian, whatever the language shown.
inline constexpr const char* guestName = "Ospite";
// The guest's name as shown, in the language in use.
std::string shownGuestName();
// Counted in characters: "è" is one, as for any letter.
inline constexpr std::size_t longestPupilName = 40;

// A typed name as it is kept: without spaces around it, and with one space between its words.
std::string tidyPupilName(std::string_view typed);

// Why a tidied name cannot be a pupil's, in the language in use; nothing when it can. Refused:
// no letter at all (spaces of any kind only), more than 40 characters, an invisible control
// character (the C0 and C1 ones), a character that turns the direction of the writing.
std::optional<std::string> pupilNameProblem(std::string_view name);

// Names are the same whatever their capitals, in every alphabet: "Anna" and "ANNA" are one pupil,
// as are "Zoë" and "ZOË".
bool sameProfileName(std::string_view a, std::string_view b);

// Whether a name is the guest's, as kept or as shown in the language in use.
bool isGuestName(std::string_view name);

} // namespace quorvel
