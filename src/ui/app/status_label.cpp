// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/status_label.h"

#include "ui/app/face_access.h"
#include "ui/app/scaled_layout.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace quorvel {

StatusLabel::StatusLabel(int boxTwips, int stripTwips, QWidget* parent)
    : QLabel(parent)
    , m_boxTwips(boxTwips)
    , m_stripTwips(stripTwips)
{
    setAutoFillBackground(false);
}

int StatusLabel::margin() const
{
    return std::max(2, height() / 20);
}

int StatusLabel::strip() const
{
    const double scale = height() * ScaledLayout::twipsPerPixel / m_boxTwips;
    return static_cast<int>(std::lround(m_stripTwips / ScaledLayout::twipsPerPixel * scale));
}

void StatusLabel::setStatus(const QString& text)
{
    setText(text);
    refit();
    announceName(this);
}

void StatusLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    refit();
}

void StatusLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        refit();
}

// Worked out when the text, the size or the font change, never while painting.
void StatusLabel::refit()
{
    const QSize box = rect().adjusted(margin() * 2, margin(), -margin() * 2, -margin()).size();
    // Readable on a classroom screen: 10 pixels at 100 %, larger with the face.
    const double scale = height() * ScaledLayout::twipsPerPixel / m_boxTwips;
    const int readable = std::max(9, static_cast<int>(std::lround(10 * scale)));
    m_fitted = fitWrapped(text(), font(), box, std::min(readable, font().pixelSize()));
    setToolTip(m_fitted.complete ? QString() : text());
    update();
}

void StatusLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int ground
        = std::max(strip(), static_cast<int>(std::ceil(m_fitted.height)) + 2 * margin());
    p.fillRect(0, 0, width(), std::min(height(), ground), palette().color(QPalette::Window));
    QFont f = font();
    if (m_fitted.caption.pixelSize > 0) // not laid out yet: the font as it is
        f.setPixelSize(m_fitted.caption.pixelSize);
    p.setFont(f);
    p.setPen(palette().color(QPalette::WindowText));
    // One line sits in the middle of the strip, as a one-line label would.
    const QPointF corner(margin() * 2, std::max<double>(margin(), (strip() - m_fitted.height) / 2));
    for (qsizetype i = 0; i < m_fitted.caption.lines.size(); ++i)
        p.drawText(corner + m_fitted.caption.origins[i], m_fitted.caption.lines[i]);
}

} // namespace quorvel
