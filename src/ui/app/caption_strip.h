// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

namespace quorvel {

// The strip below the machine's face that writes out what the wizard says, for the pupil who
// cannot hear him: the levels that speak without showing him, a muted computer, a noisy room.
class CaptionStrip : public QWidget
{
    Q_OBJECT

public:
    // Its height at 100 %: two lines of text.
    static constexpr int designHeight = 46;

    explicit CaptionStrip(QWidget* parent = nullptr);

    void setText(const QString& text);
    const QString& text() const { return m_text; }
    // Takes its height and font for this scale of the window.
    void setScale(double scale);
    double scale() const { return m_scale; }
    // Larger text for the pupil who reads with difficulty: the strip grows with it.
    void setTextScale(double textScale);
    double textScale() const { return m_textScale; }
    // The font the text is drawn in: smaller than usual only for a text too long for two lines.
    // Fitted when it is first needed: a strip the pupil has switched off measures nothing.
    const QFont& textFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect textArea() const;
    void fitFont() const;
    void fitHeight();

    QString m_text;
    double m_scale = 1;
    double m_textScale = 1;
    mutable QFont m_font;
    mutable bool m_fontFitted = false;
};

} // namespace quorvel
