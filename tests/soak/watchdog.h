#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace quorvel::soak {

// Ends the process when the window's thread has not come back for too long: a window that
// hangs (a read that never returns, a modal loop nobody closes) answers no timer, so only
// another thread can tell.
class Watchdog
{
public:
    using Clock = std::chrono::steady_clock;

    explicit Watchdog(std::chrono::seconds limit)
        : m_limit(limit)
        , m_thread([this] { watch(); })
    {
    }

    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }

    // The window's thread is alive; `doing` names what it starts now.
    void feed(std::string doing)
    {
        std::lock_guard lock(m_mutex);
        m_doing = std::move(doing);
        m_fedAt = Clock::now();
    }

private:
    void watch()
    {
        std::unique_lock lock(m_mutex);
        while (!m_wake.wait_for(lock, std::chrono::seconds(1), [this] { return m_stopping; })) {
            if (Clock::now() - m_fedAt < m_limit)
                continue;
            std::fprintf(stderr,
                "quorvel_monkey: FAILED: the window stopped answering for %lld s while doing: %s\n",
                static_cast<long long>(m_limit.count()), m_doing.c_str());
            std::fflush(stderr);
            std::_Exit(3);
        }
    }

    std::chrono::seconds m_limit;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::string m_doing = "starting";
    Clock::time_point m_fedAt = Clock::now();
    bool m_stopping = false;
    std::thread m_thread; // last: starts once the rest is ready
};

} // namespace quorvel::soak
