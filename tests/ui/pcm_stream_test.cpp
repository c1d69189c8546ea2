// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The stream that hands the voice and the beeps to the sound card, on a recording sink: what
// reaches the output, in which pieces, and what a stop or a new sound cuts off.
#include "ui/effects/pcm_stream.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace quorvel {
namespace {

// What the sink was asked, in order, shared with the test after the stream owns the sink.
struct Recording
{
    std::mutex mutex;
    std::vector<std::string> calls; // "open 22050", "write 882", "flush", "close"
    std::string heard; // every byte written, in order
    bool openFails = false;
    int failingWrite = -1; // the write (counted from 0) that reports an error
    int writes = 0;
    // While holdAfter writes have been made, the next write waits until released.
    int holdAfter = -1;
    bool holding = false;
    std::condition_variable changed;

    void release()
    {
        std::lock_guard lock(mutex);
        holdAfter = -1;
        changed.notify_all();
    }
    void waitUntilHeld()
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [this] { return holding; });
    }
    std::vector<std::string> callsSoFar()
    {
        std::lock_guard lock(mutex);
        return calls;
    }
};

class RecordingSink : public PcmSink
{
public:
    explicit RecordingSink(std::shared_ptr<Recording> r)
        : m_r(std::move(r))
    {
    }
    bool open(int sampleRate) override
    {
        std::lock_guard lock(m_r->mutex);
        m_r->calls.push_back("open " + std::to_string(sampleRate));
        return !m_r->openFails;
    }
    bool write(const char* bytes, std::size_t size) override
    {
        std::unique_lock lock(m_r->mutex);
        if (m_r->holdAfter >= 0 && m_r->writes >= m_r->holdAfter) {
            m_r->holding = true;
            m_r->changed.notify_all();
            m_r->changed.wait(lock, [this] { return m_r->holdAfter < 0; });
            m_r->holding = false;
        }
        m_r->calls.push_back("write " + std::to_string(size));
        m_r->heard.append(bytes, size);
        return m_r->writes++ != m_r->failingWrite;
    }
    void flush() override
    {
        std::lock_guard lock(m_r->mutex);
        m_r->calls.push_back("flush");
    }
    void close() override
    {
        std::lock_guard lock(m_r->mutex);
        m_r->calls.push_back("close");
    }

private:
    std::shared_ptr<Recording> m_r;
};

// Bytes that tell where they came from: byte i of sound `tag` is tag + i.
std::string sound(char tag, std::size_t bytes)
{
    std::string pcm(bytes, '\0');
    for (std::size_t i = 0; i < bytes; ++i)
        pcm[i] = static_cast<char>(tag + static_cast<char>(i % 61));
    return pcm;
}

std::vector<std::string> writesOf(std::initializer_list<std::pair<int, int>> runs)
{
    std::vector<std::string> calls;
    for (const auto& [count, size] : runs)
        for (int i = 0; i < count; ++i)
            calls.push_back("write " + std::to_string(size));
    return calls;
}

TEST(PcmStream, ASoundReachesTheOutputWholeInPiecesOfTwentyMilliseconds)
{
    struct Case
    {
        const char* what;
        int sampleRate;
        std::size_t bytes;
        std::vector<std::string> writes;
    };
    const Case cases[] = {
        { "one second of the voice", 22050, 44100, writesOf({ { 50, 882 } }) },
        { "a beep with a short last piece", 48000, 4800, writesOf({ { 2, 1920 }, { 1, 960 } }) },
        { "half a sample at the end is left out", 48000, 1921, writesOf({ { 1, 1920 } }) },
        { "a single sample", 8000, 2, writesOf({ { 1, 2 } }) },
        { "nothing to play", 8000, 1, {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto r = std::make_shared<Recording>();
        const std::string pcm = sound('a', c.bytes);
        {
            PcmStream stream(std::make_unique<RecordingSink>(r));
            stream.play(QByteArray::fromStdString(pcm), c.sampleRate);
            stream.waitUntilIdle();
            std::vector<std::string> expected { "open " + std::to_string(c.sampleRate) };
            expected.insert(expected.end(), c.writes.begin(), c.writes.end());
            EXPECT_EQ(r->callsSoFar(), expected);
        }
        EXPECT_EQ(r->heard, pcm.substr(0, c.bytes / 2 * 2));
        EXPECT_EQ(r->calls.back(), "close") << "the output is closed with the stream";
    }
}

TEST(PcmStream, TheOutputIsOpenedAgainOnlyWhenTheRateChanges)
{
    auto r = std::make_shared<Recording>();
    {
        PcmStream stream(std::make_unique<RecordingSink>(r));
        for (int rate : { 22050, 22050, 48000, 48000, 22050 }) {
            stream.play(QByteArray::fromStdString(sound('a', 4)), rate);
            stream.waitUntilIdle();
        }
    }
    std::vector<std::string> opensAndCloses;
    for (const std::string& call : r->calls)
        if (call.rfind("open", 0) == 0 || call == "close")
            opensAndCloses.push_back(call);
    EXPECT_EQ(opensAndCloses,
        (std::vector<std::string> {
            "open 22050", "close", "open 48000", "close", "open 22050", "close" }));
}

// A stop, or a new sound, while the output is taking a piece of a long sound: the rest of it
// never reaches the output, and what the output holds of it is dropped before anything else.
TEST(PcmStream, AStopOrANewSoundCutsTheSoundPlaying)
{
    for (const bool replaced : { false, true }) {
        SCOPED_TRACE(replaced ? "a new sound" : "a stop");
        auto r = std::make_shared<Recording>();
        r->holdAfter = 2;
        const std::string longSound = sound('a', 44100);
        const std::string next = sound('z', 1764);
        PcmStream stream(std::make_unique<RecordingSink>(r));
        stream.play(QByteArray::fromStdString(longSound), 22050);
        r->waitUntilHeld();
        if (replaced)
            stream.play(QByteArray::fromStdString(next), 22050);
        else
            stream.stop();
        r->release();
        stream.waitUntilIdle();

        std::vector<std::string> expected { "open 22050" };
        const auto firstPieces = writesOf({ { 3, 882 } });
        expected.insert(expected.end(), firstPieces.begin(), firstPieces.end());
        expected.push_back("flush");
        if (replaced)
            expected.insert(expected.end(), { "write 882", "write 882" });
        EXPECT_EQ(r->callsSoFar(), expected);
        EXPECT_EQ(r->heard, longSound.substr(0, 3 * 882) + (replaced ? next : std::string()));
    }
}

TEST(PcmStream, AnOutputThatFailsIsTriedAgainAtTheNextSound)
{
    struct Case
    {
        const char* what;
        bool openFails;
        int failingWrite;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        { "no device", true, -1, { "open 22050", "open 22050" } },
        { "an error while writing", false, 0,
            { "open 22050", "write 882", "close", "open 22050", "write 882", "write 882" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto r = std::make_shared<Recording>();
        r->openFails = c.openFails;
        r->failingWrite = c.failingWrite;
        PcmStream stream(std::make_unique<RecordingSink>(r));
        for (int i = 0; i < 2; ++i) {
            stream.play(QByteArray::fromStdString(sound('a', 1764)), 22050);
            stream.waitUntilIdle();
        }
        EXPECT_EQ(r->callsSoFar(), c.calls);
    }
}

} // namespace
} // namespace quorvel
