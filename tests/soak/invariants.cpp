// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "invariants.h"

#include "core/app/translation.h"
#include "ui/app/machine_face.h"
#include "ui/app/machine_form.h"
#include "ui/storage/open_panel.h"

#include <QLabel>

#include <regex>

namespace quorvel::soak {

bool isDisplayedOutput(const std::string& shown, char decimalSeparator)
{
    const std::regex number(
        std::string("-?[0-9]+([") + decimalSeparator + "][0-9]+)?(E[-+][0-9]+)?");
    return shown.empty() || shown == "out" || shown == "????" || std::regex_match(shown, number);
}

bool isStatusText(const std::string& status)
{
    static const std::regex italian("E'attivo il livello [1-5]|E' attivo il  (livello[1-5])?"
                                    "|E' attivo il meccanismo recuperato  .*");
    static const std::regex english("You are on level [1-5]|New mechanism, level [1-5]"
                                    "|No level chosen yet|Using the saved mechanism .*");
    return status.empty()
        || std::regex_match(status, currentLanguage() == Language::english ? english : italian);
}

std::vector<std::string> brokenInvariants(MachineForm& form)
{
    const Machine& m = form.machine();
    const MachineState& s = m.state();
    std::vector<std::string> broken;
    const auto check = [&](bool holds, const std::string& what) {
        if (!holds)
            broken.push_back(what);
    };
    for (std::size_t i = 0; i < s.paramGrid.size(); ++i)
        check(s.paramGrid[0][i] == 0 && s.paramGrid[i][0] == 0,
            "paramGrid holds a non-zero value in row or column 0 at " + std::to_string(i));
    check(isDisplayedOutput(m.text(Control::Output), m.decimalSeparator()),
        "the output shows \"" + m.text(Control::Output).substr(0, 80) + "\"");
    check(isStatusText(m.text(Control::StatusLine)),
        "the status line shows \"" + m.text(Control::StatusLine) + "\"");
    check(s.schemaLevel5 >= 0 && s.schemaLevel5 <= 18,
        "schemaLevel5 is " + std::to_string(s.schemaLevel5));
    check(s.outputChangeCount <= 2, "outputChangeCount is " + std::to_string(s.outputChangeCount));
    check(std::string("||+|-|*|:|").find("|" + s.opSymbol + "|") != std::string::npos,
        "opSymbol is \"" + s.opSymbol + "\"");
    const std::pair<const char*, Control> shown[]
        = { { "primoNumero", Control::FirstInput }, { "secondoNumero", Control::SecondInput },
              { "uscita", Control::Output }, { "rigaStato", Control::StatusLine } };
    for (const auto& [name, control] : shown) {
        const auto* label = form.findChild<QLabel*>(name);
        const std::string face = label ? label->text().toStdString() : "(missing)";
        check(face == m.text(control),
            std::string("the face shows ") + name + " = \"" + face + "\" but the machine holds \""
                + m.text(control) + "\"");
    }
    const QWidget* panel = form.openPanel();
    check(
        form.face()->rect().contains(panel->geometry()), "the open panel lies partly off the face");
    return broken;
}

} // namespace quorvel::soak
