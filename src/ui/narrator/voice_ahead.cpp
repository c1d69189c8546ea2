// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/narrator/voice_ahead.h"

namespace quorvel {

void VoiceAhead::askAhead(const RequestQueue& queue)
{
    if (!m_voice)
        return;
    int ahead = 0;
    auto ask = [&](const NarratorRequest& r) {
        if (r.kind != NarratorRequest::Kind::Speak)
            return;
        if (r.ticket > m_lastAskedTicket) {
            m_voice->synthesize(r.ticket, splitSpeech(r.text));
            m_lastAskedTicket = r.ticket;
        }
        ++ahead;
    };
    if (const NarratorRequest* running = queue.current())
        ask(*running);
    for (const NarratorRequest& r : queue.waitingRequests()) {
        if (ahead >= aheadTexts)
            break;
        ask(r);
    }
}

std::optional<Utterance> VoiceAhead::take(quint64 ticket)
{
    m_lastSpokenTicket = ticket;
    const auto ready = m_ready.find(ticket);
    if (ready == m_ready.end())
        return std::nullopt;
    Utterance utterance = std::move(ready->second);
    m_ready.erase(ready);
    return utterance;
}

void VoiceAhead::forget()
{
    m_ready.clear();
    m_lastSpokenTicket = m_lastAskedTicket;
}

void VoiceAhead::keep(quint64 ticket, const Utterance& utterance)
{
    if (ticket > m_lastSpokenTicket)
        m_ready[ticket] = utterance;
}

} // namespace quorvel
