#include "ui/narrator/speech_balloon.h"

#include "ui/narrator/character_window.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>

namespace quorvel {

namespace {

constexpr int maxTextWidth = 250;
constexpr int padding = 10;
constexpr int tail = 14;
constexpr int gap = 2;
constexpr qreal corner = 12;
const QColor paper(255, 253, 235);
const QColor ink(20, 20, 40);

constexpr int textFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

QPainterPath balloonPath(QSize body, bool tailOnLeft, int tailY)
{
    QPainterPath path;
    const qreal left = tailOnLeft ? tail : 0;
    path.addRoundedRect(
        QRectF(left + 0.5, 0.5, body.width() - 1, body.height() - 1), corner, corner);
    QPainterPath pointer;
    const qreal edge = tailOnLeft ? left + 2 : body.width() - 2;
    const qreal tip = tailOnLeft ? 0.5 : body.width() + tail - 0.5;
    pointer.moveTo(edge, tailY - 7);
    pointer.lineTo(tip, tailY);
    pointer.lineTo(edge, tailY + 7);
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

void SpeechBalloon::present(const QString& text)
{
    m_text = text;
    m_revealed = 0;
    const QFontMetrics metrics(m_font);
    const QRect bounds = metrics.boundingRect(QRect(0, 0, maxTextWidth, 10000), textFlags, m_text);
    m_bodySize = QSize(std::max(bounds.width(), 40) + 2 * padding,
        std::max(bounds.height(), metrics.height()) + 2 * padding);
    setFixedSize(m_bodySize.width() + tail, m_bodySize.height());
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

void SpeechBalloon::placeBeside(const QRect& character, const QPoint& mouth)
{
    const QScreen* screen = QGuiApplication::screenAt(character.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 15, 1 << 15);

    const bool tailOnLeft = character.right() + gap + width() <= room.right()
        || character.left() - gap - width() < room.left();
    const int x = tailOnLeft ? character.right() + 1 + gap : character.left() - gap - width();
    const int highest = room.top();
    const int lowest = std::max(highest, room.bottom() + 1 - height());
    const int y = std::clamp(mouth.y() - height() / 3, highest, lowest);
    const int tailY = std::clamp(
        mouth.y() - y, static_cast<int>(corner) + 4, height() - static_cast<int>(corner) - 4);
    const bool reshaped = tailY != m_tailY || tailOnLeft != m_tailOnLeft;
    m_tailY = tailY;
    m_tailOnLeft = tailOnLeft;
    if (pos() != QPoint(x, y))
        move(x, y);
    if (reshaped)
        reshape();
}

QRect SpeechBalloon::textArea() const
{
    const int left = m_tailOnLeft ? tail : 0;
    return QRect(left + padding, padding, m_bodySize.width() - 2 * padding,
        m_bodySize.height() - 2 * padding);
}

void SpeechBalloon::reshape()
{
    if (!platformShapesWindows())
        return;
    const QPainterPath path = balloonPath(m_bodySize, m_tailOnLeft, m_tailY);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void SpeechBalloon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1.2));
    painter.setBrush(paper);
    painter.drawPath(balloonPath(m_bodySize, m_tailOnLeft, m_tailY));
    painter.setFont(m_font);
    painter.setPen(ink);
    painter.drawText(textArea(), textFlags, shownText());
}

} // namespace quorvel
