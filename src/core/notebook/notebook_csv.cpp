// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/notebook/notebook_csv.h"

#include "core/notebook/notebook.h"
#include "core/notebook/notebook_words.h"
#include "core/storage/csv_table.h"
#include "core/values/number_text.h"
#include "core/values/value.h"

#include <algorithm>

namespace quorvel {
namespace {

// A number written with the decimal comma: the display's own form, whatever separator the
// display used.
std::string withComma(std::string number)
{
    std::replace(number.begin(), number.end(), '.', ',');
    return number;
}

} // namespace

std::string notebookCsv(const Notebook& notebook)
{
    CsvTable table;
    std::vector<std::string> headings;
    for (const NotebookColumn column :
        { NotebookColumn::Page, NotebookColumn::Level, NotebookColumn::Trial, NotebookColumn::First,
            NotebookColumn::Second, NotebookColumn::Output, NotebookColumn::Prediction,
            NotebookColumn::Outcome, NotebookColumn::State })
        headings.push_back(columnHeading(column));
    table.addRow(headings);
    for (const Page& page : notebook.pages()) {
        const std::string state = page.discovered ? discoveredWord()
            : page.revealed                       ? revealedWord()
                                                  : "";
        for (const Trial& t : page.trials) {
            const std::string outcome = t.prediction ? outcomeWord(t.predictionRight) : "";
            table.addRow(
                { page.title(), std::to_string(page.level.number()), std::to_string(t.number),
                    withComma(formatNumber(t.a, 15, '.')), withComma(formatNumber(t.b, 15, '.')),
                    withComma(t.output), withComma(t.prediction.value_or("")), outcome, state });
        }
    }
    return table.text();
}

} // namespace quorvel
