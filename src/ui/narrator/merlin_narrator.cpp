// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/narrator/merlin_narrator.h"

#include "ui/narrator/character_window.h"
#include "ui/narrator/speech_balloon.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

constexpr int busyFrameMs = 33;
constexpr int idleFrameMs = 4000; // the longest sleep at rest
constexpr double glidePixelsPerMs = 0.8;
constexpr int shortestGlideMs = 250;
constexpr int longestGlideMs = 1000;
constexpr int mouthCycleMs = 220;

double smooth(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Just right of the machine's face, level with its clip.
constexpr QPointF firstPosition { 800, 100 };

} // namespace

MerlinNarrator::MerlinNarrator(Voice* voice, bool realTime, QObject* parent)
    : QObject(parent)
    , m_voice(voice)
    , m_realTime(realTime)
    , m_queue([this](const NarratorRequest& request) { start(request); })
    , m_voiceAhead(voice)
    , m_position(firstPosition)
{
    if (m_voice)
        m_voice->setReadyHandler([this](quint64 ticket, const Utterance& utterance) {
            onVoiceReady(ticket, utterance);
        });
    m_advanceTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_advanceTimer, &QTimer::timeout, this,
        [this] { advance(static_cast<int>(m_sinceFrame.restart())); });
}

MerlinNarrator::~MerlinNarrator()
{
    if (m_voice)
        m_voice->setReadyHandler({});
}

double MerlinNarrator::opacity() const
{
    return m_shown ? m_windows.character().opacity() : 0.0;
}

std::optional<Gesture> MerlinNarrator::playing() const
{
    return m_activity ? m_activity->gesture : std::nullopt;
}

bool MerlinNarrator::balloonShown() const
{
    return m_windows.balloonUp();
}

QString MerlinNarrator::balloonText() const
{
    return balloonShown() ? m_windows.balloon().shownText() : QString();
}

void MerlinNarrator::enqueue(NarratorRequest request)
{
    // A pupil who asks for scene after scene faster than the wizard can speak would make the
    // queue grow without end; past several minutes of waiting scenes, new requests are dropped.
    if (m_queue.waiting() >= maxWaitingRequests)
        return;
    m_queue.push(std::move(request));
    m_voiceAhead.askAhead(m_queue);
    noteBusy();
    updateTimer();
}

void MerlinNarrator::start(const NarratorRequest& request)
{
    using Kind = NarratorRequest::Kind;
    emit requestStarted(request.kind);
    m_voiceAhead.askAhead(m_queue);
    Activity& a = m_activity.emplace();
    a.kind = request.kind;
    switch (request.kind) {
    case Kind::Show:
        if (m_shown)
            return complete();
        m_shown = true;
        a.durationMs = fadeMs;
        showWindows();
        break;
    case Kind::Hide:
        if (!m_shown)
            return complete();
        a.durationMs = fadeMs;
        m_pointing.reset();
        m_windows.setBalloonUp(false);
        break;
    case Kind::Play:
        a.gesture = gestureByName(request.text);
        if (!a.gesture)
            return complete();
        a.durationMs = gestureDurationMs(*a.gesture);
        if (const std::optional<Side> side = pointsTowards(*a.gesture))
            m_pointing = side;
        break;
    case Kind::MoveTo:
        m_pointing.reset();
        return startGlide(request);
    case Kind::Speak:
        return startSpeaking(request);
    }
    refresh();
}

void MerlinNarrator::startGlide(const NarratorRequest& request)
{
    Activity& a = *m_activity;
    a.from = m_position;
    a.to = QPointF(request.x, request.y);
    const QPointF way = a.to - a.from;
    const double distance = std::hypot(way.x(), way.y());
    // Nobody sees a hidden character travel.
    if (!m_shown || distance < 0.5) {
        m_position = a.to;
        m_windows.place(m_position);
        return complete();
    }
    a.durationMs = std::clamp(
        static_cast<int>(distance / glidePixelsPerMs), shortestGlideMs, longestGlideMs);
    refresh();
}

void MerlinNarrator::startSpeaking(const NarratorRequest& request)
{
    Activity& a = *m_activity;
    a.ticket = request.ticket;
    a.pieces = splitSpeech(request.text);
    if (const std::optional<Utterance> ready = m_voiceAhead.take(request.ticket))
        return beginSpeech(*ready);
    if (!m_voice)
        return beginSpeech(Utterance {});
    a.waitingForVoice = true;
}

void MerlinNarrator::beginSpeech(const Utterance& utterance)
{
    Activity& a = *m_activity;
    a.waitingForVoice = false;
    a.elapsedMs = 0;
    a.timeline = SpeechTimeline(
        a.pieces, utterance.voiced ? utterance.pieceMs : estimatedPieceMs(a.pieces));
    a.durationMs = a.timeline.totalMs();
    // The balloon of the text before goes; this one comes with its first word.
    m_windows.setBalloonUp(false);
    if (utterance.voiced && m_voiceOn)
        emit speechSound(utterance.pcm, utterance.sampleRate);
    if (a.durationMs == 0)
        return complete();
    refresh();
}

void MerlinNarrator::startSaying(Activity& a)
{
    a.said = true;
    const QString& text = a.timeline.displayText();
    if (text.isEmpty())
        return;
    emit caption(text);
    m_captionShown = true;
    m_captionClearAt = -1;
    if (m_shown)
        m_windows.presentBalloon(text, m_pointing);
}

