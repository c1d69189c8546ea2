// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/notebook/notebook_plot.h"

#include "core/notebook/notebook.h"
#include "core/notebook/notebook_words.h"
#include "core/values/number_text.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

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

constexpr double margin = 4; // around the whole plot
constexpr double gap = 4; // between a number and its axis, a title and the numbers
constexpr double markerSize = 9; // a point's diameter

// A round number near x: the least of 1, 2, 5 and 10 times a power of ten not below it
// (ceiling), or the nearest of them.
double roundNumber(double x, bool ceiling)
{
    const double power = std::pow(10.0, std::floor(std::log10(x)));
    const double q = x / power;
    if (ceiling)
        return (q <= 1 ? 1 : q <= 2 ? 2 : q <= 5 ? 5 : 10) * power;
    return (q < 1.5 ? 1 : q < 3 ? 2 : q < 7 ? 5 : 10) * power;
}

// The values' number as the axis writes it: the display's separator, no groups of thousands.
QString axisNumber(double value, char separator)
{
    if (value == 0)
        value = 0; // never "-0"
    return QString::fromStdString(formatNumber(value, 10, separator));
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

// A point drawn again over itself adds nothing, and every point drawn costs the plot time. The
// plot shows the last `mostPoints` different points, which is more than a pupil can tell apart
// anyway.
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

// Every how many ticks a number is written, so that the numbers keep `room` apart.
int numberEvery(double pixelsPerTick, double room)
{
    if (pixelsPerTick <= 0)
        return 1;
    return std::max(1, static_cast<int>(std::ceil(room / pixelsPerTick - 1e-9)));
}

} // namespace

NotebookPlot::NotebookPlot(char decimalSeparator, QWidget* parent)
    : QWidget(parent)
    , m_separator(decimalSeparator)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    redraw();
}

QFont NotebookPlot::labelsFont() const
{
    return font();
}

QFont NotebookPlot::titleFont() const
{
    QFont f = font();
    f.setBold(true);
    return f;
}

QSize NotebookPlot::sizeHint() const
{
    return { 2 * naturalHeight, minimumHeight() };
}

void NotebookPlot::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        redraw();
}

// By how much the notebook's font is larger than the program's, the plot is taller: larger
// text needs a taller plot, or the axes have no room for their numbers, though not as much
// taller as the text, so that the table above keeps its rows.
void NotebookPlot::scaleText()
{
    const double k = static_cast<double>(QFontInfo(font()).pixelSize())
        / QFontInfo(QApplication::font()).pixelSize();
    setMinimumHeight(static_cast<int>(std::lround(naturalHeight * (1 + std::max(k - 1, 0.0) / 2))));
}

void NotebookPlot::setHighContrast(bool on)
{
    m_highContrast = on;
    update();
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
    const Points points = pointsOf(m_page, m_againstSecond);
    m_points = points.count;

    // Each axis from 0 (or below it) to a little past the largest value, in round steps.
    const auto fit = [](Axis& axis, double low, double high) {
        low = std::min(low, 0.0);
        high = std::max(high, low + 1);
        high += (high - low) * 0.08;
        const double step = roundNumber(roundNumber(high - low, true) / 4, false);
        const double first = std::floor(low / step), last = std::ceil(high / step);
        if (std::isfinite(step) && step > 0 && std::isfinite(first) && std::isfinite(last)
            && last - first <= 100) {
            axis.low = first * step, axis.high = last * step, axis.step = step;
            axis.ticks = static_cast<int>(last - first) + 1;
        } else { // values too far apart for round steps
            axis.low = low, axis.high = high, axis.step = high - low, axis.ticks = 2;
        }
    };
    m_x.title = QString::fromStdString(
        quantityName(m_againstSecond ? Quantity::Second : Quantity::First));
    m_y.title = QString::fromStdString(quantityName(Quantity::Output));
    fit(m_x, points.xLow, points.xHigh);
    fit(m_y, points.yLow, points.yHigh);

    //: the points whose first number is %1
    const QString colouredBy = m_againstSecond ? tr("primo %1")
                                               //: the points whose second number is %1
                                               : tr("secondo %1");
    m_series.clear();
    for (const auto& [key, list] : points.byColour) {
        const auto met = std::find(points.firstMet.begin(), points.firstMet.end(), key);
        const auto colour = static_cast<std::size_t>(std::isinf(key)
                ? colourCount - 1
                : std::distance(points.firstMet.begin(), met) % colourCount);
        m_series.push_back({ std::isinf(key)
                ? tr("altri")
                : colouredBy.arg(QString::fromStdString(formatNumber(key, 15, m_separator))),
            colours[colour], list });
    }
    scaleText();
    update();
}

