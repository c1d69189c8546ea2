// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/narrator/wizard_animations.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string>

namespace quorvel {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr int blinkPeriodMs = 3700;
constexpr int blinkMs = 150;

double smooth(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

double lerp(double a, double b, double t)
{
    return a + (b - a) * t;
}

double wave(double t, double cycles)
{
    return std::sin(2 * pi * cycles * t);
}

// Each movement reads its progress t (0 .. 1) and its strength e, which rises over the
// first quarter and falls back over the last one, so that every movement starts and ends
// at rest.
using Movement = void (*)(WizardPose& p, double t, double e);

void rightArmTo(WizardPose& p, double arm, double bend, double wand, double e)
{
    p.rightArm = lerp(p.rightArm, arm, e);
    p.rightBend = lerp(p.rightBend, bend, e);
    p.wandAngle = lerp(p.wandAngle, wand, e);
}

void leftArmTo(WizardPose& p, double arm, double bend, double e)
{
    p.leftArm = lerp(p.leftArm, arm, e);
    p.leftBend = lerp(p.leftBend, bend, e);
}

void armUp(WizardPose& p, double, double e)
{
    rightArmTo(p, 145, -5, 165, e);
    p.lookY = -0.7 * e;
    p.headTilt = 5 * e;
}

void waveHello(WizardPose& p, double t, double e)
{
    rightArmTo(p, 135 + 20 * wave(t, 3), 35 + 15 * wave(t, 3), 150 + 20 * wave(t, 3), e);
    p.headTilt = 7 * e * wave(t, 1.5);
    p.mouthOpen = 0.4 * e;
}

void lookAroundWithLens(WizardPose& p, double t, double e)
{
    p.prop = Prop::Lens;
    p.propAmount = e;
    leftArmTo(p, 55, 120, e);
    p.lookX = e * wave(t, 1.5);
    p.headTilt = -8 * e * wave(t, 1.5);
}

void sparksFromWand(WizardPose& p, double t, double e)
{
    rightArmTo(p, 100, 15, 140, e);
    p.sparks = e;
    p.sparkPhase = t;
    p.lookX = 0.6 * e;
}

void armDown(WizardPose& p, double, double e)
{
    rightArmTo(p, 50, -10, 50, e);
    p.lookX = 0.5 * e;
    p.lookY = 0.8 * e;
    p.headTilt = 6 * e;
}

void pointLeft(WizardPose& p, double, double e)
{
    leftArmTo(p, 92, 0, e);
    p.lookX = -e;
    p.headTilt = -6 * e;
}

void readBook(WizardPose& p, double t, double e)
{
    p.prop = Prop::Book;
    p.propAmount = e;
    leftArmTo(p, 25, 100, e);
    rightArmTo(p, 25, 100, 175, e);
    p.lookY = 0.8 * e;
    p.lookX = e * wave(t, 2) * 0.6;
}

void pointRight(WizardPose& p, double, double e)
{
    rightArmTo(p, 92, 0, 125, e);
    p.lookX = e;
    p.headTilt = 6 * e;
}

void bigSpell(WizardPose& p, double t, double e)
{
    leftArmTo(p, 150, 10, e);
    rightArmTo(p, 160, 5, 175, e);
    p.sparks = e;
    p.sparkPhase = t;
    p.bigSpell = true;
    p.bob = 4 * e * std::abs(wave(t, 1));
    p.lookY = -0.6 * e;
    p.mouthOpen = 0.6 * e;
}

// Both arms thrown up in joy, a little jump, a shower of stars.
void congratulate(WizardPose& p, double t, double e)
{
    leftArmTo(p, 165, 5, e);
    rightArmTo(p, 165, 5, 170, e);
    p.bob = 8 * e * std::abs(wave(t, 3));
    p.sparks = e;
    p.sparkPhase = t;
    p.bigSpell = true;
    p.mouthOpen = 0.8 * e;
    p.lookY = -0.3 * e;
}

struct GestureInfo
{
    const char* name; // lower case
    int durationMs;
    Movement move;
};

// In the order of the Gesture enumeration.
constexpr std::array<GestureInfo, 10> gestures { {
    { "gestureup", 1000, armUp },
    { "getattention", 1400, waveHello },
    { "search", 1400, lookAroundWithLens },
    { "domagic2", 1200, sparksFromWand },
    { "gesturedown", 1000, armDown },
    // His own left and right: he faces the pupil, so his left hand points to the pupil's right.
    { "gestureleft", 1000, pointRight },
    { "read", 1500, readBook },
    { "gestureright", 1000, pointLeft },
    { "domagic1", 1600, bigSpell },
    { "congratulate", 1800, congratulate },
} };

const GestureInfo& infoOf(Gesture g)
{
    return gestures[static_cast<std::size_t>(g)];
}

} // namespace

std::optional<Gesture> gestureByName(std::string_view name)
{
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (std::size_t i = 0; i < gestures.size(); ++i)
        if (lower == gestures[i].name)
            return static_cast<Gesture>(i);
    return std::nullopt;
}

int gestureDurationMs(Gesture gesture)
{
    return infoOf(gesture).durationMs;
}

std::optional<Side> pointsTowards(Gesture gesture)
{
    switch (gesture) {
    case Gesture::GestureRight:
        return Side::Left;
    case Gesture::GestureLeft:
    case Gesture::GestureUp: // the wand hand, on the pupil's right, goes up or down
    case Gesture::GestureDown:
        return Side::Right;
    default:
        return std::nullopt;
    }
}

WizardPose idlePose(int clockMs)
{
    WizardPose p;
    // At rest he only blinks: a change of pose every few seconds keeps him alive on screen
    // while the idle game costs next to nothing (each new pose means a redraw of his window).
    p.breath = 0.5;
    p.eyeOpen = (clockMs + blinkPeriodMs / 2) % blinkPeriodMs < blinkMs ? 0.0 : 1.0;
    return p;
}

int msUntilIdleChange(int clockMs)
{
    const int phase = (clockMs + blinkPeriodMs / 2) % blinkPeriodMs;
    return phase < blinkMs ? blinkMs - phase : blinkPeriodMs - phase;
}

WizardPose gesturePose(Gesture gesture, int msIntoGesture, int clockMs)
{
    WizardPose p = idlePose(clockMs);
    const double t = std::clamp(double(msIntoGesture) / gestureDurationMs(gesture), 0.0, 1.0);
    const double e = std::min(smooth(t / 0.25), smooth((1 - t) / 0.25));
    infoOf(gesture).move(p, t, e);
    return p;
}

} // namespace quorvel
