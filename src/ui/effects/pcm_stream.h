// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace quorvel {

// Where the samples go: the sound card (through pcaudio, in the media module) or a recording
// fake in the tests. Every call comes from the stream's own thread, one at a time.
class PcmSink
{
public:
    virtual ~PcmSink() = default;
    // Opens the output for 16-bit signed mono samples in the host's byte order; false when
    // nothing can be heard at that rate.
    virtual bool open(int sampleRate) = 0;
    // Hands the samples to the output; may block while the output's buffer is full. False on
    // an error, after which the output is closed and opened again for the next sound.
    virtual bool write(const char* bytes, std::size_t size) = 0;
    // Drops what was handed over and not heard yet.
    virtual void flush() = 0;
    virtual void close() = 0;
};

// Plays one sound at a time on a sink from a thread of its own, so that the caller never waits
// for the sound card. The sound goes in pieces of chunkMs: a new sound or a stop cuts the one
// playing after the piece being handed over, and drops what the output still holds of it.
class PcmStream
{
public:
    static constexpr int chunkMs = 20;

    explicit PcmStream(std::unique_ptr<PcmSink> sink);
    // Stops the sound and waits for the thread.
    ~PcmStream();
    PcmStream(const PcmStream&) = delete;
    PcmStream& operator=(const PcmStream&) = delete;

    // Replaces whatever is playing with pcm (16-bit signed mono, host byte order); returns at
    // once. The bytes are shared with the caller, not copied. A last odd byte, half a sample,
    // is left out.
    void play(QByteArray pcm, int sampleRate);
    // Cuts the sound short.
    void stop();
    // Waits until everything asked so far has been handed to the sink (for the tests).
    void waitUntilIdle();

private:
    void run();
    void playOne(const QByteArray& pcm, int sampleRate, std::uint64_t generation);
    bool superseded(std::uint64_t generation);

    std::unique_ptr<PcmSink> m_sink;
    int m_openRate = 0; // the rate the sink is open at; 0 while closed (the thread's own)

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    QByteArray m_pending;
    int m_pendingRate = 0;
    bool m_hasPending = false;
    bool m_busy = false;
    bool m_flushWanted = false;
    bool m_quit = false;
    std::uint64_t m_generation = 0; // grows with every play() and stop()
    std::thread m_thread;
};

} // namespace quorvel
