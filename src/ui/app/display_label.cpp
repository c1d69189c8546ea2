// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/display_label.h"

#include "ui/app/face_access.h"
#include "ui/app/text_fit.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace quorvel {

DisplayLabel::DisplayLabel(
    const QString& text, QColor background, QColor textColour, QWidget* parent)
    : QLabel(text, parent)
    , m_ownBackground(background)
    , m_ownTextColour(textColour)
    , m_background(background)
    , m_textColour(textColour)
{
}

void DisplayLabel::showText(const QString& text)
{
    setText(text);
    refit();
    announceValue(this, text);
}

void DisplayLabel::setColours(QColor background, QColor textColour)
{
    m_background = background;
    m_textColour = textColour;
    update();
}

void DisplayLabel::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    update();
    announceSelection(this);
}

int DisplayLabel::readablePixelSize() const
{
    return std::max(12, font().pixelSize() * 2 / 5);
}

QRectF DisplayLabel::textWindow() const
{
    const QRectF area = textArea();
    return QRectF(area.left() + (area.width() - m_window) / 2, area.top(), m_window, area.height());
}

QRect DisplayLabel::textArea() const
{
    const int margin = frame() * 3;
    return rect().adjusted(margin, margin, -margin, -margin);
}

void DisplayLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    refit();
}

void DisplayLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        refit();
}

// Worked out when the text, the size or the font change, never while painting.
void DisplayLabel::refit()
{
    const int room = textArea().width();
    m_pixelSize = fittedPixelSize(font(), text(), room, readablePixelSize());
    QFont f = font();
    if (m_pixelSize > 0)
        f.setPixelSize(m_pixelSize);
    const QFontMetricsF metrics(f);
    m_textWidth = metrics.horizontalAdvance(text());
    m_digitWidth = std::max(1.0, metrics.horizontalAdvance(QLatin1Char('0')));
    // A scrolling number shows whole digits only: its window is a whole number of digits wide.
    m_window = m_textWidth <= room ? room
                                   : std::max(1.0, std::floor(room / m_digitWidth)) * m_digitWidth;
    m_hidden = std::max(0.0, m_textWidth - m_window);
    m_back = 0;
    update();
}

void DisplayLabel::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    update();
}

void DisplayLabel::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    update();
}

void DisplayLabel::scrollBack(double pixels)
{
    const double back = std::clamp(m_back + pixels, 0.0, m_hidden);
    if (back != m_back) {
        m_back = back;
        update();
    }
}

void DisplayLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const double x = event->position().x();
    m_dragFrom = x;
    m_dragging = true;
    // The arrows in the margins bring the start or the end into view.
    if (m_hidden > 0 && x < textWindow().left())
        scrollBack(m_hidden);
    else if (m_hidden > 0 && x > textWindow().right())
        scrollBack(-m_hidden);
    emit clicked();
}

void DisplayLabel::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || !m_dragging)
        return;
    const double x = event->position().x();
    scrollBack(x - m_dragFrom); // the digits follow the hand
    m_dragFrom = x;
}

// Let go, the number settles on whole digits at the window's edges.
void DisplayLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    const double whole = std::round(m_back / m_digitWidth) * m_digitWidth;
    scrollBack((m_back == m_hidden ? m_hidden : whole) - m_back);
}

void DisplayLabel::wheelEvent(QWheelEvent* event)
{
    const QPoint turn = event->angleDelta();
    const int notches = (turn.y() != 0 ? turn.y() : turn.x()) / 120;
    if (m_hidden == 0 || notches == 0)
        return QLabel::wheelEvent(event);
    // A notch scrolls by one digit; turning away from oneself goes back towards the start.
    scrollBack(notches * m_digitWidth);
    event->accept();
}

void DisplayLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), m_background);
    if (m_selected || hasFocus()) { // the output has the focus only with a screen reader
        p.setPen(QPen(QColor("#FFD800"), frame() * 2));
        p.drawRect(rect().adjusted(frame(), frame(), -frame(), -frame()));
    }
    const QRect area = textArea();
    QFont f = font();
    if (m_pixelSize > 0) // not laid out yet: the font as it is
        f.setPixelSize(m_pixelSize);
    p.setFont(f);
    p.setPen(m_textColour);
    if (m_hidden == 0) {
        p.drawText(area, Qt::AlignCenter, text());
        return;
    }
    const QRectF window = textWindow();
    p.save();
    p.setClipRect(window);
    const QRectF line(
        window.right() - m_textWidth + m_back, window.top(), m_textWidth, window.height());
    p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text());
    p.restore();
    // An arrow beside the window on each side that hides digits.
    const double tip = frame() * 2;
    const double mid = window.center().y();
    p.setPen(Qt::NoPen);
    p.setBrush(m_textColour);
    if (m_back < m_hidden) {
        const double x = window.left() - frame() * 0.7;
        p.drawPolygon(
            QPolygonF({ { x - tip, mid }, { x, mid - tip * 1.4 }, { x, mid + tip * 1.4 } }));
    }
    if (m_back > 0) {
        const double x = window.right() + frame() * 0.7;
        p.drawPolygon(
            QPolygonF({ { x + tip, mid }, { x, mid - tip * 1.4 }, { x, mid + tip * 1.4 } }));
    }
}

} // namespace quorvel
