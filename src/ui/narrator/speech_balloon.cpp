// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/narrator/speech_balloon.h"

#include "ui/narrator/character_window.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

// At 100 %.
constexpr int maxTextWidth = 250;
constexpr int padding = 10;
constexpr int tail = 14;
constexpr int corner = 12;
const QColor paper(255, 253, 235);
const QColor ink(20, 20, 40);

constexpr int textFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

QPainterPath balloonPath(QSize body, bool tailOnLeft, int tailY, double scale)
{
    QPainterPath path;
    const qreal tailLength = tail * scale;
    const qreal left = tailOnLeft ? tailLength : 0;
    path.addRoundedRect(QRectF(left + 0.5, 0.5, body.width() - 1, body.height() - 1),
        corner * scale, corner * scale);
    QPainterPath pointer;
    const qreal edge = tailOnLeft ? left + 2 : body.width() - 2;
    const qreal tip = tailOnLeft ? 0.5 : body.width() + tailLength - 0.5;
    const qreal halfWidth = 7 * scale;
    pointer.moveTo(edge, tailY - halfWidth);
    pointer.lineTo(tip, tailY);
    pointer.lineTo(edge, tailY + halfWidth);
    pointer.closeSubpath();
    return path.united(pointer);
}

} // namespace

SpeechBalloon::SpeechBalloon(QWidget* parent)
    : QWidget(parent)
    , m_font(QStringLiteral("Arial"), 12)
{
    makeCompanionWindow(*this);
    setWindowTitle(QStringLiteral("Merlin"));
}

void SpeechBalloon::setTextFont(const QFont& font)
{
    m_font = font;
    const int revealed = m_revealed;
    present(m_text);
    setRevealed(revealed);
}

void SpeechBalloon::setScale(double scale)
{
    if (scale <= 0 || scale == m_scale)
        return;
    m_scale = scale;
    setTextFont(m_font);
}

int SpeechBalloon::px(double designPixels) const
{
    return static_cast<int>(std::lround(designPixels * m_scale));
}

void SpeechBalloon::present(const QString& text)
{
    m_text = text;
    m_revealed = 0;
    const QFontMetrics metrics(drawnFont());
    const QRect bounds
        = metrics.boundingRect(QRect(0, 0, px(maxTextWidth), 100000), textFlags, m_text);
    m_bodySize = QSize(std::max(bounds.width(), px(40)) + 2 * px(padding),
        std::max(bounds.height(), metrics.height()) + 2 * px(padding));
    setFixedSize(m_bodySize.width() + px(tail), m_bodySize.height());
    reshape();
    update();
}

void SpeechBalloon::setRevealed(int characters)
{
    characters = std::clamp(characters, 0, static_cast<int>(m_text.size()));
    if (characters == m_revealed)
        return;
    m_revealed = characters;
    update();
}

void SpeechBalloon::placeAt(QPoint topLeft, Side side, int mouthY)
{
    const bool tailOnLeft = side == Side::Right;
    const int tailY = std::clamp(
        mouthY - topLeft.y(), px(corner + 4), std::max(px(corner + 4), height() - px(corner + 4)));
    const bool reshaped = tailY != m_tailY || tailOnLeft != m_tailOnLeft;
    m_tailY = tailY;
    m_tailOnLeft = tailOnLeft;
    if (pos() != topLeft)
        move(topLeft);
    if (reshaped) {
        reshape();
        update();
    }
}

QFont SpeechBalloon::drawnFont() const
{
    QFont font = m_font;
    if (m_font.pointSizeF() > 0)
        font.setPointSizeF(m_font.pointSizeF() * m_scale);
    else
        font.setPixelSize(std::max(1, px(m_font.pixelSize())));
    return font;
}

QRect SpeechBalloon::textArea() const
{
    const int left = m_tailOnLeft ? px(tail) : 0;
    return QRect(left + px(padding), px(padding), m_bodySize.width() - 2 * px(padding),
        m_bodySize.height() - 2 * px(padding));
}

void SpeechBalloon::reshape()
{
    if (!platformShapesWindows())
        return;
    const QPainterPath path = balloonPath(m_bodySize, m_tailOnLeft, m_tailY, m_scale);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void SpeechBalloon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1.2 * m_scale));
    painter.setBrush(paper);
    painter.drawPath(balloonPath(m_bodySize, m_tailOnLeft, m_tailY, m_scale));
    painter.setFont(drawnFont());
    painter.setPen(ink);
    painter.drawText(textArea(), textFlags, shownText());
}

} // namespace quorvel
