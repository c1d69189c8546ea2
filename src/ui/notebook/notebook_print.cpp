// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/notebook/notebook_print.h"

#include "core/notebook/notebook.h"
#include "core/values/number_text.h"
#include "core/values/value.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QTextDocument>

namespace quorvel {
namespace {

QString text(const char* source)
{
    return QCoreApplication::translate("NotebookPrint", source);
}

QString cell(const QString& text, const char* tag = "td")
{
    return QString("<%1>%2</%1>").arg(tag, text.toHtmlEscaped());
}

QString shown(double number, char separator)
{
    return QString::fromStdString(formatNumber(number, 15, separator));
}

QString pageHtml(const Page& page, char separator)
{
    //: %1 is the mechanism's name, %2 the level's number
    const QString heading = page.discovered
        ? QCoreApplication::translate("NotebookPrint", "%1 · livello %2 · regola scoperta")
        : page.revealed
        ? QCoreApplication::translate("NotebookPrint", "%1 · livello %2 · regola rivelata")
        : QCoreApplication::translate("NotebookPrint", "%1 · livello %2");
    QString html = "<h2>"
        + heading.arg(QString::fromStdString(page.title()).toHtmlEscaped(),
            QString::number(page.level.number()))
        + "</h2>";
    if (page.trials.empty())
        return html + "<p>" + QCoreApplication::translate("NotebookPrint", "Nessuna prova.")
            + "</p>";
    html += "<table border='1' cellspacing='0' cellpadding='4'><tr>";
    for (const char* title : { QT_TRANSLATE_NOOP("NotebookPrint", "Prova"),
             QT_TRANSLATE_NOOP("NotebookPrint", "Primo numero"),
             QT_TRANSLATE_NOOP("NotebookPrint", "Secondo numero"),
             QT_TRANSLATE_NOOP("NotebookPrint", "Uscita"),
             QT_TRANSLATE_NOOP("NotebookPrint", "Previsione") })
        html += cell(text(title), "th");
    html += "</tr>";
    for (const Trial& t : page.trials) {
        QString prediction;
        if (t.prediction)
            //: %1 is the pupil's prediction
            prediction = (t.predictionRight
                    ? QCoreApplication::translate("NotebookPrint", "%1 (giusta)")
                    : QCoreApplication::translate("NotebookPrint", "%1 (sbagliata)"))
                             .arg(QString::fromStdString(*t.prediction));
        html += "<tr>" + cell(QString::number(t.number)) + cell(shown(t.a, separator))
            + cell(shown(t.b, separator)) + cell(QString::fromStdString(t.output))
            + cell(prediction) + "</tr>";
    }
    return html + "</table>";
}

} // namespace

QString notebookHtml(const Notebook& notebook, char decimalSeparator)
{
    QString html = "<html><body><h1>"
        + QCoreApplication::translate("NotebookPrint", "Il mio quaderno di Quorvel").toHtmlEscaped()
        + "</h1>";
    if (notebook.pages().empty())
        html += "<p>" + QCoreApplication::translate("NotebookPrint", "Il quaderno è ancora vuoto.")
            + "</p>";
    for (const Page& page : notebook.pages())
        html += pageHtml(page, decimalSeparator);
    return html + "</body></html>";
}

void printNotebook(const Notebook& notebook, char decimalSeparator, QPrinter& printer)
{
    QTextDocument document;
    document.setHtml(notebookHtml(notebook, decimalSeparator));
    document.print(&printer);
}

} // namespace quorvel
