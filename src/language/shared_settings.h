// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quorvel {

// What the window and the console find the same way, through Qt's own lookups.

// The organisation and program names every setting and folder is found under.
void nameTheProgram();

// Where the pupils' database lives: Qt's application data folder ($XDG_DATA_HOME/Quorvel/Quorvel,
// or ~/.local/share/Quorvel/Quorvel).
std::filesystem::path pupilsFolder();

// The teacher's PIN set by the computer's administrator for every account, as its salted hash:
// "pin" under "[insegnante]" in Qt's system-wide settings (/etc/xdg/Quorvel/Quorvel.conf, or
// the first folder of $XDG_CONFIG_DIRS). Nothing when none is set.
std::optional<std::string> administratorPinHash();

// The lines to put in that file for a PIN's hash, as Qt's settings write them.
std::string administratorPinLines(const std::string& hash);

} // namespace quorvel
