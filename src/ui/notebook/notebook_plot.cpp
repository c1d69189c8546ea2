#include "ui/notebook/notebook_plot.h"

#include "core/notebook/notebook.h"

#include <QChart>
#include <QLegendMarker>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <map>

namespace quorvel {
namespace {

// A few colours a pupil tells apart easily; further values share the last, "altri".
const QColor colours[] = { QColor("#1F77B4"), QColor("#D62728"), QColor("#2CA02C"),
    QColor("#FF7F0E"), QColor("#9467BD"), QColor("#8C564B") };
constexpr int colourCount = static_cast<int>(std::size(colours));

// The axis from 0 (or below it) to a little past the largest value, in whole steps.
void fit(QValueAxis* axis, double low, double high)
{
    low = std::min(low, 0.0);
    high = std::max(high, low + 1);
    axis->setRange(low, high + (high - low) * 0.08);
    axis->setLabelFormat("%g");
    axis->applyNiceNumbers();
}

} // namespace

NotebookPlot::NotebookPlot(char decimalSeparator, QWidget* parent)
    : QChartView(parent)
    , m_separator(decimalSeparator)
{
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->setAlignment(Qt::AlignRight);
    chart()->setMargins(QMargins(2, 2, 2, 2));
    chart()->setBackgroundRoundness(0);
    redraw();
}

void NotebookPlot::showPage(const Page* page)
{
    m_page = page;
    redraw();
}

void NotebookPlot::setAgainstSecond(bool againstSecond)
{
    m_againstSecond = againstSecond;
    redraw();
}

void NotebookPlot::redraw()
{
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes())
        c->removeAxis(axis);
    m_points = 0;

    // One series for each value of the input that colours the points, in increasing order.
    std::map<double, QScatterSeries*> series;
    double xLow = 0, xHigh = 1, yLow = 0, yHigh = 1;
    const QString colouredBy = m_againstSecond ? "primo" : "secondo";
    if (m_page) {
        for (const Trial& t : m_page->trials) {
            const auto y = readPupilNumber(t.output);
            if (!y || !std::isfinite(t.a) || !std::isfinite(t.b))
                continue; // "????" has no place on the plot
            const double x = m_againstSecond ? t.b : t.a;
            double key = m_againstSecond ? t.a : t.b;
            if (!series.count(key) && static_cast<int>(series.size()) == colourCount - 1)
                key = HUGE_VAL; // the last colour gathers the rest
            QScatterSeries*& s = series[key];
            if (!s) {
                s = new QScatterSeries;
                s->setMarkerSize(9);
            }
            s->append(x, *y);
            xLow = std::min(xLow, x), xHigh = std::max(xHigh, x);
            yLow = std::min(yLow, *y), yHigh = std::max(yHigh, *y);
            ++m_points;
        }
    }
    auto* xAxis = new QValueAxis;
    auto* yAxis = new QValueAxis;
    xAxis->setTitleText(m_againstSecond ? "secondo numero" : "primo numero");
    yAxis->setTitleText("uscita");
    fit(xAxis, xLow, xHigh);
    fit(yAxis, yLow, yHigh);
    c->addAxis(xAxis, Qt::AlignBottom);
    c->addAxis(yAxis, Qt::AlignLeft);
    int i = 0;
    for (auto& [key, s] : series) {
        s->setName(std::isinf(key)
                ? "altri"
                : colouredBy + " " + QString::number(key).replace('.', m_separator));
        s->setColor(colours[i++ % colourCount]);
        c->addSeries(s);
        s->attachAxis(xAxis);
        s->attachAxis(yAxis);
    }
    c->legend()->setVisible(!series.empty());
}

} // namespace quorvel
