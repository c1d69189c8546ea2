// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the wizard and his balloon stand for a window at any place and scale, and which way he
// points.
#include "ui/narrator/wizard_animations.h"
#include "ui/narrator/wizard_painter.h"
#include "ui/narrator/wizard_stage.h"

#include <gtest/gtest.h>

#include <optional>

namespace quorvel {
namespace {

const QRect smallScreen(0, 0, 1366, 728); // 1366 x 768 less a task bar
const QRect largeScreen(0, 0, 1920, 1040);

// A machine window whose content (menu bar first) starts at `corner`, drawn at `scale`.
Stage windowAt(QPoint corner, double scale, QRect screen)
{
    Stage stage;
    stage.origin = corner;
    stage.scale = scale;
    stage.screen = screen;
    const QSize content(static_cast<int>(769 * scale), static_cast<int>(600 * scale));
    stage.menuBar = QRect(corner, QSize(content.width(), static_cast<int>(24 * scale)));
    stage.window = QRect(corner - QPoint(0, 30), content + QSize(0, 30));
    return stage;
}

// The same window with the notebook, 400 px wide, open beside the machine.
Stage besideNotebook(QPoint corner, double scale)
{
    Stage stage = windowAt(corner, scale, largeScreen);
    stage.machineWidth = 785;
    stage.besideMachine = 400;
    return stage;
}

TEST(WizardStage, ScenePositionsAreOffsetsFromTheWindowScaledWithIt)
{
    struct Case
    {
        const char* what;
        Stage stage;
        QPointF scene;
        QRect expected;
    };
    const Case cases[] = {
        { "window at the top left, 100 %", windowAt({ 0, 0 }, 1, smallScreen), { 600, 250 },
            { 600, 250, 130, 160 } },
        { "window in the middle", windowAt({ 300, 120 }, 1, smallScreen), { 600, 250 },
            { 900, 370, 130, 160 } },
        { "whiteboard, 150 %", windowAt({ 200, 100 }, 1.5, largeScreen), { 600, 400 },
            { 1100, 700, 195, 240 } },
        { "larger than 200 % keeps him on the screen", windowAt({ 10, 40 }, 2.4, largeScreen),
            { 850, 300 }, { 1608, 656, 312, 384 } },
        { "window near the right edge: on the screen", windowAt({ 900, 50 }, 1, smallScreen),
            { 850, 300 }, { 1236, 350, 130, 160 } },
        { "near the bottom: on the screen", windowAt({ 100, 400 }, 1, smallScreen), { 400, 500 },
            { 500, 568, 130, 160 } },
        { "never on the menu bar", windowAt({ 300, 120 }, 1, smallScreen), { 100, 10 },
            { 400, 144, 130, 160 } },
        { "never on the menu bar, scaled", windowAt({ 0, 0 }, 2, largeScreen), { 30, -40 },
            { 60, 48, 260, 320 } },
        { "no window: screen pixels", Stage { {}, 1, {}, {}, smallScreen, true, 0, 0, {} },
            { 800, 100 }, { 800, 100, 130, 160 } },
        { "beyond the machine: beside the notebook", besideNotebook({ 100, 80 }, 1), { 800, 100 },
            { 1300, 180, 130, 160 } },
        { "on the machine: the notebook changes nothing", besideNotebook({ 100, 80 }, 1),
            { 600, 250 }, { 700, 330, 130, 160 } },
        { "beyond the machine, scaled", besideNotebook({ 50, 40 }, 1.5), { 800, 100 },
            { 1650, 190, 195, 240 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(wizardRect(c.stage, c.scene, WizardPainter::naturalSize), c.expected);
    }
}

TEST(WizardStage, BalloonGoesAwayFromWhereHePointsElseOutsideTheWindow)
{
    const QSize balloon(280, 80);
    struct Case
    {
        const char* what;
        Stage stage;
        QRect wizard;
        std::optional<Side> pointing;
        Side expected;
    };
    const Stage middle = windowAt({ 300, 120 }, 1, smallScreen);
    const Stage left = windowAt({ 0, 0 }, 1, smallScreen);
    const Case cases[] = {
        { "points right: balloon left", middle, { 800, 520, 130, 160 }, Side::Right, Side::Left },
        { "points left: balloon right", middle, { 800, 520, 130, 160 }, Side::Left, Side::Right },
        { "points right, no room on the left: still left", left, { 100, 300, 130, 160 },
            Side::Right, Side::Left },
        { "no pointing: outside the window", left, { 650, 250, 130, 160 }, {}, Side::Right },
        { "no pointing: the side covering less of the window",
            windowAt({ 590, 20 }, 1, smallScreen), { 620, 300, 130, 160 }, {}, Side::Left },
        { "no pointing, no room on the right", left, { 1200, 300, 130, 160 }, {}, Side::Left },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(balloonSide(c.stage, c.wizard, balloon, c.pointing), c.expected);
    }
}

TEST(WizardStage, BalloonKeepsOffTheMenuBarAndOnTheScreen)
{
    const Stage stage = windowAt({ 300, 120 }, 1, smallScreen);
    const QSize balloon(280, 90);
    const QRect nearMenu(700, 150, 130, 160);
    const QPoint high = balloonTopLeft(stage, nearMenu, { 765, 160 }, balloon, Side::Right);
    EXPECT_EQ(high, QPoint(832, 144)) << "below the menu bar";
    const QRect low(700, 560, 130, 160);
    const QPoint bottom = balloonTopLeft(stage, low, { 765, 700 }, balloon, Side::Left);
    EXPECT_EQ(bottom, QPoint(700 - 2 - 280, 728 - 90)) << "inside the screen";
    const QRect nearEdge(1200, 300, 130, 160);
    EXPECT_EQ(balloonTopLeft(stage, nearEdge, { 1265, 368 }, balloon, Side::Right).x(), 1366 - 280)
        << "against the screen's edge, over him rather than over the key he points at";
}

TEST(WizardGestures, HePointsWithHisOwnLeftAndRight)
{
    // He faces the pupil: his left hand is on the pupil's right.
    const WizardPose rest = idlePose(0);
    const WizardPose left = gesturePose(Gesture::GestureLeft, 500, 0);
    const WizardPose right = gesturePose(Gesture::GestureRight, 500, 0);
    EXPECT_GT(left.rightArm, 80) << "the arm on the pupil's right is raised sideways";
    EXPECT_EQ(left.leftArm, rest.leftArm);
    EXPECT_GT(left.lookX, 0);
    EXPECT_GT(right.leftArm, 80);
    EXPECT_EQ(right.rightArm, rest.rightArm);
    EXPECT_LT(right.lookX, 0);
    EXPECT_EQ(pointsTowards(Gesture::GestureLeft), Side::Right);
    EXPECT_EQ(pointsTowards(Gesture::GestureRight), Side::Left);
    EXPECT_EQ(pointsTowards(Gesture::DoMagic2), std::nullopt);
}

} // namespace
} // namespace quorvel
