#include "ui/app/display_label.h"

#include "ui/app/text_fit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace quorvel {

DisplayLabel::DisplayLabel(
    const QString& text, QColor background, QColor textColour, QWidget* parent)
    : QLabel(text, parent)
    , m_background(background)
    , m_textColour(textColour)
{
}

void DisplayLabel::showText(const QString& text)
{
    setText(text);
    refit();
}

void DisplayLabel::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    update();
}

int DisplayLabel::readablePixelSize() const
{
    return std::max(12, font().pixelSize() * 2 / 5);
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
    m_textWidth = QFontMetrics(f).horizontalAdvance(text());
    m_hidden = std::max(0, m_textWidth - room);
    m_back = 0;
    update();
}

void DisplayLabel::scrollBack(int pixels)
{
    const int back = std::clamp(m_back + pixels, 0, m_hidden);
    if (back != m_back) {
        m_back = back;
        update();
    }
}

void DisplayLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int x = event->position().toPoint().x();
    m_dragFrom = x;
    // The arrows in the margins bring the start or the end into view.
    if (m_hidden > 0 && x < textArea().left())
        scrollBack(m_hidden);
    else if (m_hidden > 0 && x > textArea().right())
        scrollBack(-m_hidden);
    emit clicked();
}

void DisplayLabel::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || m_dragFrom < 0)
        return;
    const int x = event->position().toPoint().x();
    scrollBack(x - m_dragFrom); // the digits follow the hand
    m_dragFrom = x;
}

void DisplayLabel::wheelEvent(QWheelEvent* event)
{
    const QPoint turn = event->angleDelta();
    const int notches = (turn.y() != 0 ? turn.y() : turn.x()) / 120;
    if (m_hidden == 0 || notches == 0)
        return QLabel::wheelEvent(event);
    // A notch scrolls by one digit; turning away from oneself goes back towards the start.
    QFont f = font();
    if (m_pixelSize > 0)
        f.setPixelSize(m_pixelSize);
    scrollBack(notches * QFontMetrics(f).horizontalAdvance(QLatin1Char('0')));
    event->accept();
}

void DisplayLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), m_background);
    if (m_selected) {
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
    p.save();
    p.setClipRect(area);
    const QRect line(
        area.right() + 1 - m_textWidth + m_back, area.top(), m_textWidth, area.height());
    p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text());
    p.restore();
    // An arrow in the margin on each side that hides digits.
    const double tip = frame() * 2.5;
    const double mid = area.center().y();
    p.setPen(Qt::NoPen);
    p.setBrush(m_textColour);
    if (m_back < m_hidden) {
        const double x = area.left() - frame() * 0.5;
        p.drawPolygon(
            QPolygonF({ { x - tip, mid }, { x, mid - tip * 1.4 }, { x, mid + tip * 1.4 } }));
    }
    if (m_back > 0) {
        const double x = area.right() + frame() * 0.5;
        p.drawPolygon(
            QPolygonF({ { x + tip, mid }, { x, mid - tip * 1.4 }, { x, mid + tip * 1.4 } }));
    }
}

} // namespace quorvel
