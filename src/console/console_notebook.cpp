#include "console/console_notebook.h"

#include "core/app/machine.h"
#include "core/notebook/formula.h"
#include "core/notebook/notebook_csv.h"
#include "core/notebook/rule_descriptions.h"
#include "core/storage/file_replace.h"

#include <ostream>

namespace quorvel {

bool ConsoleNotebook::run(const std::string& word, const std::string& rest)
{
    if (word == "prevedi" && !rest.empty())
        m_machine.notebook().setPrediction(rest);
    else if (word == "quaderno" && rest.empty())
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
        m_out << "esito: " << (outcome.right ? "giusta" : "sbagliata") << '\n';
    if (outcome.discovery)
        m_out << "scoperta: Hai scoperto la regola!\n";
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
        m_out << "quaderno: ancora nessuna pagina: scegli un livello\n";
        return;
    }
    m_out << "quaderno: pagina " << page->number << ", livello " << page->level.number() << ", "
          << page->trials.size() << " prove\n";
    for (const Trial& t : page->trials) {
        m_out << "prova " << t.number << ": primo " << shown(t.a) << "; secondo " << shown(t.b)
              << "; uscita " << t.output;
        if (t.prediction) {
            const std::optional<double> predicted = readPupilNumber(*t.prediction);
            m_out << "; previsione " << (predicted ? shown(*predicted) : *t.prediction) << "; "
                  << (t.predictionRight ? "giusta" : "sbagliata");
        }
        m_out << '\n';
    }
}

void ConsoleNotebook::checkHypothesis(const std::string& text)
{
    auto read = Formula::read(text);
    if (const auto* problem = std::get_if<FormulaError>(&read)) {
        error("la formula non si legge: " + problem->message
            + (problem->position > 0 ? " (al carattere " + std::to_string(problem->position) + ")"
                                     : ""));
        return;
    }
    const Page* page = m_machine.notebook().currentPage();
    const Page empty;
    const HypothesisCheck check
        = quorvel::checkHypothesis(std::get<Formula>(read), page ? *page : empty);
    m_out << "ipotesi: vale per " << check.agreeing << " prove su " << check.trials.size() << '\n';
    for (const TrialCheck& c : check.trials) {
        if (c.agrees)
            continue;
        const Trial& t = page->trials[static_cast<std::size_t>(c.trial - 1)];
        m_out << "ipotesi: prova " << c.trial << ": la formula dà "
              << (c.value ? shown(*c.value) : "????") << ", la macchina " << t.output << '\n';
    }
}

void ConsoleNotebook::exportTo(const std::string& path)
{
    if (const std::error_code problem
        = replaceFile(pathFromUtf8(path), notebookCsv(m_machine.notebook())))
        error("il quaderno non è stato esportato in «" + path + "»: " + reasonFor(problem));
    else
        m_out << "esportato: " << path << '\n';
}

void ConsoleNotebook::reveal()
{
    const std::optional<std::string> rule = m_machine.revealRule();
    if (rule)
        m_out << "regola: " << *rule << '\n';
    else
        error("non c'è ancora una regola da rivelare: scegli un livello");
}

void ConsoleNotebook::error(const std::string& text)
{
    m_out << "errore: " << text << '\n';
}

} // namespace quorvel
