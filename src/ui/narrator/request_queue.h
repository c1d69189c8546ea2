// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace quorvel {

// A request that waits its turn: Show, Hide, Speak, Play and MoveTo are carried out one after
// the other in the order they were issued.
struct NarratorRequest
{
    enum class Kind { Show, Hide, Speak, Play, MoveTo };

    Kind kind = Kind::Show;
    std::string text; // Speak: the speech text; Play: the animation name
    int x = 0; // MoveTo
    int y = 0;
    quint64 ticket = 0; // Speak: the voice's ticket, in the order the texts were issued
};

// Holds the waiting requests and starts each in turn. Nothing here keeps time: whoever carries
// a request out says when it has finished, so the queue is driven by real timers in the window
// and by explicit steps in the tests.
class RequestQueue
{
public:
    using Starter = std::function<void(const NarratorRequest&)>;

    explicit RequestQueue(Starter start);

    // Starts the request at once when nothing is running.
    void push(NarratorRequest request);
    // The running request is over: the next one starts, possibly finishing straight away too.
    void finishCurrent();
    // Drops every request, the running one included, without starting anything.
    void clear();

    const NarratorRequest* current() const { return m_current ? &*m_current : nullptr; }
    std::size_t waiting() const { return m_waiting.size(); }
    const std::deque<NarratorRequest>& waitingRequests() const { return m_waiting; }
    bool idle() const { return !m_current && m_waiting.empty(); }

private:
    void startNext();

    Starter m_start;
    std::deque<NarratorRequest> m_waiting;
    std::optional<NarratorRequest> m_current;
    bool m_starting = false;
    bool m_finishedWhileStarting = false;
};

} // namespace quorvel
