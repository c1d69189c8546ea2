#include "ui/app/key_label.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace quorvel {

KeyLabel::KeyLabel(const QString& caption, QColor background, QColor text, QWidget* parent)
    : QLabel(caption, parent)
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
    p.setPen(m_pressed ? QPen(QColor("#FFFF80"), 2) : QPen(QColor(255, 255, 255, 90), 1));
    p.drawRoundedRect(r, radius, radius);

    // The caption as large as its font asks, smaller when the key is too narrow for it.
    QFont f = font();
    const int room = width() - height() / 3;
    while (f.pixelSize() > 6 && QFontMetrics(f).horizontalAdvance(text()) > room)
        f.setPixelSize(f.pixelSize() - 1);
    p.setFont(f);
    p.setPen(m_text);
    p.drawText(rect().translated(m_pressed ? 1 : 0, m_pressed ? 1 : 0), Qt::AlignCenter, text());
}

void KeyLabel::flash()
{
    setPressedLook(true);
    QTimer::singleShot(120, this, [this] { setPressedLook(false); });
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
