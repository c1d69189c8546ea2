// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/level.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace quorvel {

class Machine;
class FileWriter;
class SaveDialog;

// "salvameccanismo": asks for a name and writes the mechanism in force to it, replacing the
// file as a whole. Never changes the machine's state. The file written, when one was.
std::optional<std::filesystem::path> saveMechanism(
    Machine& m, SaveDialog& dialog, FileWriter& files);

// The path a typed name is saved to: ".txt" added unless the name already ends in it.
std::filesystem::path mechanismFilePath(const std::string& typed);

// "apri" of the open panel: restores the mechanism of the file selected in `folder`, announces
// it and shows it in the status line. A missing selection or an unusable file changes nothing
// and is reported in a message box, and so does a mechanism of a level the class rules do not
// allow (`allowed` says which). True when the panel is to close.
bool openMechanism(Machine& m, const std::filesystem::path& folder, const std::string& selectedName,
    const std::function<bool(Level)>& allowed = {});

// Opens the mechanism of a file given by its path (on the command line, or by the desktop when
// the pupil opens a saved mechanism), as "apri" does; it is named without its ".txt".
bool openMechanismFile(
    Machine& m, const std::filesystem::path& file, const std::function<bool(Level)>& allowed = {});

// Puts in force the mechanism the teacher chose for the whole class (as a saved mechanism file
// holds it), announced by the wizard and shown in the status line, on a new notebook page.
// False, with nothing changed, when the record is not a mechanism.
bool openClassMechanism(Machine& m, const std::string& record);

} // namespace quorvel
