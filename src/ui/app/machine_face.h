// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/app/scaled_layout.h"

#include <QColor>
#include <QWidget>

namespace quorvel {

// The machine's face: the navy surface, its decorative shapes (Shape1..Shape12, drawn below
// every control) and the scaled placement of the controls on it.
class MachineFace : public QWidget
{
    Q_OBJECT
public:
    // The machine the layout is designed for: 11775 x 7935 twips. The controls reach 11535
    // twips across; the panel behind the command keys and a margin take the rest.
    static constexpr QSize machineSize { 785, 529 };
    // The wizard's stage at the machine's right, as tall as the machine: he stands there and
    // never on a control. The face is the machine and its stage, scaled together.
    static constexpr int stageWidth = 150;
    static constexpr QSize designSize { machineSize.width() + stageWidth, machineSize.height() };
    // The inside of the lamps' rail: the lamps on it are drawn on this colour.
    static QColor railColour() { return QColor(0x10, 0x19, 0x4A); }

    explicit MachineFace(QWidget* parent = nullptr);

    ScaledLayout& layout() { return m_layout; }
    // The face without its gradients, pipes' shine and bolts, for the high-contrast look.
    void setPlain(bool plain);
    bool isPlain() const { return m_plain; }
    void relayout();
    double scale() const { return m_scale; }
    // Where a point of the face lies in twips, and back.
    QPoint toTwips(QPoint pixels) const;
    // Everything the face draws and every control shown on it, in the face's pixels.
    QRect drawnArea() const;
    // The wizard's stage, in the face's pixels.
    QRect stageArea() const;

signals:
    void clickedOnSurface();
    void firstPainted(); // once, when the pupil first sees the face

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPoint offset() const;

    ScaledLayout m_layout;
    double m_scale = 1.0;
    bool m_painted = false;
    bool m_plain = false;
};

} // namespace quorvel
