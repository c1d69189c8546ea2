// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a teacher finds on the printed notebook: whose it is, the day, and for each page its
// level, its state, its plot, the predictions marked and the rule once told.
#include "ui/notebook/notebook_print.h"

#include "core/notebook/notebook.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quorvel {
namespace {

Trial trial(int number, double a, double b, std::string output,
    std::optional<std::string> prediction = {}, bool right = false)
{
    Trial t;
    t.number = number;
    t.a = a;
    t.b = b;
    t.output = std::move(output);
    t.prediction = std::move(prediction);
    t.predictionRight = right;
    return t;
}

Notebook threePages()
{
    Page found;
    found.number = 1;
    found.level = Level::number(1);
    found.trials
        = { trial(1, 3, 4, "7"), trial(2, 2, 5, "7", "8", false), trial(3, 1, 1, "2", "2", true) };
    found.discovered = true;
    found.rule = "somma i due numeri";
    Page revealed;
    revealed.number = 2;
    revealed.level = Level::number(3);
    revealed.trials = { trial(1, 2.5, 2, "5") };
    revealed.revealed = true;
    revealed.rule = "moltiplica i due numeri";
    Page open;
    open.number = 3;
    open.level = Level::number(2);
    Notebook notebook;
    notebook.restore({ found, revealed, open });
    return notebook;
}

TEST(NotebookPrint, CarriesWhatATeacherMarks)
{
    const QString html = notebookHtml(threePages(), { "Anna", "2026-12-07" }, ',');
    for (const char* expected :
        { "Nome: Anna · Data: 7 dicembre 2026", "Meccanismo 1 · livello 1 · scoperta",
            "La regola: somma i due numeri", "Meccanismo 2 · livello 3 · rivelata",
            "La regola: moltiplica i due numeri", "Meccanismo 3 · livello 2</h2>", "Nessuna prova.",
            "8 (sbagliata)", "2 (giusta)", "<td>2,5</td>", "src='plot:1'", "src='plot:2'" })
        EXPECT_TRUE(html.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_FALSE(html.contains("plot:3")) << "a page without trials has no plot";
    EXPECT_EQ(html.count("page-break-before: always"), 2) << "each page on a sheet of its own";
}

TEST(NotebookPrint, TheGuestAndARuleNotYetToldAreNamedRightly)
{
    Notebook notebook = threePages();
    std::vector<Page> pages = notebook.pages();
    pages[0].discovered = false; // a rule noted but the page still open stays hidden
    notebook.restore(pages);
    const QString html = notebookHtml(notebook, { {}, "2026-01-02" }, '.');
    EXPECT_TRUE(html.contains(QString::fromUtf8("Nome: Ospite · Data: 2 gennaio 2026")));
    EXPECT_FALSE(html.contains("somma i due numeri"));
    EXPECT_TRUE(html.contains("<td>2.5</td>"));
}

TEST(NotebookPrint, ThePdfHasASheetPerPageAndAPlotOnEachPageTried)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("quaderno.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printNotebook(threePages(), { "Anna", "2026-12-07" }, ',', printer);
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 3);
    EXPECT_EQ(bytes.count("/Subtype /Image"), 2);
}

} // namespace
} // namespace quorvel
