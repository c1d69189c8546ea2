// The wizard: his requests in order and in time, the balloon, and speech without its sound.
#include "core/narrator/scenes.h"
#include "ui/narrator/character_window.h"
#include "ui/narrator/merlin_narrator.h"
#include "ui/narrator/speech_balloon.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <map>
#include <numeric>

namespace quorvel {
namespace {

using Kind = NarratorRequest::Kind;
using Kinds = std::vector<Kind>;

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
        Utterance u { {}, 1000, {}, true };
        for (const SpeechPiece& piece : asked.at(ticket))
            u.pieceMs.push_back(piece.isPause() ? piece.pauseMs : 1000);
        u.pcm = QByteArray(2 * std::accumulate(u.pieceMs.begin(), u.pieceMs.end(), 0), '\0');
        ready(ticket, u);
    }
};

// The character on a fake voice; time moves only through advance().
class Merlin : public ::testing::Test
{
protected:
    FakeVoice voice;
    MerlinNarrator merlin { &voice, false };
    Kinds started; // the requests as they reached the head of the queue
    std::vector<qsizetype> sounds; // the sounds asked to be played, by their sizes in bytes

    void SetUp() override { watch(merlin); }
    void watch(MerlinNarrator& narrator)
    {
        QObject::connect(&narrator, &MerlinNarrator::requestStarted,
            [this](Kind kind) { started.push_back(kind); });
        QObject::connect(&narrator, &MerlinNarrator::speechSound,
            [this](const QByteArray& pcm, int) { sounds.push_back(pcm.size()); });
    }
    static void showFully(MerlinNarrator& narrator)
    {
        narrator.Show();
        narrator.advance(MerlinNarrator::fadeMs);
    }
};

TEST_F(Merlin, RequestsWaitTheirTurnButTopActsAtOnce)
{
    merlin.setPosition(QPoint(100, 300));
    merlin.MoveTo(300, 300);
    EXPECT_EQ(merlin.position(), QPoint(300, 300)) << "nobody sees a hidden character travel";
    merlin.Show();
    merlin.Play("READ");
    merlin.setTop(100);
    merlin.MoveTo(700, 500);
    EXPECT_EQ(merlin.position(), QPoint(300, 100)) << "Top moves the top edge at once, x kept";
    EXPECT_EQ(started, Kinds({ Kind::MoveTo, Kind::Show }));
    merlin.advance(MerlinNarrator::fadeMs);
    EXPECT_EQ(started.back(), Kind::Play);
    merlin.advance(gestureDurationMs(Gesture::Read) - 1);
    EXPECT_EQ(merlin.playing(), Gesture::Read);
    merlin.advance(1);
    EXPECT_EQ(started.back(), Kind::MoveTo);
    merlin.advance(200);
    EXPECT_TRUE(merlin.position().x() > 300 && merlin.position().x() < 700) << "on its way";
    EXPECT_EQ(merlin.window().pos(), merlin.position());
    merlin.advance(10000);
    EXPECT_EQ(merlin.position(), QPoint(700, 500));
    EXPECT_TRUE(merlin.queue().idle());
}

TEST_F(Merlin, ShowWhenShownAndHideWhenHiddenEndAtOnce)
{
    merlin.Hide();
    EXPECT_TRUE(merlin.queue().idle());
    showFully(merlin);
    EXPECT_TRUE(merlin.window().isVisible());
    merlin.Show();
    merlin.Play("dance");
    EXPECT_TRUE(merlin.queue().idle());
    EXPECT_DOUBLE_EQ(merlin.opacity(), 1.0) << "no fade from nothing";
    merlin.Hide();
    merlin.advance(MerlinNarrator::fadeMs / 2);
    EXPECT_TRUE(merlin.window().isVisible());
    EXPECT_LT(merlin.opacity(), 1.0);
    merlin.advance(MerlinNarrator::fadeMs);
    EXPECT_FALSE(merlin.window().isVisible() || merlin.isShown());
}

