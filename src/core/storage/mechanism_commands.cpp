#include "core/storage/mechanism_commands.h"

#include "core/app/machine.h"
#include "core/storage/file_replace.h"
#include "core/storage/mechanism_file.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <sstream>
#include <system_error>

namespace quorvel {
namespace fs = std::filesystem;

namespace {

constexpr const char* nothingToSave = "Nessun meccanismo da salvare: scegli prima un livello.";
constexpr const char* fileFilter = "documenti(*.txt)";
constexpr const char* notAMechanism = "Il file scelto non contiene un meccanismo valido.";
constexpr const char* chooseAFile = "Scegli un file dall'elenco dei meccanismi salvati.";
constexpr const char* openedStatus = "E' attivo il meccanismo recuperato  ";

} // namespace

fs::path mechanismFilePath(const std::string& typed)
{
    std::string ending = typed.size() >= 4 ? typed.substr(typed.size() - 4) : "";
    for (char& c : ending)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return pathFromUtf8(ending == ".txt" ? typed : typed + ".txt");
}

void saveMechanism(Machine& m, SaveDialog& dialog)
{
    MessageBox& messages = m.ports().messages;
    const std::string record = mechanismRecord(m.state());
    if (record.empty()) {
        messages.show(nothingToSave);
        return;
    }
    const std::optional<std::string> typed = dialog.askSavePath(fileFilter);
    if (!typed || typed->empty())
        return; // cancelled: nothing is written

    const fs::path target = mechanismFilePath(*typed);
    std::ostringstream line;
    writeMechanismLine(line, record);
    if (const std::error_code error = replaceFile(target, line.str()))
        messages.show("Il meccanismo non è stato salvato in «" + utf8FromPath(target)
            + "»: " + reasonFor(error) + ".");
}

bool openMechanism(Machine& m, const fs::path& folder, const std::string& selectedName)
{
    MessageBox& messages = m.ports().messages;
    if (selectedName.empty()) {
        messages.show(chooseAFile);
        return false;
    }
    std::optional<MechanismRecord> record;
    if (std::ifstream in { folder / pathFromUtf8(selectedName), std::ios::binary })
        record = readMechanism(in);
    if (!record) {
        messages.show(notAMechanism);
        return false;
    }

    MachineState& s = m.state();
    s.loadedFromFile = true;
    // The panel lists names containing ".txt", so the last four characters are normally it.
    s.openedMechanismName
        = selectedName.substr(0, std::max<std::size_t>(selectedName.size(), 4) - 4);
    sceneOpenedMechanism(m.narrator(), s.openedMechanismName);
    restoreMechanism(s, *record);
    m.setText(Control::Label15, openedStatus + s.openedMechanismName);
    m.beginNotebookPage();
    return true;
}

} // namespace quorvel
