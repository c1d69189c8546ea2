// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <iosfwd>
#include <string>

namespace quorvel {

class Machine;

// The console's notebook commands: predictions, the current page, hypotheses, the export and
// the revealed rule, each answered in lines of its own kind ("esito: ", "quaderno: ", ...).
class ConsoleNotebook
{
public:
    ConsoleNotebook(Machine& machine, std::ostream& out)
        : m_machine(machine)
        , m_out(out)
    {
    }

    // Carries out a notebook command; false when the word is none of them or its argument is
    // missing.
    bool run(const std::string& word, const std::string& rest);
    // The lines that follow an experiment's output: the prediction's outcome and a discovery.
    void printOutcome();

private:
    void printPage();
    void checkHypothesis(const std::string& formula);
    void exportTo(const std::string& path);
    void reveal();
    std::string shown(double number) const;
    void error(const std::string& text);

    Machine& m_machine;
    std::ostream& m_out;
};

} // namespace quorvel
