// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/collection_store.h"

#include <QString>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace quorvel {

// The class this computer plays in: the pupils' line that quorvel-classe printed, under
// "[classe] uri" in Qt's settings: the user's own (set by "Collega alla classe..."), or else
// the system-wide ones of the lab (/etc/xdg/Quorvel/Quorvel.conf). Nothing without a class.
std::optional<std::string> configuredClassUri();
// The line given on the command line (--classe), which comes before the settings' for the
// rest of the run.
void useClassUriOfCommandLine(std::string uri);
// Takes "--classe URI" out of the arguments; nothing when it is not there.
std::optional<std::string> takeClassArgument(int& argc, char** argv);
// Keeps the line in the user's own settings; an empty line forgets it.
void rememberClassUri(const std::string& uri);

// The collection's store on the class's server, from the class module (quorvel_classe),
// loaded at the first call from the program's folder or the modules' folder of an installed
// copy. Throws a StoreFault, with why in words, when it cannot be opened.
std::unique_ptr<CollectionStore> openClassStore(
    const std::string& uri, const std::filesystem::path& localFolder, const QString& programFolder);

} // namespace quorvel
