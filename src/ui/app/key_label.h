// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/app/text_fit.h"

#include <QColor>
#include <QLabel>

namespace quorvel {

// A label that reacts to a click, as the machine's keys do. While the mouse holds it down it
// shows itself pressed (lighter and sunken), and a press made from the keyboard flashes the
// same way, so the pupil always sees that the key registered.
class KeyLabel : public QLabel
{
    Q_OBJECT
public:
    KeyLabel(const QString& caption, QColor background, QColor text, QWidget* parent);

    // Works out each key's caption for its present size and font, as large as the key allows.
    // Keys alike (same caption, size and font, as the two keypads' digits) share the work.
    // Called once the keys are laid out; painting only draws what was worked out here.
    static void fitCaptions(const QList<KeyLabel*>& keys);
    const FittedCaption& fittedCaption() const { return m_caption; }
    // The room kept between the caption and the key's sides.
    double captionMargin() const;

    // Shows the pressed look for a moment, for presses made from the keyboard.
    void flash();
    bool isPressedLook() const { return m_pressed; }
    // A press that comes from neither the mouse nor the window's keys (a screen reader's
    // action): the key flashes and does its work.
    void press();

    // The key's colours: its own, given when it was made, or others for the high-contrast face
    // (with a frame of their own, so the key stands out from the face behind it).
    void setColours(QColor background, QColor text, QColor frame = {});
    QColor ownBackground() const { return m_ownBackground; }
    QColor ownText() const { return m_ownText; }
    QColor background() const { return m_background; }
    QColor textColour() const { return m_text; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setPressedLook(bool pressed);

    QColor m_ownBackground;
    QColor m_ownText;
    QColor m_background;
    QColor m_text;
    QColor m_outlineColour;
    FittedCaption m_caption;
    bool m_pressed = false;
};

} // namespace quorvel
