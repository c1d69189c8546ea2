// The window's platform pieces offscreen: sound timing, the tone itself, the clip area, the lamps.
#include "ui/effects/audio_output.h"
#include "ui/effects/clip_player.h"
#include "ui/effects/light_pictures.h"
#include "ui/effects/tone_speaker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

namespace quorvel {
namespace {

const QString assets = QStringLiteral(QUORVEL_TEST_DATA "/../../assets");
// Bounds for "after about its duration": only coming too early or hanging is a fault.
constexpr int slack = 2000;

bool waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

void idle(int ms)
{
    waitUntil([] { return false; }, ms);
}

std::string clip(const char* name)
{
    return (assets + "/" + name).toStdString();
}

QByteArray silence(int ms)
{
    return QByteArray(2 * 8 * ms, '\0');
} // at 8000 Hz

} // namespace

// Silent by request, or with no sound device as on the test machine: time is kept all the same.
TEST(AudioOutput, FinishesOnceAfterTheSoundsDurationWithOrWithoutSound)
{
    for (const bool silent : { true, false }) {
        AudioOutput output(silent);
        int finished = 0;
        QObject::connect(&output, &AudioOutput::finished, [&] { ++finished; });
        QElapsedTimer clock;
        clock.start();
        output.play(silence(300), 8000);
        EXPECT_EQ(finished, 0) << "finished() must not come from inside play()";
        ASSERT_TRUE(waitUntil([&] { return finished > 0; }, 300 + slack)) << silent;
        EXPECT_GE(clock.elapsed(), 300);
        idle(50);
        EXPECT_EQ(finished, 1);
    }
}

TEST(AudioOutput, ANewSoundReplacesTheOldOneAndStopEndsItQuietly)
{
    AudioOutput output(true);
    int finished = 0;
    QObject::connect(&output, &AudioOutput::finished, [&] { ++finished; });
    output.play(silence(1000), 8000);
    output.play(silence(50), 8000);
    idle(1100);
    EXPECT_EQ(finished, 1) << "only the sound that ran its course reports its end";

    output.play(silence(50), 8000);
    output.stop();
    idle(200);
    EXPECT_EQ(finished, 1);
}

TEST(SineTone, HasTheLengthPitchAndQuietEndsAsked)
{
    const struct
    {
        int frequency, milliseconds, sampleRate, crossings;
    } cases[] = {
        { 800, 100, 48000, 160 },
        { 500, 100, 48000, 100 },
        { 700, 250, 22050, 350 },
        { 1000, 2, 48000, 4 }, // shorter than two fades
        { 0, 10, 48000, 0 }, // pitches the rate cannot carry give silence
        { 24000, 10, 48000, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.frequency << " Hz " << c.milliseconds << " ms");
        const QByteArray pcm = sineTone(c.frequency, c.milliseconds, c.sampleRate);
        std::vector<std::int16_t> tone(pcm.size() / 2);
        std::memcpy(tone.data(), pcm.constData(), pcm.size());
        ASSERT_EQ(tone.size(), static_cast<size_t>(c.milliseconds * c.sampleRate / 1000));
        // Starting and ending at rest is what keeps the speaker from clicking.
        EXPECT_EQ(tone.front(), 0);
        EXPECT_LE(std::abs(tone.back()), 200);

        int crossings = 0;
        for (size_t i = 1; i < tone.size(); ++i)
            crossings += (tone[i - 1] < 0) != (tone[i] < 0);
        EXPECT_NEAR(crossings, c.crossings, 2);
        const auto peak = *std::max_element(tone.begin(), tone.end());
        EXPECT_EQ(peak > 3000, c.crossings > 0) << peak;
    }
}

TEST(ToneSpeaker, BeepReturnsWhenTheToneHasEnded)
{
    for (const bool silent : { true, false }) {
        ToneSpeaker speaker(silent);
        QElapsedTimer clock;
        clock.start();
        speaker.Beep(800, 100);
        EXPECT_GE(clock.elapsed(), 100) << silent;
        EXPECT_LT(clock.elapsed(), 100 + slack) << silent;
    }
}

TEST(ClipPlayer, LoadingAClipShowsItsFirstFrameAndPlaysItOnce)
{
    ClipPlayerWidget player;
    player.setMovie(clip("rosso.gif"));
    ASSERT_TRUE(player.hasClip());
    EXPECT_EQ(player.currentFrameNumber(), 0);
    EXPECT_TRUE(player.isRunning());

    ASSERT_TRUE(waitUntil([&] { return !player.isRunning(); }, 1280 + slack));
    const int last = player.frameCount() - 1;
    EXPECT_EQ(player.currentFrameNumber(), last);
    idle(200);
    EXPECT_EQ(player.currentFrameNumber(), last) << "the clip must not loop";

    player.Play();
    EXPECT_TRUE(player.isRunning());
    EXPECT_EQ(player.currentFrameNumber(), 0);
}

TEST(ClipPlayer, StopsAtTheFrameShownGoesToAFrameAndPlaysOnFromIt)
{
    ClipPlayerWidget player;
    player.setMovie(clip("verde.gif"));
    ASSERT_TRUE(waitUntil([&] { return player.currentFrameNumber() >= 3; }, slack));
    player.StopPlay();
    const int held = player.currentFrameNumber();
    idle(250);
    EXPECT_EQ(player.currentFrameNumber(), held);

    // Frames count from 1; a frame the clip does not have changes nothing.
    const int gotoCases[][2] = { { 5, 4 }, { 1, 0 }, { 16, 15 }, { 2, 1 }, { 17, 1 }, { 0, 1 } };
    for (const auto& [frame, shown] : gotoCases) {
        player.GotoFrame(frame);
        EXPECT_EQ(player.currentFrameNumber(), shown) << "GotoFrame(" << frame << ")";
        EXPECT_TRUE(player.isPaused());
    }

    player.Play();
    EXPECT_TRUE(player.isRunning());
    ASSERT_TRUE(waitUntil([&] { return player.currentFrameNumber() > 1; }, slack));
}

TEST(ClipPlayer, DrawsTheFrameFittedAndCentred)
{
    ClipPlayerWidget player;
    player.setAutoFillBackground(true);
    QPalette palette = player.palette();
    palette.setColor(QPalette::Window, Qt::magenta);
    player.setPalette(palette);
    player.resize(800, 281); // the 385x281 clip stands between two bands of background
    player.setMovie(clip("grigio.gif"));
    player.StopPlay();

    const QRgb background = QColor(Qt::magenta).rgb();
    const QImage shown = player.grab().toImage();
    for (const int x : { 5, 200, 600, 795 })
        EXPECT_EQ(shown.pixel(x, 140), background) << x;
    EXPECT_NE(shown.pixel(400, 140), background);

    player.resize(1540, 1124); // four times the clip: it grows to the corners
    EXPECT_NE(player.grab().toImage().pixel(5, 5), background);
}

TEST(ClipPlayer, AMissingClipLeavesOnlyTheBackgroundAndSaysSoOnce)
{
    ClipPlayerWidget player;
    player.setMovie(clip("rosso.gif"));
    const std::string missing = "/no/such/folder/rosso.gif";
    testing::internal::CaptureStderr();
    player.setMovie(missing);
    player.setMovie(missing);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "quorvel: clip not found: " + missing + "\n");

