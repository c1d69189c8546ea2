// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/ports.h"
#include "ui/narrator/request_queue.h"
#include "ui/narrator/speech_timeline.h"
#include "ui/narrator/voice.h"
#include "ui/narrator/voice_ahead.h"
#include "ui/narrator/wizard_animations.h"
#include "ui/narrator/wizard_windows.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointF>
#include <QTimer>

#include <memory>
#include <optional>

namespace quorvel {

// The character "merlin": takes the core's requests, queues them and carries them out one by
// one on the desktop, beside the machine's window (its stage). Time moves on only through
// advance(): a frame timer calls it with the real time elapsed, and tests call it with
// whatever steps they like.
class MerlinNarrator : public QObject, public Narrator
{
    Q_OBJECT

public:
    static constexpr int fadeMs = 300;
    // How long a Speak waits for its sound before it goes on without it.
    static constexpr int voiceWaitMs = 1500;
    // How long the balloon stays after the last word when nothing else is said.
    static constexpr int balloonLingerMs = 1200;
    // How long a caption stays after the last word when nothing else is said.
    static constexpr int captionLingerMs = 3000;

    // voice may be null: every text is then paced by its words. Without realTime no timer
    // runs and only advance() moves things on.
    MerlinNarrator(Voice* voice, bool realTime, QObject* parent = nullptr);
    ~MerlinNarrator() override;

    void appear() override;
    void disappear() override;
    void speak(const std::string& text) override;
    void playAnimation(const std::string& animation) override;
    void moveTo(std::int16_t x, std::int16_t y) override;
    void setTop(std::int16_t y) override;
    void setLanguage(const std::string& tag) override { m_language = tag; }
    void stopAll() override { skip(); }

    // Where the character stands before any request places it (scene pixels, top-left), and
    // where he goes back to after each scene and after "Salta": his place at rest.
    void setPosition(QPoint topLeft);
    // Where scene positions land on the screen; the desktop itself until a window says.
    void setStage(const Stage& stage);
    void advance(int ms);

    // Without the voice the texts keep the voice's timing; only the sound is left out.
    void setVoiceOn(bool on);
    // Whether his balloon writes what he says; off, the captions below the machine do.
    void setBalloonOn(bool on);
    bool voiceOn() const { return m_voiceOn; }
    // Ends the running request at once, a speech included, and drops every waiting one.
    void skip();
    // Speaking, or with requests waiting.
    bool isBusy() const { return !m_queue.idle(); }

    bool isShown() const { return m_shown; }
    QPoint position() const { return m_position.toPoint(); }
    double opacity() const;
    std::optional<Gesture> playing() const;
    bool balloonShown() const;
    QString balloonText() const;
    const RequestQueue& queue() const { return m_queue; }
    const std::string& language() const { return m_language; }
    CharacterWindow& window() { return m_windows.character(); }
    SpeechBalloon& balloon() { return m_windows.balloon(); }
    const Stage& stage() const { return m_windows.stage(); }

signals:
    // A request has reached the head of the queue.
    void requestStarted(NarratorRequest::Kind kind);
    // A Speak's sound, to be played from now on.
    void speechSound(const QByteArray& pcm, int sampleRate);
    // The sound being played is to stop at once.
    void soundStopped();
    // A text without its tags as its first word is said; an empty text once it has been
    // given time to be read and nothing else was said.
    void caption(const QString& text);
    void busyChanged(bool busy);

private:
    struct Activity
    {
        NarratorRequest::Kind kind = NarratorRequest::Kind::Show;
        int elapsedMs = 0;
        int durationMs = 0;
        QPointF from;
        QPointF to;
        std::optional<Gesture> gesture;
        quint64 ticket = 0;
        std::vector<SpeechPiece> pieces;
        bool waitingForVoice = false;
        bool said = false; // the first word has been said
        SpeechTimeline timeline;
    };

    void enqueue(NarratorRequest request);
    void start(const NarratorRequest& request);
    void startGlide(const NarratorRequest& request);
    void startSpeaking(const NarratorRequest& request);
    void beginSpeech(const Utterance& utterance);
    void onVoiceReady(quint64 ticket, const Utterance& utterance);
    void startSaying(Activity& a);
    int step(int ms);
    void complete();
    void refresh();
    void settle(const Activity& a);
    void showWindows();
    void goToRest();
    void noteBusy();
    void updateTimer();

    Voice* m_voice;
    bool m_realTime;
    WizardWindows m_windows;
    RequestQueue m_queue;
    std::optional<Activity> m_activity;
    VoiceAhead m_voiceAhead;
    quint64 m_nextTicket = 1;
    static constexpr std::size_t maxWaitingRequests = 400;
    QPointF m_position;
    QPointF m_restPosition { 0, 100 }; // at the top of his stage, as every scene begins
    std::optional<Side> m_pointing; // where the last gesture at this place pointed
    bool m_shown = false;
    bool m_voiceOn = true;
    bool m_busy = false;
    qint64 m_clockMs = 0;
    qint64 m_balloonHideAt = 0;
    bool m_captionShown = false;
    qint64 m_captionClearAt = -1; // -1: not due
    std::string m_language;
    QTimer m_advanceTimer;
    QElapsedTimer m_sinceFrame;
};

} // namespace quorvel
