// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/app/random.h"

#include <random>

namespace quorvel {
namespace {
std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
} // namespace

float MixingRandom::next()
{
    m_state += 0x9E3779B97F4A7C15ULL;
    // 24 bits: every value is exact in single precision and stays below 1.
    return static_cast<float>(mix(m_state) >> 40) * (1.0f / 16777216.0f);
}

void MixingRandom::reseed(int clockReading)
{
    m_state = mix(m_state ^ mix(static_cast<std::uint64_t>(clockReading) + 0x632BE59BD9B4E019ULL));
}

std::uint64_t freshSeed()
{
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

} // namespace quorvel