    EXPECT_FALSE(player.hasClip());
    player.Play();
    player.StopPlay();
    player.GotoFrame(1);
    EXPECT_FALSE(player.isRunning());
    player.resize(385, 281);
    EXPECT_FALSE(player.grab().isNull());
}

TEST(LightPictures, HoldsTheFourLampsByNameOrSaysWhichAreMissing)
{
    const LightPictures lights(assets);
    for (const char* name : { "luce1.gif", "luce2.gif", "luce3.gif", "luce4.gif" }) {
        ASSERT_NE(lights.picture(name), nullptr) << name;
        EXPECT_EQ(lights.picture(name)->size(), QSize(41, 41)) << name;
    }
    EXPECT_NE(lights.picture("luce1.gif")->toImage(), lights.picture("luce2.gif")->toImage());
    EXPECT_EQ(lights.picture("luce5.gif"), nullptr);

    testing::internal::CaptureStderr();
    const LightPictures none(QStringLiteral("/no/such/folder"));
    std::string expected;
    for (const char* name : { "luce1.gif", "luce2.gif", "luce3.gif", "luce4.gif" })
        expected += std::string("quorvel: light picture not found: /no/such/folder/") + name + "\n";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), expected);
    EXPECT_EQ(none.picture("luce1.gif"), nullptr);
}

} // namespace quorvel
