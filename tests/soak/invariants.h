// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace quorvel {
class MachineForm;
}

namespace quorvel::soak {

// What must hold of the window and its machine whatever the pupil did: the core's own
// invariants, the face showing exactly the texts the core holds, and the open panel whole on
// the face. One line per broken rule.
std::vector<std::string> brokenInvariants(MachineForm& form);

// "", "out", "????", or a number in display form: -12, 0.25, 1.5E+15, 3E-07.
bool isDisplayedOutput(const std::string& shown, char decimalSeparator);
// Empty, or after a level command, a change of mechanism (two blanks, then the level) or a file;
// in the language in use.
bool isStatusText(const std::string& status);

} // namespace quorvel::soak
