// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/notebook/notebook_words.h"

#include "core/app/translation.h"
#include "core/notebook/notebook.h"

#include <array>

namespace quorvel {
namespace {

std::string text(const char* source)
{
    return translate("NotebookWords", source);
}

} // namespace

std::string columnHeading(NotebookColumn column)
{
    static constexpr std::array<const char*, 9> headings = {
        QV_TRANSLATE_NOOP("NotebookWords", "Pagina"),
        QV_TRANSLATE_NOOP("NotebookWords", "Livello"),
        QV_TRANSLATE_NOOP("NotebookWords", "Prova"),
        QV_TRANSLATE_NOOP("NotebookWords", "Primo numero"),
        QV_TRANSLATE_NOOP("NotebookWords", "Secondo numero"),
        QV_TRANSLATE_NOOP("NotebookWords", "Uscita"),
        QV_TRANSLATE_NOOP("NotebookWords", "Previsione"),
        QV_TRANSLATE_NOOP("NotebookWords", "Esito"),
        //: the column telling whether the rule was discovered or revealed
        QV_TRANSLATE_NOOP("NotebookWords", "Scoperta"),
    };
    return text(headings[static_cast<std::size_t>(column)]);
}

std::string quantityName(Quantity quantity)
{
    switch (quantity) {
    case Quantity::First:
        return text(QV_TRANSLATE_NOOP("NotebookWords", "primo numero"));
    case Quantity::Second:
        return text(QV_TRANSLATE_NOOP("NotebookWords", "secondo numero"));
    case Quantity::Output:
        break;
    }
    return text(QV_TRANSLATE_NOOP("NotebookWords", "uscita"));
}

std::string discoveredWord()
{
    //: a rule the pupil found out
    return text(QV_TRANSLATE_NOOP("NotebookWords", "scoperta"));
}

std::string revealedWord()
{
    //: a rule that was shown to the pupil
    return text(QV_TRANSLATE_NOOP("NotebookWords", "rivelata"));
}

std::string outcomeWord(bool right)
{
    //: the outcome of a prediction
    return right ? text(QV_TRANSLATE_NOOP("NotebookWords", "giusta"))
                 : text(QV_TRANSLATE_NOOP("NotebookWords", "sbagliata"));
}

std::string pageHeading(const Page& page)
{
    //: %1 is the mechanism's name ("Meccanismo 3"), %2 the level's number
    std::string heading = fill(translate("NotebookWords", "%1 · livello %2"),
        { page.title(), std::to_string(page.level.number()) });
    if (page.discovered)
        heading += " · " + discoveredWord();
    else if (page.revealed)
        heading += " · " + revealedWord();
    return heading;
}

std::string ruleLine(const std::string& rule)
{
    //: %1 is the hidden rule, in words
    return fill(translate("NotebookWords", "La regola: %1"), { rule });
}

std::string levelHeading(int level)
{
    return fill(translate("NotebookWords", "Livello %1"), { std::to_string(level) });
}

std::string discoveryNews()
{
    return text(QV_TRANSLATE_NOOP("NotebookWords", "Hai scoperto la regola!"));
}

std::string ruleHeading()
{
    return text(QV_TRANSLATE_NOOP("NotebookWords", "Regola"));
}

} // namespace quorvel
