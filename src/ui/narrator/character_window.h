// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/narrator/wizard_animations.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <vector>

namespace quorvel {

// Whether the platform shapes windows by a mask (the offscreen one used by tests does not).
bool platformShapesWindows();

// The wizard's own window on the desktop: frameless, see-through around the drawing, above the
// game's window, out of the task bar, and shaped to the drawing so that clicks beside it reach
// whatever lies underneath.
class CharacterWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CharacterWindow(QWidget* parent = nullptr);

    // Redraws in this pose; opacity fades the whole drawing without changing its shape.
    void setPose(const WizardPose& pose, double opacity);
    const WizardPose& pose() const { return m_pose; }
    double opacity() const { return m_opacity; }
    // Draws the wizard this many times his natural size.
    void setScale(double scale);
    // Where the balloon's tail points, in this window's coordinates.
    QPoint mouth() const;

    // The clickable shape: the drawing's outline (the window's mask where the platform has them).
    const QRegion& shape() const { return m_shape; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void render();
    void applyShape(const QRegion& shape);

    // The frames drawn lately with their shapes: at rest the wizard goes through a handful of
    // poses over and over, and each is drawn only once.
    struct Drawn
    {
        WizardPose pose;
        QImage frame;
        QRegion shape;
    };
    std::vector<Drawn> m_drawn;

    WizardPose m_pose;
    double m_opacity = 1;
    QImage m_shownImage;
    QRegion m_shape;
};

// The flags that make a window a floating, click-through companion of the game's window: clicks
// on the drawing itself go on to the game's window underneath.
void makeCompanionWindow(QWidget& window);

} // namespace quorvel
