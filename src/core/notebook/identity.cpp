// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/notebook/identity.h"

#include <charconv>
#include <chrono>

namespace quorvel {

std::string SystemIdentity::newId()
{
    if (!m_entropy)
        m_entropy = std::make_unique<std::random_device>();
    std::random_device& entropy = *m_entropy;
    std::string id;
    for (int part = 0; part < 4; ++part) {
        char digits[8];
        const auto written = std::to_chars(
            digits, digits + sizeof digits, static_cast<std::uint32_t>(entropy()), 16);
        id.append(8 - static_cast<std::size_t>(written.ptr - digits), '0');
        id.append(digits, written.ptr);
    }
    return id;
}

long long SystemIdentity::microsecondsNow()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace quorvel
