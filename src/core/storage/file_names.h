// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace quorvel {

// Names are UTF-8 throughout the program; a plain std::string would take the local code page
// on some systems.
std::filesystem::path pathFromUtf8(const std::string& name);
std::string utf8FromPath(const std::filesystem::path& path);

// The error of a target that is there but is no plain file (a pipe, a device).
std::error_code notAPlainFile();

// What went wrong with a file, in the pupil's words: "la cartella non esiste", ...
std::string reasonFor(std::error_code error);

} // namespace quorvel
