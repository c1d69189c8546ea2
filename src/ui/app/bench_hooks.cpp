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
            QTimer::singleShot(
                m_exitAfterMs, QCoreApplication::instance(), &QCoreApplication::quit);
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
