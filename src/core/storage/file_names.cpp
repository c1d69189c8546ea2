// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/storage/file_names.h"

#include "core/app/translation.h"

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

// What went wrong, in the pupil's words and language: a clause that ends a sentence.
std::string reasonFor(std::error_code error)
{
    using std::errc;
    if (error == notAPlainFile())
        return translate("Storage", "non è un file normale e non si può sostituire");
    if (error == errc::no_such_file_or_directory)
        return translate("Storage", "la cartella non esiste");
    if (error == errc::not_a_directory)
        return translate("Storage", "nel percorso c'è un file al posto di una cartella");
    if (error == errc::too_many_symbolic_link_levels)
        return translate("Storage", "i collegamenti girano in tondo e non portano a nessun file");
    if (error == errc::is_a_directory)
        return translate("Storage", "esiste già una cartella con questo nome");
    if (error == errc::operation_not_permitted)
        return translate("Storage", "il file è protetto da scrittura e non si può sostituire");
    if (error == errc::permission_denied || error == errc::read_only_file_system)
        return translate("Storage", "la cartella è protetta da scrittura");
    if (error == errc::no_space_on_device)
        return translate("Storage", "il disco è pieno");
    return translate("Storage", "il file non si può scrivere");
}

namespace {

class FileProblems : public std::error_category
{
public:
    const char* name() const noexcept override { return "quorvel-file"; }
    std::string message(int) const override { return "not a plain file"; }
};

} // namespace

std::error_code notAPlainFile()
{
    static const FileProblems problems;
    return std::error_code(1, problems);
}

} // namespace quorvel
