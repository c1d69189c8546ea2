// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The clip player's commands and drawing, and the beep that holds the window for its length.
#include "ui/effects/clip_player.h"
#include "ui/effects/tone_speaker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>

#include <gtest/gtest.h>

#include <functional>

namespace quorvel {
namespace {

const QString assets = QStringLiteral(QUORVEL_TEST_DATA "/../../assets/");
// "After about its duration": only too early or never is a fault, so the wait for "late" is
// long enough for a machine busy with other builds, where the clip's frames come late too.
constexpr int slack = 30000;

bool waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// The window chooses the clip of each operation the machine shows; no index, no change.
TEST(ClipPlayer, ShowsEachOperationsOwnClip)
{
    ClipPlayerWidget player(assets);
    const std::pair<int, const char*> rows[] = { { 1, "/rosso.gif" }, { 2, "/verde.gif" },
        { 3, "/blu.gif" }, { 4, "/grigio.gif" }, { 0, "/grigio.gif" }, { 5, "/grigio.gif" } };
    for (const auto& [index, clip] : rows) {
        player.showOperation(index);
        EXPECT_TRUE(player.fileName().endsWith(clip)) << index;
        EXPECT_TRUE(player.hasClip()) << index;
    }
}

TEST(ClipPlayer, PlaysOnceStopsAndGoesToAFrameCountedFromOne)
{
    ClipPlayerWidget player(assets);
    player.setMovie(assets + "verde.gif");
    EXPECT_EQ(player.currentFrameNumber(), 0);
    EXPECT_TRUE(player.isRunning());
    ASSERT_TRUE(waitUntil([&] { return player.currentFrameNumber() >= 3; }, slack));
    player.stopClip();
    const int held = player.currentFrameNumber();
    waitUntil([] { return false; }, 250);
    EXPECT_EQ(player.currentFrameNumber(), held);

    // A frame the clip does not have changes nothing.
    const int gotoCases[][2] = { { 5, 4 }, { 1, 0 }, { 16, 15 }, { 2, 1 }, { 17, 1 }, { 0, 1 } };
    for (const auto& [frame, shown] : gotoCases) {
        player.showFrame(frame);
        EXPECT_EQ(player.currentFrameNumber(), shown) << "showFrame(" << frame << ")";
        EXPECT_TRUE(player.isPaused());
    }
    player.playClip();
    EXPECT_TRUE(player.isRunning());
    EXPECT_EQ(player.currentFrameNumber(), 1) << "plays on from the frame shown";
    ASSERT_TRUE(waitUntil([&] { return !player.isRunning(); }, 1280 + slack));
    const int last = player.frameCount() - 1;
    EXPECT_EQ(player.currentFrameNumber(), last);
    waitUntil([] { return false; }, 200);
    EXPECT_EQ(player.currentFrameNumber(), last) << "the clip must not loop";
    player.playClip();
    EXPECT_TRUE(player.isRunning());
    EXPECT_EQ(player.currentFrameNumber(), 0) << "a finished clip starts over";
}

TEST(ClipPlayer, DrawsTheFrameFittedAndCentred)
{
    ClipPlayerWidget player(assets);
    player.setAutoFillBackground(true);
    QPalette palette = player.palette();
    palette.setColor(QPalette::Window, Qt::magenta);
    player.setPalette(palette);
    player.resize(800, 281); // the 385x281 clip stands between two bands of background
    player.setMovie(assets + "grigio.gif");
    player.stopClip();
    const QRgb background = QColor(Qt::magenta).rgb();
    const QImage shown = player.grab().toImage();
    for (const int x : { 5, 200, 600, 795 })
        EXPECT_EQ(shown.pixel(x, 140), background) << x;
    EXPECT_NE(shown.pixel(400, 140), background);
    player.resize(1540, 1124); // four times the clip: it grows to the corners
    EXPECT_NE(player.grab().toImage().pixel(5, 5), background);
}

// Silent by request, or with no sound device as on the test machine: time is kept all the same.
TEST(ToneSpeaker, BeepReturnsWhenTheToneHasEnded)
{
    for (const bool silent : { true, false }) {
        ToneSpeaker speaker(silent);
        QElapsedTimer clock;
        clock.start();
        speaker.beep(800, 100);
        EXPECT_GE(clock.elapsed(), 100) << silent;
        EXPECT_LT(clock.elapsed(), 100 + slack) << silent;
    }
}

} // namespace
} // namespace quorvel