void MerlinNarrator::onVoiceReady(quint64 ticket, const Utterance& utterance)
{
    if (m_activity && m_activity->waitingForVoice && m_activity->ticket == ticket)
        return beginSpeech(utterance);
    m_voiceAhead.keep(ticket, utterance);
}

void MerlinNarrator::advance(int ms)
{
    int left = std::max(ms, 0);
    while (m_activity && left > 0) {
        const int used = step(left);
        left -= used;
    }
    m_clockMs += left;
    const bool speaking = m_activity && m_activity->kind == NarratorRequest::Kind::Speak;
    if (!speaking && m_windows.balloonUp() && m_clockMs >= m_balloonHideAt)
        m_windows.setBalloonUp(false);
    if (!speaking && m_captionClearAt >= 0 && m_clockMs >= m_captionClearAt) {
        m_captionClearAt = -1;
        m_captionShown = false;
        emit caption({});
    }
    refresh();
    updateTimer();
}

// Moves the running request on by at most ms and says how much of it was used.
int MerlinNarrator::step(int ms)
{
    Activity& a = *m_activity;
    const int limit = a.waitingForVoice ? voiceWaitMs : a.durationMs;
    const int used = std::clamp(limit - a.elapsedMs, 0, ms);
    a.elapsedMs += used;
    m_clockMs += used;
    if (a.elapsedMs < limit)
        return used;
    if (a.waitingForVoice)
        beginSpeech(Utterance {});
    else
        complete();
    return used;
}

void MerlinNarrator::complete()
{
    using Kind = NarratorRequest::Kind;
    if (m_activity->kind == Kind::Speak && !m_activity->said)
        startSaying(*m_activity);
    const Activity done = std::move(*m_activity);
    m_activity.reset();
    if (done.kind == Kind::Hide) {
        m_shown = false;
        m_windows.setWizardUp(false);
        goToRest(); // the next scene shows him there
    } else if (done.kind == Kind::MoveTo) {
        m_position = done.to;
    } else if (done.kind == Kind::Speak) {
        balloon().setRevealed(static_cast<int>(done.timeline.displayText().size()));
        m_balloonHideAt = m_clockMs + balloonLingerMs;
        if (!done.timeline.displayText().isEmpty())
            m_captionClearAt = m_clockMs + captionLingerMs;
    }
    refresh();
    m_queue.finishCurrent();
    noteBusy();
}

void MerlinNarrator::refresh()
{
    using Kind = NarratorRequest::Kind;
    const int clock = static_cast<int>(m_clockMs % 1'000'000'000);
    WizardPose pose = idlePose(clock);
    double fade = 1;
    if (m_activity) {
        Activity& a = *m_activity;
        const double t = a.durationMs > 0 ? double(a.elapsedMs) / a.durationMs : 1.0;
        if (a.gesture)
            pose = gesturePose(*a.gesture, a.elapsedMs, clock);
        if (a.kind == Kind::Show)
            fade = t;
        if (a.kind == Kind::Hide)
            fade = 1 - t;
        if (a.kind == Kind::MoveTo)
            m_position = a.from + (a.to - a.from) * smooth(t);
        if (a.kind == Kind::Speak && !a.waitingForVoice) {
            if (a.timeline.isSayingAt(a.elapsedMs))
                pose.mouthOpen
                    = 0.5 + 0.5 * std::sin(2 * 3.14159265 * (clock % mouthCycleMs) / mouthCycleMs);
            if (!a.said && a.elapsedMs >= a.timeline.firstWordMs())
                startSaying(a);
            balloon().setRevealed(a.timeline.revealedAt(a.elapsedMs));
        }
    }
    if (!m_shown)
        return;
    window().setPose(pose, fade);
    m_windows.place(m_position);
}

void MerlinNarrator::showWindows()
{
    window().setPose(idlePose(static_cast<int>(m_clockMs % 1'000'000'000)), 0);
    m_windows.place(m_position);
    m_windows.setWizardUp(true);
}

void MerlinNarrator::goToRest()
{
    if (m_position == m_restPosition)
        return;
    m_position = m_restPosition;
    m_windows.place(m_position);
}

void MerlinNarrator::noteBusy()
{
    const bool busy = isBusy();
    if (busy == m_busy)
        return;
    m_busy = busy;
    // The scene is over: he goes back to his place at rest, off wherever it took him.
    if (!busy && m_shown)
        goToRest();
    emit busyChanged(busy);
}

void MerlinNarrator::updateTimer()
{
    if (!m_realTime)
        return;
    const bool needed = m_shown || !m_queue.idle() || m_captionClearAt >= 0;
    if (!needed) {
        m_advanceTimer.stop();
        return;
    }
    // At rest the next frame is due when the pose next changes (a blink) or the balloon goes.
    int interval = busyFrameMs;
    if (!m_activity) {
        const int clock = static_cast<int>(m_clockMs % 1'000'000'000);
        interval = msUntilIdleChange(clock);
        if (m_windows.balloonUp())
            interval = std::min<qint64>(interval, std::max<qint64>(m_balloonHideAt - m_clockMs, 0));
        if (m_captionClearAt >= 0)
            interval
                = std::min<qint64>(interval, std::max<qint64>(m_captionClearAt - m_clockMs, 0));
        interval = std::clamp(interval + 1, busyFrameMs, idleFrameMs);
    }
    if (!m_advanceTimer.isActive())
        m_sinceFrame.start();
    if (!m_advanceTimer.isActive() || m_advanceTimer.interval() != interval || !m_activity)
        m_advanceTimer.start(interval);
}

} // namespace quorvel
