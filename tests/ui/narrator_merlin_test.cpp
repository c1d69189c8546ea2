#include "ui/narrator/character_window.h"
#include "ui/narrator/merlin_narrator.h"
#include "ui/narrator/narrator_service.h"
#include "core/narrator/scenes.h"
#include "ui/narrator/speech_balloon.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <map>

namespace quorvel {
namespace {

using Kind = NarratorRequest::Kind;

// A voice that answers only when told to, each text piece lasting one second.
class FakeVoice : public Voice
{
public:
    std::map<quint64, std::vector<SpeechPiece>> asked;
    ReadyHandler ready;

    void setReadyHandler(ReadyHandler handler) override { ready = std::move(handler); }
    void synthesize(quint64 ticket, const std::vector<SpeechPiece>& pieces) override
    {
        asked[ticket] = pieces;
    }
    void answer(quint64 ticket)
    {
        Utterance u;
        u.voiced = true;
        u.sampleRate = 1000;
        for (const SpeechPiece& piece : asked.at(ticket))
            u.pieceMs.push_back(piece.isPause() ? piece.pauseMs : 1000);
        for (int ms : u.pieceMs)
            u.pcm.append(QByteArray(ms * 2, '\0'));
        ready(ticket, u);
    }
};

// The sounds a narrator asked to be played, by their sizes in bytes.
struct Sounds
{
    std::vector<qsizetype> sizes;
    explicit Sounds(MerlinNarrator& n)
    {
        QObject::connect(&n, &MerlinNarrator::speechSound,
            [this](const QByteArray& pcm, int) { sizes.push_back(pcm.size()); });
    }
    int count() const { return static_cast<int>(sizes.size()); }
};

class Merlin : public ::testing::Test
{
protected:
    FakeVoice voice;
    MerlinNarrator merlin { &voice, false };
    std::vector<Kind> started;

