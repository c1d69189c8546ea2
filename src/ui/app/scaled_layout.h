// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace quorvel {

// Places widgets by their design rectangles in twips (15 twips to a pixel at 100 %) and
// scales them, with their fonts, to the space they are given, keeping the proportions.
class ScaledLayout
{
public:
    static constexpr double twipsPerPixel = 15.0;

    // `fontPixels` is the font size at 100 %; 0 leaves the font alone.
    void add(QWidget* widget, QRect twips, double fontPixels = 0, bool bold = false);
    // Gives a placed widget a new design rectangle; it takes effect at the next apply.
    void move(QWidget* widget, QRect twips);
    QRect twipsOf(QWidget* widget) const;
    // Every font larger by `textScale`, for the pupil who needs large text; 1 by default.
    void setTextScale(double textScale) { m_textScale = textScale; }
    double textScale() const { return m_textScale; }

    // Lays everything out for an area of `size` pixels whose design size is `designPixels`;
    // the layout is centred when the area's proportions differ. Gives the scale used.
    double apply(QSize size, QSize designPixels);

    static QRect toPixels(QRect twips, double scale, QPoint offset = {});

private:
    struct Item
    {
        QPointer<QWidget> widget;
        QRect twips;
        double fontPixels;
        bool bold;
    };
    QList<Item> m_items;
    double m_textScale = 1;
};

// Colours a label's text, and fills its background when `background` is valid. Palettes, not
// style sheets: a style sheet costs each widget a polish of its own at start-up.
void colourLabel(QWidget* label, QColor text, QColor background = {});

// The look of the panels that open over the clip: a blue ground, a light frame and the
// panel's title at the top left, all at the panel's scale.
void paintPanelFrame(QWidget* panel, double scale, const QString& title, bool boldTitle);

} // namespace quorvel
