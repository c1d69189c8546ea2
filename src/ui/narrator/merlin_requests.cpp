// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What callers ask of the wizard: the requests of the character service, which queue, and
// the window's commands, which act at once. How he carries the requests out in time is in
// merlin_narrator.cpp.
#include "ui/narrator/merlin_narrator.h"

#include "ui/narrator/speech_balloon.h"

namespace quorvel {

namespace {

NarratorRequest request(NarratorRequest::Kind kind, std::string text = {})
{
    NarratorRequest r;
    r.kind = kind;
    r.text = std::move(text);
    return r;
}

} // namespace

void MerlinNarrator::appear()
{
    enqueue(request(NarratorRequest::Kind::Show));
}

void MerlinNarrator::disappear()
{
    enqueue(request(NarratorRequest::Kind::Hide));
}

void MerlinNarrator::speak(const std::string& text)
{
    NarratorRequest speech = request(NarratorRequest::Kind::Speak, text);
    speech.ticket = m_nextTicket++;
    enqueue(std::move(speech));
}

void MerlinNarrator::playAnimation(const std::string& animation)
{
    enqueue(request(NarratorRequest::Kind::Play, animation));
}

void MerlinNarrator::moveTo(std::int16_t x, std::int16_t y)
{
    NarratorRequest move = request(NarratorRequest::Kind::MoveTo);
    move.x = x;
    move.y = y;
    enqueue(std::move(move));
}

void MerlinNarrator::setTop(std::int16_t y)
{
    // A glide under way keeps its target but now sets off from the new row.
    if (m_activity && m_activity->kind == NarratorRequest::Kind::MoveTo)
        m_activity->from.setY(y);
    m_position.setY(y);
    m_windows.place(m_position);
}

void MerlinNarrator::setPosition(QPoint topLeft)
{
    if (m_activity && m_activity->kind == NarratorRequest::Kind::MoveTo)
        m_activity->from = topLeft;
    m_position = topLeft;
    m_restPosition = topLeft;
    m_windows.place(m_position);
}

void MerlinNarrator::setBalloonOn(bool on)
{
    m_windows.setBalloonAllowed(on);
}

void MerlinNarrator::setStage(const Stage& stage)
{
    m_windows.setStage(stage);
}

void MerlinNarrator::setVoiceOn(bool on)
{
    if (on == m_voiceOn)
        return;
    m_voiceOn = on;
    if (!on)
        emit soundStopped();
}

void MerlinNarrator::skip()
{
    if (m_queue.idle())
        return;
    if (m_activity)
        settle(*m_activity);
    m_activity.reset();
    m_queue.clear();
    m_voiceAhead.forget();
    m_windows.setBalloonUp(false);
    emit soundStopped();
    if (m_captionShown)
        emit caption({});
    m_captionShown = false;
    m_captionClearAt = -1;
    refresh();
    noteBusy();
    updateTimer();
}

// A request cut short leaves things as if it had run to its end, but for speech and gestures.
void MerlinNarrator::settle(const Activity& a)
{
    if (a.kind == NarratorRequest::Kind::Hide) {
        m_shown = false;
        m_windows.setWizardUp(false);
    } else if (a.kind == NarratorRequest::Kind::MoveTo) {
        m_position = a.to;
        m_windows.place(m_position);
    }
}

} // namespace quorvel
