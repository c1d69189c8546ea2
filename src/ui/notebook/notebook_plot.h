// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace quorvel {

struct Page;

// The shape of the rule: the outputs of a page against the first input, one colour for each
// value of the second (or the other way round), so the pupil sees how the output grows. A page
// of very many trials shows its last thousand different points. Drawn by the widget itself: a
// few axes and dots need no charting library, whose loading cost more memory than the whole
// notebook.
class NotebookPlot : public QWidget
{
    Q_OBJECT
public:
    explicit NotebookPlot(char decimalSeparator, QWidget* parent = nullptr);
    // The least height at the program's usual text size: enough for the axes' numbers.
    static constexpr int naturalHeight = 170;

    void showPage(const Page* page);
    // Outputs against the second input, coloured by the first.
    void setAgainstSecond(bool againstSecond);
    bool againstSecond() const { return m_againstSecond; }
    int pointCount() const { return m_points; }
    // Black and white with strong colours, for the high contrast.
    void setHighContrast(bool on);

    // What the plot shows, for the tests and the printed notebook: a series for each entry of
    // the legend, in its order.
    struct Series
    {
        QString name;
        QColor colour;
        QList<QPointF> points;
    };
    const std::vector<Series>& series() const { return m_series; }
    // The horizontal axis's title, then the vertical one's.
    QStringList axisTitles() const { return { m_x.title, m_y.title }; }
    // Every text drawn at the widget's present size, whole: the axes' numbers and titles and
    // the legend's names. A text without the room it needs is left out, never cut.
    QStringList shownTexts() const;
    // The axes' numbers and titles grow with the widget's font; the legend keeps the usual size.
    QFont labelsFont() const;
    QFont titleFont() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Axis
    {
        QString title;
        double low = 0, high = 1, step = 0.5;
        int ticks = 3;
    };
    struct Text
    {
        enum Kind { Number, Title, UprightTitle, Name }; // the upright one reads bottom up
        QRectF box;
        QString text;
        Kind kind = Number;
    };
    // Where everything goes at a size.
    struct Layout
    {
        QRectF area; // the points' own
        std::vector<Text> texts;
        std::vector<double> xGrid, yGrid; // in pixels
        double legendLine = 0; // the height of each of the legend's names
        int legendNames = 0; // as many as have room
        QRectF legend;
    };
    Layout layOut(QSizeF size) const;
    void redraw();
    // The plot's text grows with the notebook's, which large text makes larger than usual.
    void scaleText();

    const Page* m_page = nullptr;
    bool m_againstSecond = false;
    bool m_highContrast = false;
    char m_separator;
    int m_points = 0;
    Axis m_x, m_y;
    std::vector<Series> m_series;
};

} // namespace quorvel
