// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/notebook/notebook_csv.h"

#include "core/app/translation.h"
#include "core/notebook/notebook.h"
#include "core/values/number_text.h"
#include "core/values/value.h"

#include <algorithm>

namespace quorvel {
namespace {

// A field as the spreadsheet reads it: quoted when it holds a separator, a quote or a line
// end, and never taken for a formula.
std::string field(std::string text)
{
    if (!text.empty() && (text[0] == '=' || text[0] == '+' || text[0] == '@'))
        text.insert(0, "'");
    if (text.find_first_of(";\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

// A number written with the decimal comma: the display's own form, whatever separator the
// display used.
std::string withComma(std::string number)
{
    std::replace(number.begin(), number.end(), '.', ',');
    return number;
}

std::string row(std::initializer_list<std::string> fields)
{
    std::string line;
    for (const std::string& f : fields)
        line += (line.empty() ? "" : ";") + field(f);
    return line + "\r\n";
}

} // namespace

std::string notebookCsv(const Notebook& notebook)
{
    std::string csv = "\xEF\xBB\xBF";
    csv += row({ translate("NotebookCsv", "Pagina"), translate("NotebookCsv", "Livello"),
        translate("NotebookCsv", "Prova"), translate("NotebookCsv", "Primo numero"),
        translate("NotebookCsv", "Secondo numero"), translate("NotebookCsv", "Uscita"),
        translate("NotebookCsv", "Previsione"), translate("NotebookCsv", "Esito"),
        translate("NotebookCsv", "Scoperta") });
    //: The discovery column of a mechanism the pupil found out
    const std::string discovered = translate("NotebookCsv", "scoperta");
    //: The discovery column of a mechanism whose rule was shown
    const std::string revealed = translate("NotebookCsv", "rivelata");
    //: The outcome of a prediction
    const std::string right = translate("NotebookCsv", "giusta");
    //: The outcome of a prediction
    const std::string wrong = translate("NotebookCsv", "sbagliata");
    for (const Page& page : notebook.pages()) {
        const std::string state = page.discovered ? discovered : page.revealed ? revealed : "";
        for (const Trial& t : page.trials) {
            const std::string outcome = !t.prediction ? "" : t.predictionRight ? right : wrong;
            csv += row(
                { page.title(), std::to_string(page.level.number()), std::to_string(t.number),
                    withComma(formatNumber(t.a, 15, '.')), withComma(formatNumber(t.b, 15, '.')),
                    withComma(t.output), withComma(t.prediction.value_or("")), outcome, state });
        }
    }
    return csv;
}

} // namespace quorvel
