// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/narrator/wizard_animations.h"

#include <QSize>

class QPainter;

namespace quorvel {

// The wizard as a vector drawing: hat, face, beard, robe, arms and wand, in any pose.
class WizardPainter
{
public:
    // The size of the drawing at 100 %, in logical pixels.
    static constexpr QSize naturalSize { 130, 160 };

    // Draws into the rectangle (0, 0, size), scaling the drawing to fit.
    static void paint(QPainter& painter, const WizardPose& pose, QSize size = naturalSize);
};

} // namespace quorvel
