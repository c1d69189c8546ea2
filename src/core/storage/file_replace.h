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

// Writes the whole file beside the target and renames it over the target, so the target is
// either replaced as a whole or left as it was. The error, if any, says why not.
std::error_code replaceFile(const std::filesystem::path& target, const std::string& contents);

// The file a path leads to, its symbolic links followed to their end, in `file`; an error when
// that cannot be replaced by a file: a folder, a pipe or another file that is no plain file, a
// folder that is not there.
std::error_code replaceableFile(const std::filesystem::path& target, std::filesystem::path& file);

// The error of a target that is there but is no plain file (a pipe, a device).
std::error_code notAPlainFile();

// What went wrong with a file, in the pupil's words: "la cartella non esiste", ...
std::string reasonFor(std::error_code error);

} // namespace quorvel
