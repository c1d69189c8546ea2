// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QStringList>

namespace quorvel {

// The largest pixel size, at most the font's own and at least `smallest`, at which `text` is
// no wider than `room`. One proportional step from the font's own size, then checked: the
// width of a text grows with its size, so a second step is rare, and every size tried costs a
// font match.
int fittedPixelSize(const QFont& font, const QString& text, double room, int smallest);

// A caption laid out in a box: its size, its lines and where each line's baseline starts,
// from the box's top left.
struct FittedCaption
{
    int pixelSize = 0;
    QStringList lines;
    QList<QPointF> origins;

    bool operator==(const FittedCaption&) const = default;
};

// The caption as large as the box allows, up to the font's own size: on one line, or on two
// (split at the blank nearest its middle) when that makes it larger. The lines are centred and
// kept `margin` pixels inside the box's sides.
FittedCaption fitCaption(const QString& caption, const QFont& font, QSize box, double margin);

} // namespace quorvel

namespace quorvel {

// A text wrapped to the box's width (at blanks, inside a word only when the word is longer
// than a line), at the largest size up to the font's own whose lines all fit the box's height,
// and no smaller than `smallest`. The lines start at the box's left and top. Lines that still
// do not fit at the smallest size are left out and `complete` is false.
struct WrappedText
{
    FittedCaption caption;
    double height = 0; // of the lines kept
    bool complete = true;
};
WrappedText fitWrapped(const QString& text, const QFont& font, QSize box, int smallest);

} // namespace quorvel
