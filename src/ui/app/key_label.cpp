// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/key_label.h"

#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace quorvel {

KeyLabel::KeyLabel(const QString& caption, QColor background, QColor text, QWidget* parent)
    : QLabel(caption, parent)
    , m_ownBackground(background)
    , m_ownText(text)
    , m_background(background)
    , m_text(text)
{
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setPressedLook(false);
}

void KeyLabel::setPressedLook(bool pressed)
{
    m_pressed = pressed;
    update();
}

void KeyLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = std::min(width(), height()) / 6.0;
    p.setBrush(m_pressed ? m_background.lighter(170) : m_background);
    if (m_pressed)
        p.setPen(QPen(QColor("#FFFF80"), 2));
    else
        p.setPen(m_outlineColour.isValid() ? QPen(m_outlineColour, 2)
                                           : QPen(QColor(255, 255, 255, 90), 1));
    p.drawRoundedRect(r, radius, radius);

    QFont f = font();
    if (m_caption.lines.isEmpty()) { // not laid out yet: the caption at its own size
        p.setPen(m_text);
        p.drawText(rect(), Qt::AlignCenter, text());
        return;
    }
    f.setPixelSize(m_caption.pixelSize);
    p.setFont(f);
    p.setPen(m_text);
    const QPointF sunk = m_pressed ? QPointF(1, 1) : QPointF();
    for (qsizetype i = 0; i < m_caption.lines.size(); ++i)
        p.drawText(m_caption.origins[i] + sunk, m_caption.lines[i]);
}

double KeyLabel::captionMargin() const
{
    return std::max(2.0, height() / 10.0);
}

void KeyLabel::fitCaptions(const QList<KeyLabel*>& keys)
{
    QHash<QString, FittedCaption> fitted;
    for (KeyLabel* key : keys) {
        const QString alike = QString("%1|%2x%3|%4")
                                  .arg(key->text())
                                  .arg(key->width())
                                  .arg(key->height())
                                  .arg(key->font().key());
        auto found = fitted.find(alike);
        if (found == fitted.end())
            found = fitted.insert(
                alike, fitCaption(key->text(), key->font(), key->size(), key->captionMargin()));
        if (key->m_caption != *found) {
            key->m_caption = *found;
            key->update();
        }
    }
}

void KeyLabel::flash()
{
    setPressedLook(true);
    QTimer::singleShot(120, this, [this] { setPressedLook(false); });
}

void KeyLabel::press()
{
    flash();
    emit clicked();
}

void KeyLabel::setColours(QColor background, QColor text, QColor frame)
{
    m_background = background;
    m_text = text;
    m_outlineColour = frame;
    update();
}

void KeyLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setPressedLook(true);
}

void KeyLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    setPressedLook(false);
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace quorvel
