// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/app/text_fit.h"

#include <QLabel>

namespace quorvel {

// The status line: its text in as many lines as it needs within its box, as large as
// the box allows up to its own font and never smaller than readable. The light ground covers
// the lines shown, and never less than one line's strip.
class StatusLabel : public QLabel
{
    Q_OBJECT
public:
    // The box's height and the one-line strip's height, in the layout's twips.
    StatusLabel(int boxTwips, int stripTwips, QWidget* parent);

    void setStatus(const QString& text);
    const WrappedText& fitted() const { return m_fitted; }
    // The room between the text and the box's sides.
    int margin() const;
    // The height of the one-line strip at the present scale.
    int strip() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void refit();

    int m_boxTwips;
    int m_stripTwips;
    WrappedText m_fitted;
};

} // namespace quorvel
