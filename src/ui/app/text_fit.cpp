// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/text_fit.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

// The two halves of a caption, split at the blank that makes the longer one shortest.
QStringList splitInTwo(const QString& caption)
{
    qsizetype best = -1;
    for (qsizetype i = caption.indexOf(' '); i >= 0; i = caption.indexOf(' ', i + 1))
        if (best < 0 || std::abs(caption.size() - 2 * i) < std::abs(caption.size() - 2 * best))
            best = i;
    if (best < 0)
        return {};
    return { caption.left(best), caption.mid(best + 1) };
}

// Centres the lines' ink in the box: the ink of a line without descenders or accents sits well
// inside the font's line height, and two lines of a small key need exactly that room.
FittedCaption placeLines(const QStringList& lines, const QFont& font, QSize box)
{
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(lines.join(' '));
    const double gap = lines.size() > 1 ? 0.2 * font.pixelSize() : 0;
    const double block = lines.size() * ink.height() + gap * (lines.size() - 1);
    double top = (box.height() - block) / 2;
    FittedCaption fitted { font.pixelSize(), lines, {} };
    for (const QString& line : lines) {
        const double x = (box.width() - metrics.horizontalAdvance(line)) / 2;
        fitted.origins.append(QPointF(x, top - ink.top()));
        top += ink.height() + gap;
    }
    return fitted;
}

double twoLinesHeight(const QFont& font, const QString& caption)
{
    return 2 * QFontMetricsF(font).tightBoundingRect(caption).height() + 0.2 * font.pixelSize();
}

} // namespace

int fittedPixelSize(const QFont& font, const QString& text, double room, int smallest)
{
    const int own = font.pixelSize();
    const double wide = QFontMetricsF(font).horizontalAdvance(text);
    if (wide <= room || own <= smallest)
        return own;
    QFont f = font;
    int size = std::max(smallest, static_cast<int>(own * room / wide));
    f.setPixelSize(size);
    while (size > smallest && QFontMetricsF(f).horizontalAdvance(text) > room)
        f.setPixelSize(--size);
    return size;
}

FittedCaption fitCaption(const QString& caption, const QFont& font, QSize box, double margin)
{
    if (font.pixelSize() <= 0) // a font sized in points: not laid out by the face
        return placeLines({ caption }, font, box);
    const double room = box.width() - 2 * margin;
    QFont f = font;
    f.setPixelSize(fittedPixelSize(font, caption, room, 6));
    const QStringList halves = splitInTwo(caption);
    if (f.pixelSize() < font.pixelSize() && !halves.isEmpty()) {
        // Two lines: as wide as the longer half allows and as tall as the box allows.
        const QFontMetricsF metrics(font);
        const QString& longer
            = metrics.horizontalAdvance(halves[0]) > metrics.horizontalAdvance(halves[1])
            ? halves[0]
            : halves[1];
        const double wider = metrics.horizontalAdvance(longer);
        const double inkAtOwn = metrics.tightBoundingRect(caption).height();
        const double tall = 2 * inkAtOwn + 0.2 * font.pixelSize();
        const double k = std::min({ 1.0, room / wider, (box.height() - 3) / tall });
        const int twoLines = static_cast<int>(font.pixelSize() * k);
        if (twoLines > f.pixelSize()) {
            QFont two = font;
            two.setPixelSize(twoLines);
            two.setPixelSize(fittedPixelSize(two, longer, room, 6));
            // Hinting can make the ink a pixel taller than the proportion says.
            while (
                two.pixelSize() > f.pixelSize() && twoLinesHeight(two, caption) > box.height() - 2)
                two.setPixelSize(two.pixelSize() - 1);
            if (two.pixelSize() > f.pixelSize())
                return placeLines(halves, two, box);
        }
    }
    return placeLines({ caption }, f, box);
}

} // namespace quorvel

namespace quorvel {
namespace {

WrappedText wrapAt(const QString& text, const QFont& font, QSize box)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    const double spacing = QFontMetricsF(font).lineSpacing();
    const double ascent = QFontMetricsF(font).ascent();
    WrappedText wrapped { { font.pixelSize(), {}, {} }, 0, true };
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        if (wrapped.height + spacing > box.height()) {
            wrapped.complete = false;
            break;
        }
        wrapped.caption.lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
        wrapped.caption.origins.append(QPointF(0, wrapped.height + ascent));
        wrapped.height += spacing;
    }
    layout.endLayout();
    return wrapped;
}

} // namespace

WrappedText fitWrapped(const QString& text, const QFont& font, QSize box, int smallest)
{
    QFont f = font;
    WrappedText wrapped = wrapAt(text, f, box);
    if (wrapped.complete || f.pixelSize() <= smallest)
        return wrapped;
    // The text's area shrinks with the square of its size: one step to the size at which it
    // would fill the box exactly, then down a pixel at a time for what wrapping at blanks wastes.
    const double lines = QFontMetricsF(f).horizontalAdvance(text) / std::max(1, box.width());
    const double needed = lines * QFontMetricsF(f).lineSpacing();
    int size = std::max(smallest,
        std::min(
            f.pixelSize() - 1, static_cast<int>(f.pixelSize() * std::sqrt(box.height() / needed))));
    for (;; --size) {
        f.setPixelSize(size);
        wrapped = wrapAt(text, f, box);
        if (wrapped.complete || size <= smallest)
            return wrapped;
    }
}

} // namespace quorvel
