// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/narrator/wizard_stage.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

constexpr int balloonGap = 2; // between the wizard and the tip of the balloon's tail

int scaled(double value, double scale)
{
    return static_cast<int>(std::lround(value * scale));
}

// Moves a rectangle that overlaps the menu bar to just below it, or above it when below
// would leave the screen.
QRect offMenuBar(QRect r, const Stage& stage)
{
    if (stage.menuBar.isEmpty() || !r.intersects(stage.menuBar))
        return r;
    r.moveTop(stage.menuBar.bottom() + 1);
    if (r.bottom() > stage.screen.bottom()
        && stage.menuBar.top() - r.height() >= stage.screen.top())
        r.moveBottom(stage.menuBar.top() - 1);
    return r;
}

int clampInto(int start, int length, int roomStart, int roomLength)
{
    return std::clamp(start, roomStart, std::max(roomStart, roomStart + roomLength - length));
}

QRect balloonRect(QRect wizard, QSize balloon, Side side, double scale)
{
    const int gap = scaled(balloonGap, scale);
    const int x
        = side == Side::Right ? wizard.right() + 1 + gap : wizard.left() - gap - balloon.width();
    return { QPoint(x, wizard.top()), balloon };
}

bool fitsAcross(QRect r, const Stage& stage)
{
    return r.left() >= stage.screen.left() && r.right() <= stage.screen.right();
}

qint64 area(QRect r)
{
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

} // namespace

Stage Stage::desktop()
{
    Stage stage;
    const QScreen* screen = QGuiApplication::primaryScreen();
    stage.screen = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 15, 1 << 15);
    return stage;
}

// On the stage: at the height the scene asks, as near as the stage allows, across its middle.
QRect onTheStage(const Stage& stage, QPointF scenePosition, QSize size)
{
    const QRect& room = stage.room;
    const int top = stage.origin.y() + scaled(scenePosition.y(), stage.scale);
    return QRect(QPoint(room.left() + std::max(0, (room.width() - size.width()) / 2),
                     clampInto(top, size.height(), room.top(), room.height())),
        size);
}

QRect wizardRect(const Stage& stage, QPointF scenePosition, QSize naturalSize)
{
    const QSize size(
        scaled(naturalSize.width(), stage.scale), scaled(naturalSize.height(), stage.scale));
    if (!stage.room.isEmpty())
        return onTheStage(stage, scenePosition, size);
    const int beside = stage.machineWidth > 0 && scenePosition.x() >= stage.machineWidth
        ? stage.besideMachine
        : 0;
    const QPoint at(stage.origin.x() + scaled(scenePosition.x(), stage.scale) + beside,
        stage.origin.y() + scaled(scenePosition.y(), stage.scale));
    QRect r(at, size);
    const QRect& room = stage.screen;
    r.moveTo(clampInto(r.left(), r.width(), room.left(), room.width()),
        clampInto(r.top(), r.height(), room.top(), room.height()));
    return offMenuBar(r, stage);
}

Side balloonSide(const Stage& stage, QRect wizard, QSize balloon, std::optional<Side> pointing)
{
    if (!stage.room.isEmpty())
        return wizard.top() - stage.room.top() > stage.room.bottom() - wizard.bottom()
            ? Side::Above
            : Side::Below;
    // Where he points is the key he names: the balloon never goes there, even when it must
    // then lean on the screen's edge over a part of him.
    if (pointing)
        return *pointing == Side::Left ? Side::Right : Side::Left;
    const QRect right = balloonRect(wizard, balloon, Side::Right, stage.scale);
    const QRect left = balloonRect(wizard, balloon, Side::Left, stage.scale);
    const bool rightFits = fitsAcross(right, stage);
    const bool leftFits = fitsAcross(left, stage);
    if (rightFits != leftFits)
        return rightFits ? Side::Right : Side::Left;
    if (!rightFits) // neither: the side with more room
        return stage.screen.right() - wizard.right() >= wizard.left() - stage.screen.left()
            ? Side::Right
            : Side::Left;
    return area(left & stage.window) < area(right & stage.window) ? Side::Left : Side::Right;
}

QPoint balloonTopLeft(const Stage& stage, QRect wizard, QPoint mouth, QSize balloon, Side side)
{
    if (!stage.room.isEmpty() && (side == Side::Above || side == Side::Below)) {
        // Right above his hat or below his feet, its tail towards him, inside the stage.
        const QRect& room = stage.room;
        const int gap = scaled(balloonGap, stage.scale);
        const int top = side == Side::Above ? wizard.top() - gap - balloon.height()
                                            : wizard.bottom() + 1 + gap;
        return { clampInto(
                     mouth.x() - balloon.width() / 2, balloon.width(), room.left(), room.width()),
            clampInto(top, balloon.height(), room.top(), room.height()) };
    }
    QRect r = balloonRect(wizard, balloon, side, stage.scale);
    r.moveTop(mouth.y() - balloon.height() / 3);
    const QRect& room = stage.screen;
    r.moveTo(clampInto(r.left(), r.width(), room.left(), room.width()),
        clampInto(r.top(), r.height(), room.top(), room.height()));
    return offMenuBar(r, stage).topLeft();
}

} // namespace quorvel
