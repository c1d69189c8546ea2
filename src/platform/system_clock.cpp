// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/system_clock.h"

#include "core/values/number_text.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace quorvel {

int SystemClock::secondsSinceMidnight() const
{
    if (m_fixed)
        return *m_fixed;
    const std::time_t now = std::time(nullptr);
    std::tm local {};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

long long SystemClock::secondsSinceEpoch() const
{
    return static_cast<long long>(std::time(nullptr));
}

std::string SystemClock::today() const
{
    if (m_date)
        return *m_date;
    const std::time_t now = std::time(nullptr);
    std::tm local {};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    const auto twoDigits = [](int v) { return (v < 10 ? "0" : "") + wholeText(v); };
    return wholeText(local.tm_year + 1900) + '-' + twoDigits(local.tm_mon + 1) + '-'
        + twoDigits(local.tm_mday);
}

std::string SystemClock::timeOfDay() const
{
    const int s = secondsSinceMidnight();
    const auto twoDigits = [](int v) { return (v < 10 ? "0" : "") + wholeText(v); };
    return twoDigits(s / 3600) + ':' + twoDigits(s / 60 % 60) + ':' + twoDigits(s % 60);
}

std::optional<int> SystemClock::parseTimeOfDay(const std::string& text)
{
    // Exactly two digits for each part: no sign, no blank.
    if (text.size() != 8 || text[2] != ':' || text[5] != ':')
        return std::nullopt;
    int parts[3] = {};
    for (int i = 0; i < 3; ++i) {
        const char tens = text[3 * i], units = text[3 * i + 1];
        if (tens < '0' || tens > '9' || units < '0' || units > '9')
            return std::nullopt;
        parts[i] = (tens - '0') * 10 + (units - '0');
    }
    if (parts[0] > 23 || parts[1] > 59 || parts[2] > 59)
        return std::nullopt;
    return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

} // namespace quorvel
