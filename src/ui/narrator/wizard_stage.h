// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <optional>

namespace quorvel {

// Where the balloon stands from the wizard, and the way he points.
enum class Side { Left, Right, Above, Below };

// Where the scenes' positions land on the screen. A scene places the wizard by offsets from the
// machine window's top-left corner at 100 %; the window says where that corner is, how large it
// is drawn and what must stay clear. Without a window scene pixels are screen pixels.
struct Stage
{
    QPoint origin; // the screen point of the scenes' (0, 0)
    double scale = 1; // the window's scale: a scene pixel is this many screen pixels
    QRect menuBar; // on the screen; neither the wizard nor his balloon covers it
    QRect window; // the machine's window on the screen; empty when there is none
    QRect screen; // the room on the window's screen
    bool visible = true; // false while the window is minimised or hidden, or a dialog waits
    // The scenes were drawn for a window as wide as the machine: a position beyond it stands
    // beside the window. This many scene pixels from the left the machine ends, and this many
    // screen pixels of the window (the notebook, when open) lie beyond it.
    int machineWidth = 0;
    int besideMachine = 0;
    // The wizard's own stage beside the machine, on the screen: he and his balloon stay inside
    // it, so they never cover a control. Empty without one: then the rules above place them.
    QRect room;

    // The primary screen, no window.
    static Stage desktop();
    bool operator==(const Stage&) const = default;
};

// The wizard's window on the screen when he stands at a scene position: scaled with the window,
// below the menu bar where he would cover it, and inside the screen.
QRect wizardRect(const Stage& stage, QPointF scenePosition, QSize naturalSize);

// The side of the wizard for a balloon of this size: away from where he points; without a
// gesture, the side with room on the screen that covers less of the window. On a stage, above
// or below him, where there is more room.
Side balloonSide(const Stage& stage, QRect wizard, QSize balloon, std::optional<Side> pointing);

// The balloon's top-left corner on that side, its tail near the wizard's mouth, off the menu
// bar and inside the screen, over the wizard himself if there is no other room.
QPoint balloonTopLeft(const Stage& stage, QRect wizard, QPoint mouth, QSize balloon, Side side);

} // namespace quorvel
