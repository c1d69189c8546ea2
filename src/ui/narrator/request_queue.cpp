// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/narrator/request_queue.h"

namespace quorvel {

RequestQueue::RequestQueue(Starter start)
    : m_start(std::move(start))
{
}

void RequestQueue::push(NarratorRequest request)
{
    m_waiting.push_back(std::move(request));
    if (!m_current && !m_starting)
        startNext();
}

void RequestQueue::finishCurrent()
{
    // A request that ends inside its own start (a Show of a visible character) must not
    // start the next one from within the starter: the loop in startNext does that.
    if (m_starting) {
        m_finishedWhileStarting = true;
        return;
    }
    m_current.reset();
    startNext();
}

void RequestQueue::clear()
{
    m_waiting.clear();
    m_current.reset();
    m_finishedWhileStarting = m_starting;
}

void RequestQueue::startNext()
{
    while (!m_current && !m_waiting.empty()) {
        m_current = std::move(m_waiting.front());
        m_waiting.pop_front();
        m_starting = true;
        m_finishedWhileStarting = false;
        m_start(*m_current);
        m_starting = false;
        if (m_finishedWhileStarting)
            m_current.reset();
    }
}

} // namespace quorvel