TEST_F(Merlin, SpeechPlaysItsSoundAndRevealsTheBalloonAsItIsSaid)
{
    showFully(merlin);
    merlin.Speak("\\pau=500\\ciao\\Pau=200\\");
    EXPECT_TRUE(merlin.balloonText().isEmpty()) << "nothing shows before the sound is ready";
    voice.answer(voice.asked.rbegin()->first);
    EXPECT_EQ(sounds, std::vector<qsizetype>({ (500 + 1000 + 200) * 2 }));
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

TEST_F(Merlin, SoundIsAskedAFewTextsAheadAndPlayedOnItsTurn)
{
    showFully(merlin);
    merlin.Play("read");
    for (int i = 0; i < 50; ++i)
        merlin.Speak("testo " + std::to_string(i));
    EXPECT_EQ(voice.asked.size(), 3u) << "the next three texts only";
    voice.answer(1);
    EXPECT_TRUE(sounds.empty()) << "sound waits for the speech's turn";
    merlin.advance(gestureDurationMs(Gesture::Read));
    EXPECT_EQ(sounds.size(), 1u);
    EXPECT_EQ(merlin.balloonText(), "testo");
    merlin.advance(1000); // the first text is said; the fourth is asked for
    EXPECT_EQ(voice.asked.rbegin()->first, 4u);
}

TEST_F(Merlin, WithoutItsSoundASpeechIsPacedByItsWords)
{
    enum Voicing { NoVoice, NeverAnswers, AnswersWithoutData };
    for (const Voicing voicing : { NoVoice, NeverAnswers, AnswersWithoutData }) {
        SCOPED_TRACE(voicing);
        FakeVoice silent;
        MerlinNarrator narrator(voicing == NoVoice ? nullptr : &silent, false);
        watch(narrator);
        showFully(narrator);
        narrator.Speak("uno due\\pau=1000\\");
        narrator.Play("read");
        if (voicing == AnswersWithoutData)
            silent.ready(silent.asked.begin()->first, Utterance {});
        narrator.advance(voicing == NeverAnswers ? MerlinNarrator::voiceWaitMs : 0);
        EXPECT_EQ(narrator.balloonText(), "uno");
        narrator.advance(estimatedSpeechMs(QStringLiteral("uno due")) + 999);
        EXPECT_EQ(narrator.balloonText(), "uno due");
        EXPECT_FALSE(narrator.playing()) << "the pause is still part of the speech";
        if (voicing == NeverAnswers)
            silent.answer(silent.asked.begin()->first); // too late: ignored
        narrator.advance(1);
        EXPECT_EQ(narrator.playing(), Gesture::Read);
        narrator.advance(MerlinNarrator::balloonLingerMs - 1);
        EXPECT_TRUE(narrator.balloonShown()) << "the balloon lingers after the last word";
        narrator.advance(1);
        EXPECT_FALSE(narrator.balloonShown());
    }
    EXPECT_TRUE(sounds.empty());
}

TEST_F(Merlin, ScenesRunInIssueOrderAndShowTheWholeTextUntagged)
{
    MerlinNarrator mute(nullptr, false);
    watch(mute);
    const auto settle = [&] {
        for (int i = 0; i < 1000 && !mute.queue().idle(); ++i)
            mute.advance(100);
    };
    sceneControlli(mute);
    EXPECT_EQ(mute.position().y(), 100);
    settle();
    EXPECT_EQ(started,
        Kinds({ Kind::Show, Kind::Play, Kind::Speak, Kind::MoveTo, Kind::Play, Kind::Speak,
            Kind::MoveTo, Kind::Play, Kind::Speak, Kind::Speak }));
    EXPECT_EQ(mute.position(), QPoint(850, 300));
    mute.Speak(speech::pressExperiment); // opens with a pause tag
    settle();
    EXPECT_EQ(mute.balloonText(), withoutPauseTags(speech::pressExperiment).c_str());
    sceneDaRicordare(mute);
    mute.advance(60000);
    EXPECT_FALSE(mute.isShown());
}

TEST(SpeechBalloon, StandsOnTheSideOfTheCharacterWhereThereIsRoom)
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

} // namespace
} // namespace quorvel
