// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/notebook/notebook_print.h"

#include "core/app/dates.h"
#include "core/app/translation.h"
#include "core/collection/pupil_names.h"
#include "core/notebook/notebook.h"
#include "core/notebook/notebook_words.h"
#include "core/values/number_text.h"
#include "core/values/value.h"
#include "ui/notebook/notebook_plot.h"

#include <QApplication>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

namespace quorvel {
namespace {

// A page's plot as printed: wide enough to read, in the proportions of the panel's. It is drawn
// at `sharpness` times that size, its text as much larger, so that it stays sharp on paper.
constexpr QSize plotSize(600, 330);
constexpr int sharpness = 2;

QString cell(const QString& text, const char* tag = "td")
{
    return QString("<%1>%2</%1>").arg(tag, text.toHtmlEscaped());
}

QString shown(double number, char separator)
{
    return QString::fromStdString(formatNumber(number, 15, separator));
}

QString plotName(const Page& page)
{
    return QString("plot:%1").arg(page.number);
}

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

QString pageHtml(const Page& page, char separator, bool first)
{
    // Each page of the notebook on a sheet of its own, as a teacher marks them one by one.
    QString html = QString(first ? "<h2>" : "<h2 style='page-break-before: always'>")
        + qs(pageHeading(page)).toHtmlEscaped() + "</h2>";
    if ((page.discovered || page.revealed) && !page.rule.empty())
        html += "<p><b>" + qs(ruleLine(page.rule)).toHtmlEscaped() + "</b></p>";
    if (page.trials.empty())
        return html + "<p>" + QCoreApplication::translate("NotebookPrint", "Nessuna prova.")
            + "</p>";
    html += QString("<p><img src='%1' width='%2' height='%3'></p>")
                .arg(plotName(page))
                .arg(plotSize.width())
                .arg(plotSize.height());
    html += "<table border='1' cellspacing='0' cellpadding='4'><tr>";
    for (const NotebookColumn column : { NotebookColumn::Trial, NotebookColumn::First,
             NotebookColumn::Second, NotebookColumn::Output, NotebookColumn::Prediction })
        html += cell(qs(columnHeading(column)), "th");
    html += "</tr>";
    for (const Trial& t : page.trials) {
        QString prediction;
        if (t.prediction)
            prediction = qs(*t.prediction) + " (" + qs(outcomeWord(t.predictionRight)) + ")";
        html += "<tr>" + cell(QString::number(t.number)) + cell(shown(t.a, separator))
            + cell(shown(t.b, separator)) + cell(qs(t.output)) + cell(prediction) + "</tr>";
    }
    return html + "</table>";
}

QString ownerHtml(const NotebookOwner& owner)
{
    const QString name = owner.name.isEmpty() ? qs(shownGuestName()) : owner.name;
    //: %1 is the pupil's name, %2 the day the notebook was printed
    return "<p>"
        + QCoreApplication::translate("NotebookPrint", "Nome: %1 · Data: %2")
              .arg(name, qs(writtenDate(owner.day)))
              .toHtmlEscaped()
        + "</p>";
}

} // namespace

QString notebookHtml(const Notebook& notebook, const NotebookOwner& owner, char decimalSeparator)
{
    QString html = "<html><body><h1>"
        + QCoreApplication::translate("NotebookPrint", "Il mio quaderno di Quorvel").toHtmlEscaped()
        + "</h1>" + ownerHtml(owner);
    if (notebook.pages().empty())
        html += "<p>" + QCoreApplication::translate("NotebookPrint", "Il quaderno è ancora vuoto.")
            + "</p>";
    bool first = true;
    for (const Page& page : notebook.pages()) {
        html += pageHtml(page, decimalSeparator, first);
        first = false;
    }
    return html + "</body></html>";
}

void printNotebook(
    const Notebook& notebook, const NotebookOwner& owner, char decimalSeparator, QPrinter& printer)
{
    QTextDocument document;
    // Each plot drawn once, off the screen.
    NotebookPlot plot(decimalSeparator);
    plot.setAttribute(Qt::WA_DontShowOnScreen);
    QFont larger = QApplication::font();
    if (larger.pointSizeF() > 0)
        larger.setPointSizeF(larger.pointSizeF() * sharpness);
    else
        larger.setPixelSize(larger.pixelSize() * sharpness);
    plot.setFont(larger);
    plot.resize(plotSize * sharpness);
    for (const Page& page : notebook.pages()) {
        if (page.trials.empty())
            continue;
        plot.showPage(&page);
        document.addResource(
            QTextDocument::ImageResource, QUrl(plotName(page)), plot.grab().toImage());
    }
    plot.showPage(nullptr);
    document.setHtml(notebookHtml(notebook, owner, decimalSeparator));
    document.print(&printer);
}

} // namespace quorvel
