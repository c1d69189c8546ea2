// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/file_replace.h"

#include "core/storage/file_names.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <random>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quorvel {
namespace fs = std::filesystem;

namespace {

// Temporary files are ".q" and eight hex digits then ".salvataggio": short whatever the
// target's name, never ending in ".txt" (the open panel does not list them), and ours alone.
constexpr std::string_view temporaryPrefix = ".q";
constexpr std::string_view temporarySuffix = ".salvataggio";
// A temporary file this old was left by a save that was killed: nobody writes it any more.
constexpr auto staleAfter = std::chrono::minutes(10);

bool isOurTemporary(const fs::path& name)
{
    const std::string text = name.filename().string();
    if (text.size() == temporaryPrefix.size() + 8 + temporarySuffix.size()
        && text.starts_with(temporaryPrefix) && text.ends_with(temporarySuffix))
        return true;
    // The earlier naming: "." + the target's stem + ".salvataggio", maybe "-N".
    return text.starts_with(".") && text.find(".salvataggio") != std::string::npos;
}

// Removes the stale temporary files of our own naming in a folder, and nothing else.
void removeStaleTemporaries(const fs::path& folder)
{
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        std::error_code ignored;
        if (!isOurTemporary(entry.path()) || !entry.is_regular_file(ignored))
            continue;
        const auto written = entry.last_write_time(ignored);
        if (!ignored && now - written > staleAfter)
            fs::remove(entry.path(), ignored);
    }
}

std::error_code systemError()
{
    return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}

// Eight hexadecimal digits drawn at random, for a temporary file's name.
std::string randomName(std::random_device& random)
{
    char digits[8];
    const auto written = std::to_chars(digits, digits + sizeof digits, random(), 16);
    const std::string drawn(digits, written.ptr);
    return std::string(8 - drawn.size(), '0') + drawn;
}

#if defined(__unix__) || defined(__APPLE__)

// Writes the contents to a new temporary file of its own beside the target, created
// exclusively with the target's permissions, and flushes it to the disk.
std::error_code writeTemporary(const fs::path& folder, const std::string& contents,
    std::optional<fs::perms> perms, fs::path& temp)
{
    std::random_device random;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = folder
            / (std::string(temporaryPrefix) + randomName(random) + std::string(temporarySuffix));
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return systemError();
    }
    if (fd < 0)
        return std::make_error_code(std::errc::file_exists);
    std::error_code error;
    if (perms && ::fchmod(fd, static_cast<mode_t>(*perms)) != 0)
        error = systemError();
    for (std::size_t done = 0; !error && done < contents.size();) {
        const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno != EINTR)
            error = systemError();
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    if (!error && ::fsync(fd) != 0)
        error = systemError();
    if (::close(fd) != 0 && !error)
        error = systemError();
    return error;
}

// The new name is on the disk only once the folder is.
void syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

#else

std::error_code writeTemporary(
    const fs::path& folder, const std::string& contents, std::optional<fs::perms>, fs::path& temp)
{
    std::random_device random;
    temp = folder
        / (std::string(temporaryPrefix) + randomName(random) + std::string(temporarySuffix));
    errno = 0;
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << contents;
    out.close();
    return out.fail() ? systemError() : std::error_code();
}

void syncFolder(const fs::path&) { }

#endif

} // namespace

std::error_code replaceableFile(const fs::path& target, fs::path& file)
{
    std::error_code error;
    file = fs::absolute(target, error);
    if (error)
        return error;
    // A chain of links is followed to its end, however long, unless it goes round.
    for (int links = 0; fs::is_symlink(fs::symlink_status(file, error)); ++links) {
        if (links == 40)
            return std::make_error_code(std::errc::too_many_symbolic_link_levels);
        const fs::path pointed = fs::read_symlink(file, error);
        if (error)
            return error;
        file = pointed.is_absolute() ? pointed : file.parent_path() / pointed;
    }
    const fs::file_status status = fs::status(file, error);
    if (fs::is_directory(status))
        return std::make_error_code(std::errc::is_a_directory);
    if (fs::exists(status) && !fs::is_regular_file(status))
        return notAPlainFile();
    const fs::file_status folder = fs::status(file.parent_path(), error);
    if (fs::exists(folder) && !fs::is_directory(folder))
        return std::make_error_code(std::errc::not_a_directory);
    if (!fs::is_directory(folder))
        return std::make_error_code(std::errc::no_such_file_or_directory);
    return {};
}

// Writes the whole file beside the target, flushed to the disk, and renames it over the
// target, so the target holds either the old contents or the new, whatever happens. A symbolic
// link keeps pointing where it did, however many links lead on: the file at their end is
// replaced. A pipe or a device is never replaced by a file.
std::error_code replaceFile(const fs::path& target, const std::string& contents)
{
    fs::path absolute;
    if (const std::error_code problem = replaceableFile(target, absolute))
        return problem;
    std::error_code error;
    const fs::file_status status = fs::status(absolute, error);
    const fs::path folder = absolute.parent_path();

    std::optional<fs::perms> perms;
    if (fs::exists(status)) {
        perms = status.permissions() & fs::perms::mask;
        // A file nobody may write was protected on purpose: replacing it through its folder
        // would undo that, whoever runs the program.
        constexpr fs::perms anyWrite
            = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
        if ((*perms & anyWrite) == fs::perms::none)
            return std::make_error_code(std::errc::operation_not_permitted);
    }
    removeStaleTemporaries(folder);
    fs::path temp;
    errno = 0;
    error = writeTemporary(folder, contents, perms, temp);
    if (!error)
        fs::rename(temp, absolute, error);
    if (error) {
        std::error_code ignored;
        if (!temp.empty())
            fs::remove(temp, ignored);
        return error;
    }
    syncFolder(folder);
    return {};
}

} // namespace quorvel
