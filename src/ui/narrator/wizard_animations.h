// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/narrator/wizard_stage.h"

#include <optional>
#include <string_view>

namespace quorvel {

// The wizard's ten movements, known to the scenes by name.
enum class Gesture {
    GestureUp,
    GetAttention,
    Search,
    DoMagic2,
    GestureDown,
    GestureLeft,
    Read,
    GestureRight,
    DoMagic1,
    Congratulate,
};

enum class Prop { None, Lens, Book };

// Everything that moves in a drawing of the wizard. Arms: the shoulder angle in degrees from
// hanging down (0) through pointing sideways (90) to straight up (180), and the elbow's bend
// towards the body. "left" and "right" are as the pupil sees them; the right hand holds the wand.
struct WizardPose
{
    double leftArm = 12;
    double leftBend = 25;
    double rightArm = 18;
    double rightBend = 45;
    double wandAngle = 130; // measured like the right arm
    double headTilt = 0; // degrees, positive leans to the pupil's right
    double lookX = 0; // -1 .. 1, where the eyes look
    double lookY = 0;
    double eyeOpen = 1; // 0 while blinking
    double mouthOpen = 0; // 0 .. 1, moves while words are said
    double breath = 0; // 0 .. 1
    double bob = 0; // pixels upwards
    Prop prop = Prop::None;
    double propAmount = 0; // 0 .. 1, how far the prop is brought out
    double sparks = 0; // 0 .. 1, sparks from the wand
    double sparkPhase = 0; // 0 .. 1, where the sparks are on their way
    bool bigSpell = false; // a burst of stars instead of a trail

    bool operator==(const WizardPose&) const = default;
};

// The name as the scenes spell it, in any case; nothing for an unknown name.
std::optional<Gesture> gestureByName(std::string_view name);

int gestureDurationMs(Gesture gesture);

// The side of the screen a pointing gesture shows the pupil; nothing for the others.
std::optional<Side> pointsTowards(Gesture gesture);

// The pose at rest: still, but for a blink every few seconds.
WizardPose idlePose(int clockMs);
// How long the pose at rest stays as it is from this moment.
int msUntilIdleChange(int clockMs);

// The pose msIntoGesture into a gesture, laid over the resting pose at that moment.
WizardPose gesturePose(Gesture gesture, int msIntoGesture, int clockMs);

} // namespace quorvel
