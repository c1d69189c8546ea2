// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console/console_notebook.h"

#include "core/app/machine.h"
#include "core/app/translation.h"
#include "core/mechanisms/rule_descriptions.h"
#include "core/notebook/formula.h"
#include "core/notebook/notebook_csv.h"
#include "core/notebook/notebook_words.h"
#include "core/values/number_text.h"
#include "platform/file_replace.h"

#include <ostream>

namespace quorvel {

bool ConsoleNotebook::run(const std::string& word, const std::string& rest)
{
    if (word == "prevedi" && !rest.empty()) {
        if (const auto problem = m_machine.notebook().setPrediction(rest))
            error(*problem);
    } else if (word == "quaderno" && rest.empty())
        printPage();
    else if (word == "ipotesi" && !rest.empty())
        checkHypothesis(rest);
    else if (word == "esporta" && !rest.empty())
        exportTo(rest);
    else if (word == "rivela" && rest.empty())
        reveal();
    else
        return false;
    return true;
}

void ConsoleNotebook::printOutcome()
{
    const TrialOutcome& outcome = m_machine.lastOutcome();
    if (outcome.predicted)
        m_out << "esito: " << outcomeWord(outcome.right) << '\n';
    if (outcome.discovery)
        m_out << "scoperta: " << discoveryNews() << '\n';
}

// Numbers as the output display writes them.
std::string ConsoleNotebook::shown(double number) const
{
    return formatNumber(number, 15, m_machine.decimalSeparator());
}

void ConsoleNotebook::printPage()
{
    const Page* page = m_machine.notebook().currentPage();
    if (!page) {
        m_out << "quaderno: " << translate("Console", "ancora nessuna pagina: scegli un livello")
              << '\n';
        return;
    }
    const std::string number = std::to_string(page->number),
                      level = std::to_string(page->level.number()),
                      trials = std::to_string(page->trials.size());
    m_out << "quaderno: "
          << (page->trials.size() == 1
                     //: %1 is the page's number, %2 its level's, %3 is 1: the page holds one trial
                     ? fill(translate("Console", "pagina %1, livello %2, %3 prova"),
                         { number, level, trials })
                     //: %1 is the page's number, %2 its level's, %3 how many trials it holds
                     : fill(translate("Console", "pagina %1, livello %2, %3 prove"),
                         { number, level, trials }))
          << '\n';
    for (const Trial& t : page->trials) {
        //: a trial: the first input, the second input and the output
        m_out << "prova " << t.number << ": "
              << fill(translate("Console", "primo %1; secondo %2; uscita %3"),
                     { shown(t.a), shown(t.b), t.output });
        if (t.prediction) {
            const std::optional<double> predicted = readPupilNumber(*t.prediction);
            //: %1 is the pupil's prediction; %2 says whether it was right
            m_out << "; "
                  << fill(translate("Console", "previsione %1; %2"),
                         { predicted ? shown(*predicted) : *t.prediction,
                             outcomeWord(t.predictionRight) });
        }
        m_out << '\n';
    }
}

void ConsoleNotebook::checkHypothesis(const std::string& text)
{
    auto read = Formula::read(text);
    if (const auto* problem = std::get_if<FormulaError>(&read)) {
        if (problem->position > 0)
            //: %1 is what is wrong with the formula; %2 is where, counting its characters
            error(fill(translate("Console", "la formula non si legge: %1 (al carattere %2)"),
                { problem->message, std::to_string(problem->position) }));
        else
            //: %1 is what is wrong with the formula
            error(fill(translate("Console", "la formula non si legge: %1"), { problem->message }));
        return;
    }
    const Page* page = m_machine.notebook().currentPage();
    const Page empty;
    const HypothesisCheck check
        = quorvel::checkHypothesis(std::get<Formula>(read), page ? *page : empty);
    const std::string agreeing = std::to_string(check.agreeing),
                      total = std::to_string(check.trials.size());
    m_out << "ipotesi: "
          << (check.agreeing == 1
                     //: %1 is 1: one trial agrees with the formula; %2 how many trials there are
                     ? fill(translate("Console", "vale per %1 prova su %2"), { agreeing, total })
                     //: %1 is how many trials agree with the formula, %2 how many there are
                     : fill(translate("Console", "vale per %1 prove su %2"), { agreeing, total }))
          << '\n';
    if (!check.machineCannot.empty())
        m_out << "ipotesi: " << machineCannotCalculate(check.machineCannot) << '\n';
    for (const TrialCheck& c : check.trials) {
        if (c.agrees)
            continue;
        const Trial& t = page->trials[static_cast<std::size_t>(c.trial - 1)];
        //: %1 is the trial's number, %2 the formula's value, %3 the machine's output
        m_out << "ipotesi: "
              << fill(translate("Console", "prova %1: la formula dà %2, la macchina %3"),
                     { std::to_string(c.trial), c.value ? shown(*c.value) : "????", t.output })
              << '\n';
    }
}

// A command line replaces a file it is told to write without asking, as any does; the pupil
// is told that a file was there.
void ConsoleNotebook::exportTo(const std::string& path)
{
    std::error_code ignored;
    const bool replacing = std::filesystem::exists(pathFromUtf8(path), ignored);
    if (const std::error_code problem
        = replaceFile(pathFromUtf8(path), notebookCsv(m_machine.notebook())))
        //: %1 is the file; %2 is why, such as "il disco è pieno"
        error(fill(translate("Console", "il quaderno non è stato esportato in «%1»: %2"),
            { path, reasonFor(problem) }));
    else if (replacing)
        //: after "esportato: PATH": the file that was there was replaced
        m_out << "esportato: " << path << ' ' << translate("Console", "(sostituito)") << '\n';
    else
        m_out << "esportato: " << path << '\n';
}

void ConsoleNotebook::reveal()
{
    const Machine::Reveal reveal = m_machine.revealRule();
    switch (reveal.result) {
    case Machine::Reveal::Result::Told:
        m_out << "regola: " << reveal.text << '\n';
        break;
    case Machine::Reveal::Result::NotYet:
        m_out << "messaggio: " << reveal.text << '\n';
        break;
    case Machine::Reveal::Result::NoRule:
        error(translate("Console", "non c'è ancora una regola da rivelare: scegli un livello"));
        break;
    }
}

void ConsoleNotebook::error(const std::string& text)
{
    m_out << "errore: " << text << '\n';
}

} // namespace quorvel
