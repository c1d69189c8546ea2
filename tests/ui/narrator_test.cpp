// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The wizard: his requests in order and in time, the balloon, and speech without its sound.
#include "core/app/level.h"
#include "core/narrator/readable_speech.h"
#include "core/narrator/scenes.h"
#include "fakes/fakes.h"
#include "ui/narrator/character_window.h"
#include "ui/narrator/merlin_narrator.h"
#include "ui/narrator/speech_balloon.h"
#include "ui/window_test.h" // failures show texts as text

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <set>

namespace quorvel {
namespace {

using Kind = NarratorRequest::Kind;
using Kinds = std::vector<Kind>;

// A voice that answers only when told to, each text piece lasting one second.
class FakeVoice : public Voice
{
public:
    std::map<quint64, std::vector<SpeechPiece>> asked;
    std::set<quint64> answered;
    ReadyHandler ready;

    void setReadyHandler(ReadyHandler handler) override { ready = std::move(handler); }
    void synthesize(quint64 ticket, const std::vector<SpeechPiece>& pieces) override
    {
        asked[ticket] = pieces;
    }
    void answer(quint64 ticket)
    {
        answered.insert(ticket);
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
    QStringList captions;
    int soundsStopped = 0;

    void SetUp() override
    {
        merlin.setStage(wideDesktop());
        watch(merlin);
    }
    void watch(MerlinNarrator& narrator)
    {
        QObject::connect(&narrator, &MerlinNarrator::requestStarted,
            [this](Kind kind) { started.push_back(kind); });
        QObject::connect(&narrator, &MerlinNarrator::speechSound,
            [this](const QByteArray& pcm, int) { sounds.push_back(pcm.size()); });
        QObject::connect(&narrator, &MerlinNarrator::caption,
            [this](const QString& text) { captions.push_back(text); });
        QObject::connect(&narrator, &MerlinNarrator::soundStopped, [this] { ++soundsStopped; });
    }
    // A screen large enough for every scene position, and no window.
    static Stage wideDesktop()
    {
        Stage stage;
        stage.screen = QRect(0, 0, 1920, 1080);
        return stage;
    }
    static void showFully(MerlinNarrator& narrator)
    {
        narrator.appear();
        narrator.advance(MerlinNarrator::fadeMs);
    }
};

// Runs a narrator until its queue is empty, in steps of 100 ms.
void settle(MerlinNarrator& narrator)
{
    for (int i = 0; i < 2000 && !narrator.queue().idle(); ++i)
        narrator.advance(100);
}

TEST_F(Merlin, RequestsWaitTheirTurnButTopActsAtOnce)
{
    merlin.setPosition(QPoint(100, 300));
    merlin.moveTo(300, 300);
    EXPECT_EQ(merlin.position(), QPoint(300, 300)) << "nobody sees a hidden character travel";
    merlin.appear();
    merlin.playAnimation("READ");
    merlin.setTop(100);
    merlin.moveTo(700, 500);
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
    merlin.speak("eccomi");
    for (int i = 0; i < 100 && started.back() != Kind::Speak; ++i)
        merlin.advance(100);
    EXPECT_EQ(merlin.position(), QPoint(700, 500)) << "where the scene took him";
    settle(merlin);
    EXPECT_TRUE(merlin.queue().idle());
    EXPECT_EQ(merlin.position(), QPoint(100, 300)) << "the scene over, back at rest";
}

TEST_F(Merlin, ShowWhenShownAndHideWhenHiddenEndAtOnce)
{
    merlin.disappear();
    EXPECT_TRUE(merlin.queue().idle());
    showFully(merlin);
    EXPECT_TRUE(merlin.window().isVisible());
    merlin.appear();
    merlin.playAnimation("dance");
    EXPECT_TRUE(merlin.queue().idle());
    EXPECT_DOUBLE_EQ(merlin.opacity(), 1.0) << "no fade from nothing";
    merlin.disappear();
    merlin.advance(MerlinNarrator::fadeMs / 2);
    EXPECT_TRUE(merlin.window().isVisible());
    EXPECT_LT(merlin.opacity(), 1.0);
    merlin.advance(MerlinNarrator::fadeMs);
    EXPECT_FALSE(merlin.window().isVisible() || merlin.isShown());
}

TEST_F(Merlin, SpeechPlaysItsSoundAndRevealsTheBalloonAsItIsSaid)
{
    showFully(merlin);
    merlin.speak("\\pau=500\\ciao\\Pau=200\\");
    EXPECT_TRUE(merlin.balloonText().isEmpty()) << "nothing shows before the sound is ready";
    voice.answer(voice.asked.rbegin()->first);
    EXPECT_EQ(sounds, std::vector<qsizetype>({ (500 + 1000 + 200) * 2 }));
    merlin.advance(499);
    EXPECT_FALSE(merlin.balloonShown()) << "no empty balloon through the leading pause";
    EXPECT_TRUE(captions.empty());
    merlin.advance(1);
    EXPECT_EQ(merlin.balloonText(), "Ciao") << "the text comes with its first word";
    EXPECT_EQ(captions, QStringList({ "Ciao" }));
    merlin.disappear();
    merlin.advance(1199);
    EXPECT_TRUE(merlin.isShown()) << "a Hide waits for the speech before it";
    merlin.advance(1);
    EXPECT_EQ(started.back(), Kind::Hide);
}

TEST_F(Merlin, BalloonAndCaptionWaitForTheFirstRealWord)
{
    // Each text piece lasts a second with this voice; dots before a pause are part of it.
    struct Case
    {
        const char* text;
        int firstWordMs;
        const char* shown;
    };
    const Case cases[] = {
        { "ciao", 0, "Ciao" }, { "\\pau=700\\ciao", 700, "Ciao" },
        { ".....\\Pau=2000\\...questo", 3000, "Questo" },
        { "\\pau=300\\....", 1300, "" }, // no word at all: nothing to read
    };
    showFully(merlin);
    for (const auto& [text, firstWordMs, shown] : cases) {
        SCOPED_TRACE(text);
        captions.clear();
        merlin.speak(text);
        voice.answer(voice.asked.rbegin()->first);
        if (firstWordMs > 0) {
            merlin.advance(firstWordMs - 1);
            EXPECT_FALSE(merlin.balloonShown());
            EXPECT_TRUE(captions.empty());
        }
        merlin.advance(1);
        EXPECT_EQ(merlin.balloonText(), shown);
        const QString readable = readableSpeech(text).c_str();
        EXPECT_EQ(captions, readable.isEmpty() ? QStringList() : QStringList({ readable }));
        merlin.advance(10000);
    }
}

TEST_F(Merlin, SoundIsAskedAFewTextsAheadAndPlayedOnItsTurn)
{
    showFully(merlin);
    merlin.playAnimation("read");
    for (int i = 0; i < 50; ++i)
        merlin.speak("testo " + std::to_string(i));
    EXPECT_EQ(voice.asked.size(), 3u) << "the next three texts only";
    voice.answer(1);
    EXPECT_TRUE(sounds.empty()) << "sound waits for the speech's turn";
    merlin.advance(gestureDurationMs(Gesture::Read));
    EXPECT_EQ(sounds.size(), 1u);
    EXPECT_EQ(merlin.balloonText(), "Testo");
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
        narrator.speak("uno due\\pau=1000\\");
        narrator.playAnimation("read");
        if (voicing == AnswersWithoutData)
            silent.ready(silent.asked.begin()->first, Utterance {});
        narrator.advance(voicing == NeverAnswers ? MerlinNarrator::voiceWaitMs : 0);
        EXPECT_EQ(narrator.balloonText(), "Uno");
        narrator.advance(estimatedSpeechMs(QStringLiteral("uno due")) + 999);
        EXPECT_EQ(narrator.balloonText(), "Uno due");
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
    EXPECT_EQ(mute.position(), QPoint(0, 100)) << "the scene over, back at rest";
    mute.speak(speech::pressExperiment); // opens with a pause tag
    settle();
    EXPECT_EQ(mute.balloonText(), readableSpeech(speech::pressExperiment).c_str());
    sceneDaRicordare(mute);
    mute.advance(60000);
    EXPECT_FALSE(mute.isShown());
}

TEST_F(Merlin, CaptionsGiveEverySpokenTextWithoutTagsEvenWhenHeIsHidden)
{
    MerlinNarrator mute(nullptr, false);
    watch(mute);
    sceneLevelChosen(mute, Level::number(2)); // speaks without showing him
    sceneFirstOutput(mute);
    settle(mute);
    EXPECT_FALSE(mute.isShown());
    // Each text as a pupil reads it (narrator/pause_tags_test.cpp), in the order it was said.
    testing::Recorder script;
    testing::FakeNarrator said(script);
    sceneLevelChosen(said, Level::number(2));
    sceneFirstOutput(said);
    QStringList expected;
    for (const std::string& line : script.log)
        if (line.starts_with("Speak "))
            expected << readableSpeech(line.substr(6)).c_str();
    ASSERT_EQ(expected.size(), 7);
    EXPECT_EQ(captions, expected);
    mute.advance(MerlinNarrator::captionLingerMs);
    EXPECT_EQ(captions.back(), QString()) << "the last caption goes once it has been read";
}

TEST_F(Merlin, SkipEndsTheSpeechAndEmptiesTheQueue)
{
    std::vector<bool> busy;
    QObject::connect(&merlin, &MerlinNarrator::busyChanged, [&](bool b) { busy.push_back(b); });
    sceneControlli(merlin);
    voice.answer(1);
    merlin.advance(MerlinNarrator::fadeMs + gestureDurationMs(Gesture::Read) + 400);
    ASSERT_FALSE(merlin.balloonShown());
    merlin.advance(200);
    ASSERT_TRUE(merlin.balloonShown());
    merlin.skip();
    EXPECT_TRUE(merlin.queue().idle());
    EXPECT_FALSE(merlin.balloonShown());
    EXPECT_EQ(soundsStopped, 1) << "the voice stops with him";
    EXPECT_EQ(captions.back(), QString());
    EXPECT_EQ(busy, std::vector<bool>({ true, false }));
    EXPECT_TRUE(merlin.isShown()) << "he stays where he is";
    voice.answer(2); // the sound of a dropped text, too late
    merlin.speak("ancora");
    EXPECT_TRUE(merlin.isBusy());
    voice.answer(voice.asked.rbegin()->first);
    EXPECT_EQ(sounds.size(), 2u) << "the first text's and the new one's, not the dropped one's";
    merlin.skip();
    merlin.skip(); // nothing left: nothing happens
    EXPECT_EQ(soundsStopped, 2);
}

TEST_F(Merlin, WithoutTheVoiceEverythingKeepsTheVoicesTime)
{
    FakeVoice otherVoice;
    MerlinNarrator muted(&otherVoice, false);
    muted.setStage(wideDesktop());
    muted.setVoiceOn(false);
    std::vector<qsizetype> mutedSounds;
    QObject::connect(&muted, &MerlinNarrator::speechSound,
        [&](const QByteArray& pcm, int) { mutedSounds.push_back(pcm.size()); });
    const auto state = [](MerlinNarrator& n) {
        return QString("%1 %2,%3 %4 %5")
            .arg(n.queue().waiting())
            .arg(n.position().x())
            .arg(n.position().y())
            .arg(n.balloonText())
            .arg(n.playing() ? static_cast<int>(*n.playing()) : -1);
    };
    sceneControlli(merlin);
    sceneControlli(muted);
    for (int ms = 0; ms < 40000; ms += 50) {
        for (FakeVoice* v : { &voice, &otherVoice })
            for (const auto& [ticket, pieces] : v->asked)
                if (!v->answered.contains(ticket))
                    v->answer(ticket);
        ASSERT_EQ(state(muted), state(merlin)) << "at " << ms << " ms";
        merlin.advance(50);
        muted.advance(50);
    }
    EXPECT_TRUE(muted.queue().idle());
    EXPECT_EQ(sounds.size(), 4u);
    EXPECT_TRUE(mutedSounds.empty());
}

TEST_F(Merlin, StandsOnTheWindowsStageFollowsItAndHidesWithIt)
{
    Stage stage = wideDesktop();
    stage.origin = QPoint(300, 120);
    stage.scale = 1.5;
    merlin.setStage(stage);
    showFully(merlin);
    merlin.moveTo(600, 250);
    merlin.speak("ciao"); // the scene goes on: he stays where it took him
    merlin.advance(2000);
    EXPECT_EQ(merlin.window().geometry(), QRect(1200, 495, 195, 240));
    stage.origin += QPoint(-100, 40); // the window moved
    merlin.setStage(stage);
    EXPECT_EQ(merlin.window().pos(), QPoint(1100, 535));
    stage.visible = false; // minimised
    merlin.setStage(stage);
    merlin.advance(0);
    voice.answer(voice.asked.rbegin()->first);
    EXPECT_FALSE(merlin.window().isVisible() || merlin.balloon().isVisible());
    EXPECT_TRUE(merlin.isShown() && merlin.balloonShown());
    stage.visible = true;
    merlin.setStage(stage);
    EXPECT_TRUE(merlin.window().isVisible() && merlin.balloon().isVisible());
}

TEST_F(Merlin, BalloonStandsAwayFromTheKeyHePointsAt)
{
    // His own left is the pupil's right: "gestureleft" points to the right of the screen.
    struct Case
    {
        const char* gesture;
        bool balloonOnHisRight;
    };
    for (const auto& [gesture, onRight] : { Case { "gestureleft", false },
             Case { "gestureright", true }, Case { "GestureDown", false } }) {
        SCOPED_TRACE(gesture);
        MerlinNarrator narrator(nullptr, false);
        narrator.setStage(wideDesktop());
        showFully(narrator);
        narrator.moveTo(700, 400);
        narrator.playAnimation(gesture);
        narrator.speak("cliccando su operazioni");
        settle(narrator);
        narrator.advance(0);
        ASSERT_TRUE(narrator.balloonShown());
        EXPECT_EQ(narrator.balloon().x() > narrator.window().x(), onRight);
    }
}

} // namespace
} // namespace quorvel
