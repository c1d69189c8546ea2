// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/app/level.h"

namespace quorvel {

namespace {
constexpr std::string_view prefix = "livello";
} // namespace

std::optional<Level> Level::parse(std::string_view name)
{
    if (name.size() != prefix.size() + 1 || !name.starts_with(prefix))
        return std::nullopt;
    const Level level = number(name.back() - '0');
    if (level.isNone())
        return std::nullopt;
    return level;
}

std::string Level::name() const
{
    return isNone() ? std::string() : std::string(prefix) + static_cast<char>('0' + m_number);
}

} // namespace quorvel