    void SetUp() override
    {
        QObject::connect(
            &merlin, &MerlinNarrator::requestStarted, [this](Kind k) { started.push_back(k); });
    }
    void showFully()
    {
        merlin.Show();
        merlin.advance(MerlinNarrator::fadeMs);
    }
};

TEST_F(Merlin, EveryRequestWaitsItsTurnButTopActsAtOnce)
{
    merlin.setPosition(QPoint(300, 300));
    merlin.Show();
    merlin.Play("read");
    merlin.setTop(100);
    merlin.MoveTo(400, 500);
    EXPECT_EQ(merlin.position(), QPoint(300, 100)) << "Top moves the top edge at once, x kept";
    EXPECT_EQ(started, std::vector<Kind>({ Kind::Show }));

    merlin.advance(MerlinNarrator::fadeMs);
    EXPECT_EQ(started, std::vector<Kind>({ Kind::Show, Kind::Play }));
    EXPECT_EQ(merlin.playing(), Gesture::Read);
    merlin.advance(gestureDurationMs(Gesture::Read));
    EXPECT_EQ(started.back(), Kind::MoveTo);
    merlin.advance(10000);
    EXPECT_EQ(merlin.position(), QPoint(400, 500));
    EXPECT_TRUE(merlin.queue().idle());
}

TEST_F(Merlin, ShowOfAVisibleAndHideOfAHiddenCharacterChangeNothing)
{
    merlin.Hide();
    EXPECT_TRUE(merlin.queue().idle()) << "a hidden character's Hide is over at once";
    EXPECT_FALSE(merlin.isShown());

    showFully();
    EXPECT_TRUE(merlin.window().isVisible());
    EXPECT_DOUBLE_EQ(merlin.opacity(), 1.0);
    merlin.Show();
    EXPECT_TRUE(merlin.queue().idle()) << "a visible character's Show is over at once";
    EXPECT_DOUBLE_EQ(merlin.opacity(), 1.0) << "no fade from nothing";

    merlin.Hide();
    merlin.advance(MerlinNarrator::fadeMs / 2);
    EXPECT_TRUE(merlin.window().isVisible());
    EXPECT_LT(merlin.opacity(), 1.0);
    merlin.advance(MerlinNarrator::fadeMs);
    EXPECT_FALSE(merlin.window().isVisible());
}

TEST_F(Merlin, UnknownAnimationsAreSkippedAndKnownOnesMatchInAnyCase)
{
    showFully();
    merlin.Play("dance");
    EXPECT_TRUE(merlin.queue().idle());
    merlin.Play("DOMAGIC1");
    EXPECT_EQ(merlin.playing(), Gesture::DoMagic1);
    merlin.advance(gestureDurationMs(Gesture::DoMagic1) - 1);
    EXPECT_EQ(merlin.playing(), Gesture::DoMagic1);
    merlin.advance(1);
    EXPECT_FALSE(merlin.playing());
}

TEST_F(Merlin, SpeechPlaysItsSoundAndRevealsTheBalloonAsItIsSaid)
{
    Sounds sound(merlin);
    showFully();
    merlin.Speak("\\pau=500\\ciao\\Pau=200\\");
    EXPECT_TRUE(merlin.balloonText().isEmpty()) << "nothing shows before the sound is ready";
    voice.answer(voice.asked.rbegin()->first);
    ASSERT_EQ(sound.count(), 1);
    EXPECT_EQ(sound.sizes[0], (500 + 1000 + 200) * 2);
    EXPECT_TRUE(merlin.balloonShown());
    EXPECT_EQ(merlin.balloonText(), "");
    merlin.advance(500);
    EXPECT_EQ(merlin.balloonText(), "ciao");
    merlin.Hide();
    merlin.advance(1199);
    EXPECT_TRUE(merlin.isShown()) << "a Hide waits for the speech before it";
    merlin.advance(1);
    EXPECT_EQ(started.back(), Kind::Hide);
}

TEST_F(Merlin, SoundMadeAheadIsReadyWhenTheSpeechComesUp)
{
    Sounds sound(merlin);
    showFully();
    merlin.Play("read");
    merlin.Speak("uno");
    voice.answer(voice.asked.rbegin()->first);
    EXPECT_EQ(sound.count(), 0) << "sound waits for the speech's turn";
    merlin.advance(gestureDurationMs(Gesture::Read));
    EXPECT_EQ(sound.count(), 1);
    EXPECT_EQ(merlin.balloonText(), "uno");
}

TEST_F(Merlin, ALongQueueAsksForOnlyAFewSoundsAheadOfTheirTurn)
{
    showFully();
    for (int i = 0; i < 50; ++i)
        merlin.Speak("testo " + std::to_string(i));
    EXPECT_EQ(voice.asked.size(), 3u) << "the running text and the next two";
    voice.answer(1);
    merlin.advance(1000); // the first text is said; the fourth is asked for
    EXPECT_EQ(voice.asked.size(), 4u);
    EXPECT_EQ(voice.asked.rbegin()->first, 4u);
}

TEST_F(Merlin, WithoutAVoiceEachTextShowsForAsLongAsItWouldTakeToSay)
{
    MerlinNarrator mute(nullptr, false);
    Sounds sound(mute);
    mute.Show();
    mute.Speak("uno due tre\\pau=1000\\");
    mute.Play("read");
    const int words = estimatedSpeechMs(QStringLiteral("uno due tre"));
    mute.advance(MerlinNarrator::fadeMs);
    EXPECT_EQ(mute.balloonText(), "uno");
    mute.advance(words);
    EXPECT_EQ(mute.balloonText(), "uno due tre");
    EXPECT_FALSE(mute.playing()) << "the pause is still part of the speech";
    mute.advance(1000);
    EXPECT_EQ(mute.playing(), Gesture::Read);
    EXPECT_EQ(sound.count(), 0);
}

TEST_F(Merlin, ASpeechWhoseSoundNeverComesGoesOnPacedByItsWords)
{
    showFully();
    merlin.Speak("uno");
    merlin.Play("read");
    merlin.advance(MerlinNarrator::voiceWaitMs);
    EXPECT_EQ(merlin.balloonText(), "uno");
    merlin.advance(estimatedSpeechMs(QStringLiteral("uno")));
    EXPECT_EQ(merlin.playing(), Gesture::Read);
    voice.answer(voice.asked.begin()->first); // too late: ignored
    EXPECT_EQ(merlin.playing(), Gesture::Read);
}

TEST_F(Merlin, AVoiceWithoutDataLeavesThePaceToTheWords)
{
    Sounds sound(merlin);
    showFully();
    merlin.Speak("uno due");
    merlin.Play("read");
    voice.ready(voice.asked.begin()->first, Utterance {});
    EXPECT_EQ(sound.count(), 0);
    merlin.advance(estimatedSpeechMs(QStringLiteral("uno due")) - 1);
    EXPECT_EQ(merlin.balloonText(), "uno due");
    merlin.advance(1);
    EXPECT_EQ(merlin.playing(), Gesture::Read);
}

TEST_F(Merlin, TheBalloonLingersBrieflyAfterTheLastWord)
{
    MerlinNarrator mute(nullptr, false);
    mute.Show();
    mute.advance(MerlinNarrator::fadeMs);
    mute.Speak("ciao");
    mute.advance(estimatedSpeechMs(QStringLiteral("ciao")) + MerlinNarrator::balloonLingerMs - 1);
    EXPECT_TRUE(mute.balloonShown());
    mute.advance(1);
    EXPECT_FALSE(mute.balloonShown());
}

TEST_F(Merlin, GlidesToItsTargetButJumpsThereWhileHidden)
{
    merlin.setPosition(QPoint(100, 100));
    merlin.MoveTo(500, 400);
    EXPECT_EQ(merlin.position(), QPoint(500, 400));
    showFully();
    merlin.MoveTo(100, 100);
    merlin.advance(200);
    const QPoint midway = merlin.position();
    EXPECT_GT(midway.x(), 100);
    EXPECT_LT(midway.x(), 500);
    EXPECT_EQ(merlin.window().pos(), midway);
    merlin.advance(5000);
    EXPECT_EQ(merlin.position(), QPoint(100, 100));
}

TEST_F(Merlin, ASceneIsCarriedOutInIssueOrderEndingWhereItLeavesTheCharacter)
{
    MerlinNarrator mute(nullptr, false);
    std::vector<Kind> kinds;
    QObject::connect(&mute, &MerlinNarrator::requestStarted, [&](Kind k) { kinds.push_back(k); });
    sceneControlli(mute);
    EXPECT_EQ(mute.position().y(), 100);
    for (int i = 0; i < 1000 && !mute.queue().idle(); ++i)
        mute.advance(100);
    EXPECT_EQ(kinds,
        std::vector<Kind>({ Kind::Show, Kind::Play, Kind::Speak, Kind::MoveTo, Kind::Play,
            Kind::Speak, Kind::MoveTo, Kind::Play, Kind::Speak, Kind::Speak }));
    EXPECT_EQ(mute.position(), QPoint(850, 300));
    EXPECT_TRUE(mute.isShown());

    sceneDaRicordare(mute);
    mute.advance(60000);
    EXPECT_FALSE(mute.isShown());
}

TEST_F(Merlin, BalloonEndsWithTheWholeTextWithoutItsTags)
{
    MerlinNarrator mute(nullptr, false);
    mute.setFontName("Arial");
    mute.setFontSize(12);
    mute.setLanguageID(1040);
    sceneWelcome(mute);
    mute.advance(MerlinNarrator::fadeMs + 20000);
    mute.Speak(speech::pressExperiment);
    mute.advance(100000);
    EXPECT_EQ(
        mute.balloon().text(), QString::fromStdString(withoutPauseTags(speech::pressExperiment)));
    EXPECT_EQ(mute.languageId(), 1040);
}

TEST(CharacterWindow, FloatsAboveOutOfTheTaskBarAndLetsClicksThroughBesideTheDrawing)
{
    CharacterWindow window;
    window.setPose(idlePose(0), 1);
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(window.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(window.size(), QSize(130, 160));
    const QRegion shape = window.shape();
    EXPECT_TRUE(shape.contains(window.mouth()));
    EXPECT_FALSE(shape.contains(QPoint(2, 2))) << "the corners are see-through";
    EXPECT_FALSE(shape.contains(QPoint(127, 157)));
}

TEST(SpeechBalloon, StandsOnTheSideOfTheCharacterWhereTheScreenHasRoom)
{
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    SpeechBalloon balloon;
    balloon.present(QStringLiteral("per ottenere l'output clicca su esperimento"));
    const QRect nearLeft(room.left() + 10, room.top() + 100, 130, 160);
    balloon.placeBeside(nearLeft, nearLeft.topLeft() + QPoint(65, 68));
    EXPECT_GT(balloon.x(), nearLeft.right());
    const QRect nearRight(room.right() - 140, room.top() + 100, 130, 160);
    balloon.placeBeside(nearRight, nearRight.topLeft() + QPoint(65, 68));
    EXPECT_LT(balloon.x() + balloon.width(), nearRight.left());
}

TEST(NarratorService, LoadsMerlinOnlyAndKeepsOneCharacter)
{
    NarratorService service(true);
    EXPECT_EQ(service.merlin(), nullptr) << "nothing is built before the first load";
    EXPECT_EQ(service.load("genie"), nullptr);
    Narrator* merlin = service.load("merlin");
    ASSERT_NE(merlin, nullptr);
    EXPECT_EQ(service.load("merlin"), merlin);
}

} // namespace
} // namespace quorvel
