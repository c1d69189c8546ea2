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

bool vertical(Side side)
{
    return side == Side::Above || side == Side::Below;
}

// The body with its tail on the edge towards the wizard: the balloon stands on `side` of him,
// so its tail leaves from the opposite edge, at `tailAt` along it.
QPainterPath balloonPath(QSize body, Side side, int tailAt, double scale)
{
    QPainterPath path;
    const qreal tailLength = tail * scale;
    const QPointF corner0(
        side == Side::Right ? tailLength : 0, side == Side::Below ? tailLength : 0);
    path.addRoundedRect(QRectF(corner0 + QPointF(0.5, 0.5), QSizeF(body) - QSizeF(1, 1)),
        corner * scale, corner * scale);
    const qreal halfWidth = 7 * scale;
    QPainterPath pointer;
    switch (side) {
    case Side::Right: // tail on the left edge
        pointer.moveTo(tailLength + 2, tailAt - halfWidth);
        pointer.lineTo(0.5, tailAt);
        pointer.lineTo(tailLength + 2, tailAt + halfWidth);
        break;
    case Side::Left: // tail on the right edge
        pointer.moveTo(body.width() - 2, tailAt - halfWidth);
        pointer.lineTo(body.width() + tailLength - 0.5, tailAt);
        pointer.lineTo(body.width() - 2, tailAt + halfWidth);
        break;
    case Side::Below: // tail on the top edge
        pointer.moveTo(tailAt - halfWidth, tailLength + 2);
        pointer.lineTo(tailAt, 0.5);
        pointer.lineTo(tailAt + halfWidth, tailLength + 2);
        break;
    case Side::Above: // tail on the bottom edge
        pointer.moveTo(tailAt - halfWidth, body.height() - 2);
        pointer.lineTo(tailAt, body.height() + tailLength - 0.5);
        pointer.lineTo(tailAt + halfWidth, body.height() - 2);
        break;
    }
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

void SpeechBalloon::setRoom(QSize room)
{
    if (room == m_room)
        return;
    m_room = room;
    setTextFont(m_font);
}

void SpeechBalloon::present(const QString& text)
{
    m_text = text;
    m_revealed = 0;
    // On a stage the balloon stands above or below the wizard, as wide as the stage, and keeps
    // to its height: a long sentence is written smaller rather than cut.
    const bool onStage = m_room.isValid();
    const int textWidth
        = onStage ? std::max(px(40), m_room.width() - 2 * px(padding)) : px(maxTextWidth);
    m_shrink = 1;
    QRect bounds;
    for (;;) {
        const QFontMetrics metrics(drawnFont());
        bounds = metrics.boundingRect(QRect(0, 0, textWidth, 100000), textFlags, m_text);
        bounds.setHeight(std::max(bounds.height(), metrics.height()));
        // A word longer than the stage is wide counts too: the balloon never leaves its stage.
        const bool fits = !onStage
            || (bounds.height() + 2 * px(padding) + px(tail) <= m_room.height() * 2 / 3
                && bounds.width() <= textWidth);
        if (fits || m_shrink < 0.45)
            break;
        m_shrink -= 0.1;
    }
    m_bodySize = QSize(std::max(std::min(bounds.width(), textWidth), px(40)) + 2 * px(padding),
        bounds.height() + 2 * px(padding));
    if (onStage) {
        m_side = vertical(m_side) ? m_side : Side::Below;
        setFixedSize(m_bodySize.width(), m_bodySize.height() + px(tail));
    } else {
        m_side = vertical(m_side) ? Side::Right : m_side;
        setFixedSize(m_bodySize.width() + px(tail), m_bodySize.height());
    }
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

void SpeechBalloon::placeAt(QPoint topLeft, Side side, QPoint mouth)
{
    if (vertical(side) != m_room.isValid())
        side = m_room.isValid() ? Side::Below : Side::Right; // the orientation it was sized for
    const int margin = px(corner + 4);
    const int tailAt = vertical(side)
        ? std::clamp(mouth.x() - topLeft.x(), margin, std::max(margin, width() - margin))
        : std::clamp(mouth.y() - topLeft.y(), margin, std::max(margin, height() - margin));
    const bool reshaped = tailAt != m_tailAt || side != m_side;
    m_tailAt = tailAt;
    m_side = side;
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
        font.setPointSizeF(m_font.pointSizeF() * m_scale * m_shrink);
    else
        font.setPixelSize(std::max(1, px(m_font.pixelSize() * m_shrink)));
    return font;
}

QRect SpeechBalloon::textArea() const
{
    const int left = m_side == Side::Right ? px(tail) : 0;
    const int top = m_side == Side::Below ? px(tail) : 0;
    return QRect(left + px(padding), top + px(padding), m_bodySize.width() - 2 * px(padding),
        m_bodySize.height() - 2 * px(padding));
}

void SpeechBalloon::reshape()
{
    if (!platformShapesWindows())
        return;
    const QPainterPath path = balloonPath(m_bodySize, m_side, m_tailAt, m_scale);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void SpeechBalloon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1.2 * m_scale));
    painter.setBrush(paper);
    painter.drawPath(balloonPath(m_bodySize, m_side, m_tailAt, m_scale));
    painter.setFont(drawnFont());
    painter.setPen(ink);
    painter.drawText(textArea(), textFlags, shownText());
}

} // namespace quorvel
