// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/bench_hooks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <charconv>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace quorvel {
namespace {

std::int64_t steadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(std::int64_t startNs, int exitAfterMs)
        : QObject(QCoreApplication::instance())
        , m_startNs(startNs)
        , m_exitAfterMs(exitAfterMs)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Queued, so it runs once the whole first frame is painted and flushed.
            QMetaObject::invokeMethod(
                this, [this] { report(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report()
    {
        char milliseconds[32];
        const auto written = std::to_chars(milliseconds, milliseconds + sizeof milliseconds,
            (steadyNanoseconds() - m_startNs) / 1e6, std::chars_format::fixed, 2);
        std::fprintf(stderr, "first-paint %.*s\n", static_cast<int>(written.ptr - milliseconds),
            milliseconds);
        if (m_exitAfterMs >= 0)
            QTimer::singleShot(m_exitAfterMs, QCoreApplication::instance(), [] {
                reportDirtyMemory();
                QCoreApplication::quit();
            });
    }

    // The memory only this run has written, so that no other program and no file on disk holds
    // it (its heap, its stacks, its window's pixels): what the program really costs the
    // computer, beside the resident figure, which also counts the libraries' pages read from
    // disk and shared with every program using them.
    static void reportDirtyMemory()
    {
        std::ifstream rollup("/proc/self/smaps_rollup");
        long dirtyKib = 0;
        bool found = false;
        for (std::string line; std::getline(rollup, line);) {
            if (line.rfind("Private_Dirty:", 0) == 0 || line.rfind("Shared_Dirty:", 0) == 0) {
                const char* digits = line.c_str() + line.find(':') + 1;
                while (*digits == ' ')
                    ++digits;
                long kib = 0;
                std::from_chars(digits, line.c_str() + line.size(), kib);
                dirtyKib += kib;
                found = true;
            }
        }
        if (found)
            std::fprintf(stderr, "dirty-memory %ld\n", dirtyKib);
    }

    std::int64_t m_startNs;
    int m_exitAfterMs;
};

} // namespace

void installBenchHooks()
{
    if (qEnvironmentVariableIsEmpty("QUORVEL_BENCH_FIRST_PAINT"))
        return;
    bool launched = false;
    const std::int64_t launchNs
        = qEnvironmentVariable("QUORVEL_BENCH_LAUNCH_NS").toLongLong(&launched);
    bool exits = false;
    const int exitAfterMs = qEnvironmentVariableIntValue("QUORVEL_BENCH_EXIT_AFTER_MS", &exits);
    auto* watch
        = new FirstPaintWatch(launched ? launchNs : steadyNanoseconds(), exits ? exitAfterMs : -1);
    QCoreApplication::instance()->installEventFilter(watch);
}

} // namespace quorvel
