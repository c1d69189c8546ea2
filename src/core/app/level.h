// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// The level in force: none before the pupil chooses one, then 1 to 5. Read from text and
// written as text ("livello3") in one place only.
class Level
{
public:
    static constexpr int count = 5;

    constexpr Level() = default; // no level
    // Level 1..5; any other number gives no level.
    static constexpr Level number(int n) { return Level(n >= 1 && n <= count ? n : 0); }
    // "livello1".."livello5"; nothing for any other text.
    static std::optional<Level> parse(std::string_view name);

    constexpr bool isNone() const { return m_number == 0; }
    constexpr int number() const { return m_number; } // 0 for none
    // "livello1".."livello5", or "" for none.
    std::string name() const;

    constexpr bool operator==(const Level&) const = default;

private:
    constexpr explicit Level(int n)
        : m_number(n)
    {
    }
    int m_number = 0;
};

} // namespace quorvel