NotebookPlot::Layout NotebookPlot::layOut(QSizeF size) const
{
    Layout layout;
    const QFontMetricsF labels(labelsFont()), titles(titleFont()), legend(QApplication::font());
    const auto tickValue = [](const Axis& axis, int i) { return axis.low + i * axis.step; };

    // The legend at the right, where its names do not take the height the axes need.
    double right = size.width() - margin;
    if (!m_series.empty()) {
        const double line = std::max(legend.height(), markerSize);
        double widest = 0;
        for (const Series& s : m_series)
            widest = std::max(widest, legend.horizontalAdvance(s.name));
        const double width = markerSize + gap + widest;
        const int fitting = std::min(static_cast<int>(m_series.size()),
            static_cast<int>((size.height() - 2 * margin) / line));
        layout.legend
            = QRectF(right - width, (size.height() - fitting * line) / 2, width, fitting * line);
        layout.legendLine = line;
        layout.legendNames = fitting;
        for (int i = 0; i < fitting; ++i)
            layout.texts.push_back({ QRectF(layout.legend.left() + markerSize + gap,
                                         layout.legend.top() + i * line, widest, line),
                m_series[static_cast<std::size_t>(i)].name, Text::Name });
        right = layout.legend.left() - 3 * gap;
    }

    double yNumbersWidth = 0, xNumbersWidth = 0;
    for (int i = 0; i < m_y.ticks; ++i)
        yNumbersWidth = std::max(
            yNumbersWidth, labels.horizontalAdvance(axisNumber(tickValue(m_y, i), m_separator)));
    for (int i = 0; i < m_x.ticks; ++i)
        xNumbersWidth = std::max(
            xNumbersWidth, labels.horizontalAdvance(axisNumber(tickValue(m_x, i), m_separator)));
    QRectF& area = layout.area;
    area.setLeft(margin + titles.height() + gap + yNumbersWidth + gap);
    area.setRight(right - xNumbersWidth / 2);
    area.setTop(margin + labels.height() / 2);
    area.setBottom(size.height() - margin - titles.height() - gap - labels.height() - gap);
    if (area.width() < 1 || area.height() < 1) {
        layout.texts.clear();
        return layout;
    }

    // The numbers, as many as have room; the grid at every step.
    const double dy = area.height() / (m_y.ticks - 1), dx = area.width() / (m_x.ticks - 1);
    const int yEvery = numberEvery(dy, labels.height());
    const int xEvery = numberEvery(dx, xNumbersWidth + 2 * gap);
    for (int i = 0; i < m_y.ticks; ++i) {
        const double y = area.bottom() - i * dy;
        layout.yGrid.push_back(y);
        if (i % yEvery == 0)
            layout.texts.push_back({ QRectF(area.left() - gap - yNumbersWidth,
                                         y - labels.height() / 2, yNumbersWidth, labels.height()),
                axisNumber(tickValue(m_y, i), m_separator) });
    }
    for (int i = 0; i < m_x.ticks; ++i) {
        const double x = area.left() + i * dx;
        layout.xGrid.push_back(x);
        if (i % xEvery == 0)
            layout.texts.push_back({ QRectF(x - xNumbersWidth / 2, area.bottom() + gap,
                                         xNumbersWidth, labels.height()),
                axisNumber(tickValue(m_x, i), m_separator) });
    }

    // The titles, when they have room along their axes.
    if (titles.horizontalAdvance(m_x.title) <= area.width())
        layout.texts.push_back({ QRectF(area.left(), size.height() - margin - titles.height(),
                                     area.width(), titles.height()),
            m_x.title, Text::Title });
    if (titles.horizontalAdvance(m_y.title) <= area.height())
        layout.texts.push_back({ QRectF(margin, area.top(), titles.height(), area.height()),
            m_y.title, Text::UprightTitle });
    return layout;
}

QStringList NotebookPlot::shownTexts() const
{
    QStringList texts;
    for (const Text& t : layOut(size()).texts)
        texts << t.text;
    return texts;
}

void NotebookPlot::paintEvent(QPaintEvent*)
{
    const Layout layout = layOut(size());
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = m_highContrast ? Qt::black : QColor("#404040");
    const QColor grid = m_highContrast ? QColor("#767676") : QColor("#E0E0E0");

    if (layout.area.isValid()) {
        const QRectF& area = layout.area;
        painter.setPen(QPen(grid, 1));
        for (const double x : layout.xGrid)
            painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        for (const double y : layout.yGrid)
            painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(QPen(m_highContrast ? ink : QColor("#8C8C8C"), m_highContrast ? 2 : 1));
        painter.drawLine(area.bottomLeft(), area.topLeft());
        painter.drawLine(area.bottomLeft(), area.bottomRight());

        const auto at = [&](QPointF p) {
            return QPointF(area.left() + (p.x() - m_x.low) / (m_x.high - m_x.low) * area.width(),
                area.bottom() - (p.y() - m_y.low) / (m_y.high - m_y.low) * area.height());
        };
        painter.save();
        painter.setClipRect(area.adjusted(-markerSize, -markerSize, markerSize, markerSize));
        for (const Series& s : m_series) {
            painter.setBrush(s.colour);
            painter.setPen(m_highContrast ? QPen(Qt::black, 1.5) : QPen(s.colour.darker(130), 1));
            for (const QPointF& p : s.points)
                painter.drawEllipse(at(p), markerSize / 2, markerSize / 2);
        }
        painter.restore();
    }

    // The legend's dots, beside their names.
    for (int i = 0; i < layout.legendNames; ++i) {
        const Series& s = m_series[static_cast<std::size_t>(i)];
        painter.setBrush(s.colour);
        painter.setPen(m_highContrast ? QPen(Qt::black, 1.5) : QPen(s.colour.darker(130), 1));
        painter.drawEllipse(QPointF(layout.legend.left() + markerSize / 2,
                                layout.legend.top() + (i + 0.5) * layout.legendLine),
            markerSize / 2, markerSize / 2);
    }

    painter.setPen(ink);
    for (const Text& t : layout.texts) {
        painter.setFont(t.kind == Text::Name ? QApplication::font()
                : t.kind == Text::Number     ? labelsFont()
                                             : titleFont());
        if (t.kind == Text::UprightTitle) {
            painter.save();
            painter.translate(t.box.center());
            painter.rotate(-90);
            painter.drawText(
                QRectF(-t.box.height() / 2, -t.box.width() / 2, t.box.height(), t.box.width()),
                Qt::AlignCenter, t.text);
            painter.restore();
        } else {
            painter.drawText(t.box,
                (t.kind == Text::Name ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter,
                t.text);
        }
    }
}

} // namespace quorvel
