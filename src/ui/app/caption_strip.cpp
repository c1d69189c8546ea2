// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/caption_strip.h"

#include "ui/app/face_access.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

constexpr int fontPixels = 16; // at 100 %
constexpr int smallestFontPixels = 11;
constexpr int margin = 4;
constexpr int textFlags = Qt::AlignCenter | Qt::TextWordWrap;
const QColor ground("#00004A");
const QColor ink("#FFF4B0");

} // namespace

CaptionStrip::CaptionStrip(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("sottotitoli");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedHeight(designHeight);
}

void CaptionStrip::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_fontFitted = false;
    update();
    // A screen reader reads each of the wizard's sentences as it comes.
    announceCaption(this);
}

void CaptionStrip::setScale(double scale)
{
    if (scale <= 0 || scale == m_scale)
        return;
    m_scale = scale;
    fitHeight();
}

void CaptionStrip::setTextScale(double textScale)
{
    if (textScale <= 0 || textScale == m_textScale)
        return;
    m_textScale = textScale;
    fitHeight();
}

void CaptionStrip::fitHeight()
{
    setFixedHeight(static_cast<int>(std::lround(designHeight * m_scale * m_textScale)));
    m_fontFitted = false;
    update();
}

QRect CaptionStrip::textArea() const
{
    const int inset = static_cast<int>(std::lround(margin * m_scale * m_textScale));
    return QRect(0, 0, width(), height()).adjusted(2 * inset, inset, -2 * inset, -inset);
}

const QFont& CaptionStrip::textFont() const
{
    if (!m_fontFitted)
        fitFont();
    return m_font;
}

// The usual size unless the text needs more than the strip's two lines; then a step smaller
// at a time, once per text and size.
void CaptionStrip::fitFont() const
{
    m_fontFitted = true;
    const QRect area = textArea();
    for (int pixels = fontPixels; pixels >= smallestFontPixels; --pixels) {
        m_font.setPixelSize(
            std::max(1, static_cast<int>(std::lround(pixels * m_scale * m_textScale))));
        const QRect needed = QFontMetrics(m_font).boundingRect(area, textFlags, m_text);
        if (m_text.isEmpty() || needed.height() <= area.height())
            return;
    }
}

void CaptionStrip::resizeEvent(QResizeEvent*)
{
    m_fontFitted = false;
}

void CaptionStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ground);
    painter.setFont(textFont());
    painter.setPen(ink);
    painter.drawText(textArea(), textFlags, m_text);
}

} // namespace quorvel
