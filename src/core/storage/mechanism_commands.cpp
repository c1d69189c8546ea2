// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/storage/mechanism_commands.h"

#include "core/app/machine.h"
#include "core/app/translation.h"
#include "core/narrator/scenes.h"
#include "core/storage/file_names.h"
#include "core/storage/mechanism_file.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <sstream>
#include <system_error>

namespace quorvel {
namespace fs = std::filesystem;

namespace {

constexpr const char* nothingToSave
    = QV_TRANSLATE_NOOP("Storage", "Nessun meccanismo da salvare: scegli prima un livello.");
//: the file filter of the save dialog
constexpr const char* fileFilter = QV_TRANSLATE_NOOP("Storage", "documenti(*.txt)");
constexpr const char* notAMechanism
    = QV_TRANSLATE_NOOP("Storage", "Il file scelto non contiene un meccanismo valido.");
constexpr const char* chooseAFile
    = QV_TRANSLATE_NOOP("Storage", "Scegli un file dall'elenco dei meccanismi salvati.");

// Why a file cannot be opened as a mechanism before it is opened at all: a pipe or a device is
// never opened, so the program never waits on one. Nothing when it is a regular file.
const char* unusableFile(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status))
        return QV_TRANSLATE_NOOP(
            "Storage", "Il file scelto non c'è più: forse è stato spostato o cancellato.");
    if (fs::is_directory(status))
        return QV_TRANSLATE_NOOP("Storage",
            "Hai scelto una cartella: scegli un file dall'elenco dei meccanismi salvati.");
    if (!fs::is_regular_file(status))
        return QV_TRANSLATE_NOOP(
            "Storage", "Il file scelto non è un documento: non si può aprire.");
    if (!std::ifstream(path, std::ios::binary))
        return QV_TRANSLATE_NOOP("Storage", "Il file scelto non si può leggere: forse è protetto.");
    return nullptr;
}

} // namespace

fs::path mechanismFilePath(const std::string& typed)
{
    std::string ending = typed.size() >= 4 ? typed.substr(typed.size() - 4) : "";
    for (char& c : ending)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return pathFromUtf8(ending == ".txt" ? typed : typed + ".txt");
}

std::optional<fs::path> saveMechanism(Machine& m, SaveDialog& dialog, FileWriter& files)
{
    MessageBox& messages = m.ports().messages;
    const std::string record = mechanismRecord(m.state());
    if (record.empty()) {
        messages.show(translate("Storage", nothingToSave));
        return std::nullopt;
    }
    const std::optional<std::string> typed = dialog.askSavePath(translate("Storage", fileFilter));
    if (!typed || typed->empty())
        return std::nullopt; // cancelled: nothing is written

    const fs::path target = mechanismFilePath(*typed);
    std::ostringstream line;
    writeMechanismLine(line, record);
    if (const std::error_code error = files.replaceWhole(target, line.str())) {
        //: %1 is the file; %2 is why, such as "il disco è pieno"
        messages.show(fill(translate("Storage", "Il meccanismo non è stato salvato in «%1»: %2."),
            { utf8FromPath(target), reasonFor(error) }));
        return std::nullopt;
    }
    return target;
}

namespace {

// Puts a restored mechanism in force on a notebook page of its own, as an opened file. An
// input that still shows the machine's starting text (no level was ever chosen, so nothing
// emptied it) is emptied, or the first digits typed would follow it and read as 0.
void putInForce(Machine& m, const MechanismRecord& record, const std::string& shownName)
{
    for (const Control input : { Control::FirstInput, Control::SecondInput })
        if (m.text(input) == Machine::startingInputText)
            m.setText(input, "");
    MachineState& s = m.writableState();
    s.loadedFromFile = true;
    s.openedMechanismName = shownName;
    restoreMechanism(s, record);
    m.beginNotebookPage();
}

// Restores the mechanism of `file`, announced and shown in the status line under `shownName`.
bool openFrom(Machine& m, const fs::path& file, const std::string& shownName,
    const std::function<bool(Level)>& allowed)
{
    MessageBox& messages = m.ports().messages;
    if (const char* problem = unusableFile(file)) {
        messages.show(translate("Storage", problem));
        return false;
    }
    std::optional<MechanismRecord> record;
    if (std::ifstream in { file, std::ios::binary })
        record = readMechanism(in);
    if (!record) {
        messages.show(translate("Storage", notAMechanism));
        return false;
    }
    // The class rules hold for a saved mechanism as for a level chosen from the menu.
    if (allowed && !allowed(record->level)) {
        //: %1 is the level's number
        messages.show(fill(translate("Storage",
                               "Questo meccanismo è del livello %1, che l'insegnante non ha "
                               "scelto per la classe: non si può aprire."),
            { std::to_string(record->level.number()) }));
        return false;
    }

    sceneOpenedMechanism(m.narrator(), shownName);
    putInForce(m, *record, shownName);
    //: the status line; %1 is the name of the mechanism opened
    m.setText(Control::StatusLine,
        fill(translate("Storage", "E' attivo il meccanismo recuperato  %1"), { shownName }));
    return true;
}

} // namespace

bool openMechanism(Machine& m, const fs::path& folder, const std::string& selectedName,
    const std::function<bool(Level)>& allowed)
{
    if (selectedName.empty()) {
        m.ports().messages.show(translate("Storage", chooseAFile));
        return false;
    }
    // The panel lists names containing ".txt", so the last four characters are normally it.
    return openFrom(m, folder / pathFromUtf8(selectedName),
        selectedName.substr(0, std::max<std::size_t>(selectedName.size(), 4) - 4), allowed);
}

bool openMechanismFile(Machine& m, const fs::path& file, const std::function<bool(Level)>& allowed)
{
    const std::string name = utf8FromPath(file.filename());
    // The name as the panel would show it: without ".txt", whatever its case.
    const bool text = mechanismFilePath(name) == file.filename();
    return openFrom(m, file, text ? name.substr(0, name.size() - 4) : name, allowed);
}

bool openClassMechanism(Machine& m, const std::string& record)
{
    const std::optional<MechanismRecord> read = parseMechanismRecord(record);
    if (!read)
        return false;
    sceneClassMechanism(m.narrator());
    // A new start for everyone, as a level chosen from the menu.
    m.setText(Control::FirstInput, "");
    m.setText(Control::SecondInput, "");
    //: the name the whole class's mechanism goes by, as a saved one goes by its file's name
    putInForce(m, *read, translate("Storage", "della classe"));
    //: the status line, once the teacher has put the whole class on one mechanism
    m.setText(Control::StatusLine,
        fill(translate("Storage", "Tutta la classe è sul meccanismo del livello %1"),
            { std::to_string(read->level.number()) }));
    return true;
}

} // namespace quorvel
