// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/ports.h"
#include "core/storage/file_names.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace quorvel {

// Replacing a file whole, with the system's calls (POSIX where there is one).

// Writes the whole file beside the target and renames it over the target, so the target is
// either replaced as a whole or left as it was. The error, if any, says why not.
std::error_code replaceFile(const std::filesystem::path& target, const std::string& contents);

// The same, as the core asks for it.
class ReplacingFileWriter : public FileWriter
{
public:
    std::error_code replaceWhole(
        const std::filesystem::path& target, const std::string& contents) override
    {
        return replaceFile(target, contents);
    }
};

// The file a path leads to, its symbolic links followed to their end, in `file`; an error when
// that cannot be replaced by a file: a folder, a pipe or another file that is no plain file, a
// folder that is not there.
std::error_code replaceableFile(const std::filesystem::path& target, std::filesystem::path& file);

} // namespace quorvel
