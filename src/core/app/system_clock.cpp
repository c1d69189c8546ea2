#include "core/app/system_clock.h"

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

std::string SystemClock::timeOfDay() const
{
    const int s = secondsSinceMidnight();
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", s / 3600, s / 60 % 60, s % 60);
    return buffer;
}

std::optional<int> SystemClock::parseTimeOfDay(const std::string& text)
{
    int h = 0, m = 0, s = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%2d:%2d:%2d%c", &h, &m, &s, &tail) != 3)
        return std::nullopt;
    if (text.size() != 8 || h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59)
        return std::nullopt;
    return h * 3600 + m * 60 + s;
}

} // namespace quorvel
