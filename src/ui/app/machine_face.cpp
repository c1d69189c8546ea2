// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/machine_face.h"

#include "ui/app/key_label.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace quorvel {
namespace {

enum class Look { Panel, Rail, Pipe, Bolt };

struct Shape
{
    QRect twips;
    Look look;
};

// Shape1..Shape12: panels behind the clip, keypads, output and keys, the lamp rail, the
// pipes that join them and four bolts.
const Shape shapes[] = {
    { { 2880, 120, 6015, 4455 }, Look::Panel }, // around the clip
    { { 3120, 4560, 2655, 2760 }, Look::Panel }, // first keypad
    { { 6000, 4560, 2655, 2760 }, Look::Panel }, // second keypad
    { { 9600, 1320, 1695, 1575 }, Look::Panel }, // output
    { { 8760, 5040, 2895, 2655 }, Look::Panel }, // command keys
    { { 1320, 1080, 855, 4455 }, Look::Rail }, // lamps
    { { 8895, 2040, 705, 135 }, Look::Pipe }, // clip to output
    { { 2175, 2340, 705, 135 }, Look::Pipe }, // lamps to clip
    { { 10380, 2895, 135, 2145 }, Look::Pipe }, // output down to the keys
    { { 5775, 5760, 225, 135 }, Look::Pipe }, // keypad to keypad
    { { 300, 300, 240, 240 }, Look::Bolt },
    { { 300, 7380, 240, 240 }, Look::Bolt },
};

// The plain face: flat dark panels with a bright edge that shows what belongs together.
void paintPlainShape(QPainter& p, const Shape& shape, QRectF r, double scale)
{
    switch (shape.look) {
    case Look::Panel:
        p.setBrush(QColor("#000030"));
        p.setPen(QPen(QColor("#FFD800"), 2 * scale));
        p.drawRoundedRect(r, 10 * scale, 10 * scale);
        break;
    case Look::Rail:
        p.setBrush(MachineFace::railColour());
        p.setPen(QPen(QColor("#FFD800"), 2 * scale));
        p.drawRoundedRect(r, r.width() / 2, r.width() / 2);
        break;
    case Look::Pipe:
        p.fillRect(r, QColor("#B8C0D8"));
        break;
    case Look::Bolt:
        break;
    }
}

void paintShape(QPainter& p, const Shape& shape, QRectF r, double scale)
{
    switch (shape.look) {
    case Look::Panel: {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor("#24368C"));
        g.setColorAt(1, QColor("#131F5C"));
        p.setBrush(g);
        p.setPen(QPen(QColor("#5A6FD0"), 2 * scale));
        p.drawRoundedRect(r, 10 * scale, 10 * scale);
        break;
    }
    case Look::Rail:
        p.setBrush(MachineFace::railColour());
        p.setPen(QPen(QColor("#8090E0"), 2 * scale));
        p.drawRoundedRect(r, r.width() / 2, r.width() / 2);
        break;
    case Look::Pipe: {
        const bool across = r.width() > r.height();
        QLinearGradient g(r.topLeft(), across ? r.bottomLeft() : r.topRight());
        g.setColorAt(0, QColor("#9AA6C8"));
        g.setColorAt(0.5, QColor("#E6ECFA"));
        g.setColorAt(1, QColor("#6B789E"));
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawRect(r);
        break;
    }
    case Look::Bolt:
        p.setBrush(QColor("#A8B2D8"));
        p.setPen(QPen(QColor("#4A5688"), 1.5 * scale));
        p.drawEllipse(r);
        p.drawLine(r.center() - QPointF(r.width() / 3, 0), r.center() + QPointF(r.width() / 3, 0));
        break;
    }
}

} // namespace

MachineFace::MachineFace(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(designSize);
    setAutoFillBackground(false);
}

QPoint MachineFace::offset() const
{
    return QPoint((width() - static_cast<int>(std::lround(designSize.width() * m_scale))) / 2,
        (height() - static_cast<int>(std::lround(designSize.height() * m_scale))) / 2);
}

QPoint MachineFace::toTwips(QPoint pixels) const
{
    const QPoint local = pixels - offset();
    const double k = ScaledLayout::twipsPerPixel / m_scale;
    return QPoint(
        static_cast<int>(std::lround(local.x() * k)), static_cast<int>(std::lround(local.y() * k)));
}

QRect MachineFace::stageArea() const
{
    const auto scaled = [this](int v) { return static_cast<int>(std::lround(v * m_scale)); };
    return QRect(offset() + QPoint(scaled(machineSize.width()), 0),
        QSize(scaled(stageWidth), scaled(machineSize.height())));
}

QRect MachineFace::drawnArea() const
{
    QRect drawn;
    for (const Shape& shape : shapes)
        drawn |= ScaledLayout::toPixels(shape.twips, m_scale, offset());
    for (const QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible())
            drawn |= child->geometry();
    return drawn;
}

// Painted straight onto the window's backing store, only where asked: a light's blink costs
// the few shapes behind it, and the whole face is a dozen flat or gradient shapes, cheaper to
// draw than a full-size copy of the window would be to keep.
void MachineFace::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), m_plain ? QColor("#000018") : QColor("#000080"));
    p.setRenderHint(QPainter::Antialiasing);
    const QRect asked = event->rect();
    for (const Shape& shape : shapes) {
        const QRect r = ScaledLayout::toPixels(shape.twips, m_scale, offset());
        if (r.adjusted(-2, -2, 2, 2).intersects(asked))
            (m_plain ? paintPlainShape : paintShape)(p, shape, r, m_scale);
    }
    if (!m_painted) {
        m_painted = true;
        emit firstPainted();
    }
}

void MachineFace::setPlain(bool plain)
{
    m_plain = plain;
    update();
}

void MachineFace::resizeEvent(QResizeEvent*)
{
    relayout();
}

void MachineFace::relayout()
{
    m_scale = m_layout.apply(size(), designSize);
    KeyLabel::fitCaptions(findChildren<KeyLabel*>(Qt::FindDirectChildrenOnly));
    update();
}

void MachineFace::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clickedOnSurface();
}

} // namespace quorvel
