#include "core/storage/file_replace.h"

#include <cerrno>
#include <fstream>

namespace quorvel {
namespace fs = std::filesystem;

fs::path pathFromUtf8(const std::string& name)
{
    return fs::path(std::u8string(name.begin(), name.end()));
}

std::string utf8FromPath(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// What went wrong, in the pupil's words.
std::string reasonFor(std::error_code error)
{
    using std::errc;
    if (error == errc::no_such_file_or_directory || error == errc::not_a_directory)
        return "la cartella non esiste";
    if (error == errc::is_a_directory)
        return "esiste già una cartella con questo nome";
    if (error == errc::permission_denied || error == errc::operation_not_permitted
        || error == errc::read_only_file_system)
        return "la cartella è protetta da scrittura";
    if (error == errc::no_space_on_device)
        return "il disco è pieno";
    return "il file non si può scrivere";
}

namespace {

// The streams give no error code of their own; errno holds the system's reason where
// there is one.
std::error_code lastStreamError()
{
    if (errno != 0)
        return std::error_code(errno, std::generic_category());
    return std::make_error_code(std::errc::io_error);
}

// A name beside the target that no file has yet; it never contains ".txt", so the open
// panel does not list a leftover.
fs::path temporaryPathFor(const fs::path& target)
{
    for (int n = 1;; ++n) {
        fs::path name = ".";
        name += target.stem().native();
        name += ".salvataggio";
        if (n > 1)
            name += "-" + std::to_string(n);
        const fs::path candidate = target.parent_path() / name;
        std::error_code error;
        if (!fs::exists(fs::symlink_status(candidate, error)))
            return candidate;
    }
}

std::error_code writeTemporary(const fs::path& temp, const std::string& contents)
{
    errno = 0;
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out)
        return lastStreamError();
    out << contents;
    out.flush();
    std::error_code error = out ? std::error_code() : lastStreamError();
    out.close();
    if (!error && out.fail())
        error = lastStreamError();
    return error;
}

} // namespace

// Writes the whole file beside the target and renames it over the target, so the target
// is either replaced as a whole or left as it was.
std::error_code replaceFile(const fs::path& target, const std::string& contents)
{
    std::error_code error;
    if (fs::is_directory(target, error))
        return std::make_error_code(std::errc::is_a_directory);
    const fs::path absolute = fs::absolute(target, error);
    if (error)
        return error;
    if (!fs::is_directory(absolute.parent_path(), error))
        return std::make_error_code(std::errc::no_such_file_or_directory);

    const fs::path temp = temporaryPathFor(absolute);
    error = writeTemporary(temp, contents);
    if (!error)
        fs::rename(temp, absolute, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temp, ignored);
    }
    return error;
}

} // namespace quorvel
