#include "ui/app/display_label.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace quorvel {

DisplayLabel::DisplayLabel(
    const QString& text, QColor background, QColor textColour, QWidget* parent)
    : QLabel(text, parent)
    , m_background(background)
    , m_textColour(textColour)
{
}

void DisplayLabel::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    update();
}

void DisplayLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void DisplayLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), m_background);
    const int frame = std::max(2, height() / 30);
    if (m_selected) {
        p.setPen(QPen(QColor("#FFD800"), frame * 2));
        p.drawRect(rect().adjusted(frame, frame, -frame, -frame));
    }
    const QRect area = rect().adjusted(frame * 3, frame * 3, -frame * 3, -frame * 3);
    QFont f = font();
    const int smallest = std::max(6, f.pixelSize() / 3);
    QString shown = text();
    while (f.pixelSize() > smallest && QFontMetrics(f).horizontalAdvance(shown) > area.width())
        f.setPixelSize(f.pixelSize() - 1);
    const QFontMetrics metrics(f);
    if (metrics.horizontalAdvance(shown) > area.width())
        shown = metrics.elidedText(shown, Qt::ElideLeft, area.width());
    p.setFont(f);
    p.setPen(m_textColour);
    p.drawText(area, Qt::AlignCenter, shown);
}

} // namespace quorvel
