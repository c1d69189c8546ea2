// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/ports.h"

#include <optional>

namespace quorvel {

// The computer's local time of day, or a fixed time when one is given (scripted sessions).
class SystemClock : public Clock
{
public:
    SystemClock() = default;
    explicit SystemClock(int fixedSecondsSinceMidnight)
        : m_fixed(fixedSecondsSinceMidnight)
    {
    }
    int secondsSinceMidnight() const override;
    std::string timeOfDay() const override;
    std::string today() const override;
    long long secondsSinceEpoch() const override;
    // A date of its own ("YYYY-MM-DD") in place of today's, to repeat a session exactly.
    void setDate(std::string date) { m_date = std::move(date); }

    // "HH:MM:SS" to seconds since midnight, or nothing when the text is not such a time.
    static std::optional<int> parseTimeOfDay(const std::string& text);

private:
    std::optional<int> m_fixed;
    std::optional<std::string> m_date;
};

} // namespace quorvel
