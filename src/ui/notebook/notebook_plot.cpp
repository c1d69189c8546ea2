// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/notebook/notebook_plot.h"

#include "core/notebook/notebook.h"
#include "core/notebook/notebook_words.h"
#include "core/values/number_text.h"

#include <QApplication>
#include <QChart>
#include <QLegendMarker>
#include <QLocale>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

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
    // With the numbers localized, a format without its precision writes no label at all.
    axis->setLabelFormat("%.10g");
    axis->applyNiceNumbers();
}

// The page's outputs as points, grouped by the input that colours them; "????" has no place.
struct Points
{
    std::map<double, QList<QPointF>> byColour;
    // The values in the order the page first met them: each keeps its colour from one
    // experiment to the next, whatever values come after it.
    std::vector<double> firstMet;
    double xLow = 0, xHigh = 1, yLow = 0, yHigh = 1;
    int count = 0;
};

// A point drawn again over itself adds nothing, and every point drawn is a marker of its own
// that costs the plot time: a page of 100 000 trials took minutes. The plot shows the last
// `mostPoints` different points, which is more than a pupil can tell apart anyway.
constexpr std::size_t mostPoints = 1000;

struct Point
{
    double x, y, colour;
    auto operator<=>(const Point&) const = default;
};

// The last different points of the page, in the order their trials were made.
std::vector<Point> lastPoints(const Page& page, bool againstSecond)
{
    std::vector<Point> points;
    std::set<Point> seen;
    for (auto t = page.trials.rbegin(); t != page.trials.rend() && points.size() < mostPoints;
         ++t) {
        const auto y = readShownNumber(t->output);
        if (!y || !std::isfinite(t->a) || !std::isfinite(t->b))
            continue;
        const Point p { againstSecond ? t->b : t->a, *y, againstSecond ? t->a : t->b };
        if (seen.insert(p).second)
            points.push_back(p);
    }
    std::reverse(points.begin(), points.end());
    return points;
}

// The values that have a colour of their own: the first ones the page met, so that each keeps
// its colour from one experiment to the next, whatever values come after it, and however many
// trials later the points drawn begin.
std::vector<double> firstValues(const Page& page, bool againstSecond)
{
    std::vector<double> values;
    for (auto t = page.trials.begin();
         t != page.trials.end() && static_cast<int>(values.size()) < colourCount - 1; ++t) {
        const double value = againstSecond ? t->a : t->b;
        if (readShownNumber(t->output) && std::isfinite(t->a) && std::isfinite(t->b)
            && std::find(values.begin(), values.end(), value) == values.end())
            values.push_back(value);
    }
    return values;
}

Points pointsOf(const Page* page, bool againstSecond)
{
    Points p;
    if (!page)
        return p;
    p.firstMet = firstValues(*page, againstSecond);
    for (const Point& point : lastPoints(*page, againstSecond)) {
        // The last colour gathers the values beyond the others.
        const bool own
            = std::find(p.firstMet.begin(), p.firstMet.end(), point.colour) != p.firstMet.end();
        p.byColour[own ? point.colour : HUGE_VAL].append(QPointF(point.x, point.y));
        p.xLow = std::min(p.xLow, point.x), p.xHigh = std::max(p.xHigh, point.x);
        p.yLow = std::min(p.yLow, point.y), p.yHigh = std::max(p.yHigh, point.y);
        ++p.count;
    }
    return p;
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
    m_legendFont = chart()->legend()->font();
    // The axes write their numbers with the display's separator, and without the groups of
    // thousands a pupil never sees on the machine.
    QLocale numbers = decimalSeparator == ',' ? QLocale(QLocale::Italian) : QLocale::c();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    chart()->setLocale(numbers);
    chart()->setLocalizeNumbers(true);
    redraw();
}

void NotebookPlot::changeEvent(QEvent* event)
{
    QChartView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        redraw();
}

// By how much the notebook's font is larger than the program's, the axes' text is larger than
// its usual font: the same plot as ever at the usual size.
void NotebookPlot::scaleText()
{
    const double k = static_cast<double>(QFontInfo(font()).pixelSize())
        / QFontInfo(QApplication::font()).pixelSize();
    const auto scaled = [k](QFont f) {
        if (f.pointSizeF() > 0)
            f.setPointSizeF(f.pointSizeF() * k);
        else
            f.setPixelSize(static_cast<int>(std::lround(f.pixelSize() * k)));
        return f;
    };
    for (QAbstractAxis* axis : chart()->axes()) {
        axis->setLabelsFont(scaled(axis->labelsFont()));
        axis->setTitleFont(scaled(axis->titleFont()));
    }
    // The legend keeps its usual size, at the right, where its names do not take the height
    // the axes need: its colours are read at a glance, the numbers are what is read closely.
    chart()->legend()->setFont(m_legendFont);
    // Larger text needs a taller plot, or the axes shorten their numbers to "...", though not
    // as much taller as the text, so that the table above keeps its rows.
    setMinimumHeight(static_cast<int>(std::lround(naturalHeight * (1 + std::max(k - 1, 0.0) / 2))));
}

void NotebookPlot::setHighContrast(bool on)
{
    chart()->setTheme(on ? QChart::ChartThemeHighContrast : QChart::ChartThemeLight);
    chart()->setBackgroundRoundness(0);
    m_legendFont = chart()->legend()->font();
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
    // Removed axes are the caller's: without the delete, every new trial kept two axes more.
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    const Points points = pointsOf(m_page, m_againstSecond);
    m_points = points.count;

    auto* xAxis = new QValueAxis;
    auto* yAxis = new QValueAxis;
    xAxis->setTitleText(
        QString::fromStdString(quantityName(m_againstSecond ? Quantity::Second : Quantity::First)));
    yAxis->setTitleText(QString::fromStdString(quantityName(Quantity::Output)));
    fit(xAxis, points.xLow, points.xHigh);
    fit(yAxis, points.yLow, points.yHigh);
    c->addAxis(xAxis, Qt::AlignBottom);
    c->addAxis(yAxis, Qt::AlignLeft);
    //: the points whose first number is %1
    const QString colouredBy = m_againstSecond ? tr("primo %1")
                                               //: the points whose second number is %1
                                               : tr("secondo %1");
    for (const auto& [key, list] : points.byColour) {
        const auto met = std::find(points.firstMet.begin(), points.firstMet.end(), key);
        const auto colour = static_cast<std::size_t>(std::isinf(key)
                ? colourCount - 1
                : std::distance(points.firstMet.begin(), met) % colourCount);
        auto* series = new QScatterSeries;
        series->setMarkerSize(9);
        series->append(list);
        series->setName(std::isinf(key)
                ? tr("altri")
                : colouredBy.arg(QString::number(key).replace('.', m_separator)));
        series->setColor(colours[colour]);
        c->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }
    c->legend()->setVisible(!points.byColour.empty());
    scaleText();
}

} // namespace quorvel
