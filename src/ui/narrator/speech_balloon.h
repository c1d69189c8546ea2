// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/narrator/wizard_stage.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

namespace quorvel {

// The balloon beside the wizard. It is sized for the whole text when the text arrives and then
// reveals it word by word, so it never grows while the pupil reads.
class SpeechBalloon : public QWidget
{
    Q_OBJECT

public:
    explicit SpeechBalloon(QWidget* parent = nullptr);

    // The font at 100 %; the balloon draws it, its padding and its tail at its scale.
    void setTextFont(const QFont& font);
    void setScale(double scale);
    double scale() const { return m_scale; }
    // On a stage of this size (screen pixels) the balloon stands above or below the character,
    // as wide as the stage; an invalid size frees it to stand beside him.
    void setRoom(QSize room);
    // Takes a new text with nothing of it showing yet.
    void present(const QString& text);
    void setRevealed(int characters);
    QString shownText() const { return m_text.left(m_revealed); }
    const QString& text() const { return m_text; }
    // Stands at topLeft on that side of the character, the tail towards its mouth (screen
    // points).
    void placeAt(QPoint topLeft, Side side, QPoint mouth);
    Side side() const { return m_side; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea() const;
    void reshape();

    int px(double designPixels) const;
    QFont drawnFont() const;

    QFont m_font;
    double m_scale = 1;
    QString m_text;
    int m_revealed = 0;
    QSize m_bodySize;
    QSize m_room;
    double m_shrink = 1; // the font, smaller for a long sentence on a small stage
    Side m_side = Side::Right; // where the balloon stands from the character
    int m_tailAt = 0;
};

} // namespace quorvel
