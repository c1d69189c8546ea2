// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/effects/pcm_stream.h"

#include <algorithm>
#include <utility>

namespace quorvel {

namespace {

constexpr std::size_t bytesPerSample = 2;

} // namespace

PcmStream::PcmStream(std::unique_ptr<PcmSink> sink)
    : m_sink(std::move(sink))
    , m_thread([this] { run(); })
{
}

PcmStream::~PcmStream()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
        ++m_generation;
    }
    m_wake.notify_all();
    m_thread.join();
}

void PcmStream::play(QByteArray pcm, int sampleRate)
{
    {
        std::lock_guard lock(m_mutex);
        m_pending = std::move(pcm);
        m_pendingRate = sampleRate;
        m_hasPending = true;
        m_flushWanted = true;
        ++m_generation;
    }
    m_wake.notify_all();
}

void PcmStream::stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_pending.clear();
        m_hasPending = false;
        m_flushWanted = true;
        ++m_generation;
    }
    m_wake.notify_all();
}

void PcmStream::waitUntilIdle()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_busy && !m_hasPending && !m_flushWanted; });
}

bool PcmStream::superseded(std::uint64_t generation)
{
    std::lock_guard lock(m_mutex);
    return generation != m_generation;
}

void PcmStream::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_quit || m_hasPending || m_flushWanted; });
        if (m_quit)
            break;
        const QByteArray pcm = std::exchange(m_pending, {});
        const int sampleRate = m_pendingRate;
        const bool play = std::exchange(m_hasPending, false);
        const bool flush = std::exchange(m_flushWanted, false);
        const std::uint64_t generation = m_generation;
        m_busy = true;
        lock.unlock();

        // What the output still holds of the sound before is cut off first.
        if (flush && m_openRate != 0)
            m_sink->flush();
        if (play)
            playOne(pcm, sampleRate, generation);

        lock.lock();
        m_busy = false;
        m_idle.notify_all();
    }
    lock.unlock();
    if (m_openRate != 0) {
        m_sink->flush();
        m_sink->close();
    }
}

void PcmStream::playOne(const QByteArray& pcm, int sampleRate, std::uint64_t generation)
{
    if (sampleRate <= 0)
        return;
    if (sampleRate != m_openRate) {
        if (m_openRate != 0)
            m_sink->close();
        m_openRate = m_sink->open(sampleRate) ? sampleRate : 0;
        if (m_openRate == 0)
            return;
    }
    const std::size_t chunk = std::max<std::size_t>(
        bytesPerSample, static_cast<std::size_t>(sampleRate) * chunkMs / 1000 * bytesPerSample);
    const std::size_t whole
        = static_cast<std::size_t>(pcm.size()) / bytesPerSample * bytesPerSample;
    for (std::size_t at = 0; at < whole; at += chunk) {
        if (superseded(generation))
            return;
        if (!m_sink->write(pcm.data() + at, std::min(chunk, whole - at))) {
            m_sink->close();
            m_openRate = 0;
            return;
        }
    }
}

} // namespace quorvel
