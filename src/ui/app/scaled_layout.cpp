// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/scaled_layout.h"

#include <QFont>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace quorvel {

void ScaledLayout::add(QWidget* widget, QRect twips, double fontPixels, bool bold)
{
    m_items.append({ widget, twips, fontPixels, bold });
}

void ScaledLayout::move(QWidget* widget, QRect twips)
{
    for (Item& item : m_items)
        if (item.widget == widget)
            item.twips = twips;
}

QRect ScaledLayout::twipsOf(QWidget* widget) const
{
    for (const Item& item : m_items)
        if (item.widget == widget)
            return item.twips;
    return {};
}

QRect ScaledLayout::toPixels(QRect twips, double scale, QPoint offset)
{
    const double k = scale / twipsPerPixel;
    const int left = static_cast<int>(std::lround(twips.x() * k));
    const int top = static_cast<int>(std::lround(twips.y() * k));
    const int right = static_cast<int>(std::lround((twips.x() + twips.width()) * k));
    const int bottom = static_cast<int>(std::lround((twips.y() + twips.height()) * k));
    return QRect(left, top, right - left, bottom - top).translated(offset);
}

double ScaledLayout::apply(QSize size, QSize designPixels)
{
    const double scale = std::min(static_cast<double>(size.width()) / designPixels.width(),
        static_cast<double>(size.height()) / designPixels.height());
    const QPoint offset(
        (size.width() - static_cast<int>(std::lround(designPixels.width() * scale))) / 2,
        (size.height() - static_cast<int>(std::lround(designPixels.height() * scale))) / 2);
    for (const Item& item : m_items) {
        if (!item.widget)
            continue;
        item.widget->setGeometry(toPixels(item.twips, scale, offset));
        if (item.fontPixels > 0) {
            QFont font = item.widget->font();
            font.setPixelSize(
                std::max(6, static_cast<int>(std::lround(item.fontPixels * scale * m_textScale))));
            font.setBold(item.bold);
            item.widget->setFont(font);
        }
    }
    return scale;
}

void colourLabel(QWidget* label, QColor text, QColor background)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    if (background.isValid())
        palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
    label->setAutoFillBackground(background.isValid());
}

void paintPanelFrame(QWidget* panel, double scale, const QString& title, bool boldTitle)
{
    QPainter p(panel);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(panel->rect(), QColor("#0030C0"));
    p.setPen(QPen(QColor("#A0C0FF"), 2 * scale));
    p.drawRect(panel->rect().adjusted(1, 1, -1, -1));
    QFont f = panel->font();
    f.setPixelSize(static_cast<int>(12 * scale));
    f.setBold(boldTitle);
    p.setFont(f);
    p.setPen(Qt::white);
    const auto at = [scale](double x) { return static_cast<int>(x * scale); };
    p.drawText(
        QRect(at(8), at(2), panel->width(), at(20)), Qt::AlignLeft | Qt::AlignVCenter, title);
}

} // namespace quorvel
