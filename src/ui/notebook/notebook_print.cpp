#include "ui/notebook/notebook_print.h"

#include "core/notebook/notebook.h"
#include "core/values/value.h"

#include <QPrinter>
#include <QTextDocument>

namespace quorvel {
namespace {

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
    QString html = "<h2>" + QString::fromStdString(page.title()).toHtmlEscaped()
        + QString(" · livello %1").arg(page.level.number());
    if (page.discovered)
        html += " · regola scoperta";
    else if (page.revealed)
        html += " · regola rivelata";
    html += "</h2>";
    if (page.trials.empty())
        return html + "<p>Nessuna prova.</p>";
    html += "<table border='1' cellspacing='0' cellpadding='4'><tr>";
    for (const char* title : { "Prova", "Primo numero", "Secondo numero", "Uscita", "Previsione" })
        html += cell(title, "th");
    html += "</tr>";
    for (const Trial& t : page.trials) {
        QString prediction;
        if (t.prediction)
            prediction = QString::fromStdString(*t.prediction)
                + (t.predictionRight ? " (giusta)" : " (sbagliata)");
        html += "<tr>" + cell(QString::number(t.number)) + cell(shown(t.a, separator))
            + cell(shown(t.b, separator)) + cell(QString::fromStdString(t.output))
            + cell(prediction) + "</tr>";
    }
    return html + "</table>";
}

} // namespace

QString notebookHtml(const Notebook& notebook, char decimalSeparator)
{
    QString html = "<html><body><h1>Il mio quaderno di Quorvel</h1>";
    if (notebook.pages().empty())
        html += "<p>Il quaderno è ancora vuoto.</p>";
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
