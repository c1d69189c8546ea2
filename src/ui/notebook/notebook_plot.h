// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/modules/modules.h"

#include <QChartView>

namespace quorvel {

// The shape of the rule: the outputs of a page against the first input, one colour for each
// value of the second (or the other way round), so the pupil sees how the output grows. A page
// of very many trials shows its last few thousand different points.
class NotebookPlot : public QChartView, public PagePlot
{
    Q_OBJECT
public:
    explicit NotebookPlot(char decimalSeparator, QWidget* parent = nullptr);
    // The least height at the program's usual text size: enough for the axes' numbers.
    static constexpr int naturalHeight = 170;

    QWidget* widget() override { return this; }
    void showPage(const Page* page) override;
    // Outputs against the second input, coloured by the first.
    void setAgainstSecond(bool againstSecond) override;
    bool againstSecond() const { return m_againstSecond; }
    int pointCount() const override { return m_points; }
    void setHighContrast(bool on) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void redraw();
    // The plot's text grows with the notebook's, which large text makes larger than usual.
    void scaleText();

    const Page* m_page = nullptr;
    bool m_againstSecond = false;
    char m_separator;
    int m_points = 0;
    QFont m_legendFont; // the legend's usual font
};

} // namespace quorvel
