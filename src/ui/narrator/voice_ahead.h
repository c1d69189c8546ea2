// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/narrator/request_queue.h"
#include "ui/narrator/voice.h"

#include <map>
#include <optional>

namespace quorvel {

// The sounds of the texts the wizard is about to say. The sound of the running text and of
// the next few is asked for ahead of their turn, so it is ready when they start; texts further
// back wait, so a long queue never holds more than a few sounds in memory however often the
// pupil asks for a scene.
class VoiceAhead
{
public:
    explicit VoiceAhead(Voice* voice)
        : m_voice(voice)
    {
    }

    // Asks for the sounds of the running request and the next few Speaks of the queue.
    void askAhead(const RequestQueue& queue);
    // The sound of a Speak that now starts, if it has arrived. Sounds of this Speak that
    // arrive later are not kept: it goes on without them.
    std::optional<Utterance> take(quint64 ticket);
    // Drops the sounds kept, and those still to come, of every text asked for so far.
    void forget();
    // Keeps a sound that arrived before its Speak started.
    void keep(quint64 ticket, const Utterance& utterance);

private:
    static constexpr int aheadTexts = 3;

    Voice* m_voice;
    std::map<quint64, Utterance> m_ready;
    quint64 m_lastSpokenTicket = 0;
    quint64 m_lastAskedTicket = 0;
};

} // namespace quorvel
