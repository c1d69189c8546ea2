// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/ports.h"

#include <cstdint>

namespace quorvel {

// A small uniform generator. Reseeding mixes the clock reading into the current state rather
// than replacing it, so draws reseeded within one clock second still differ.
class MixingRandom : public RandomSource
{
public:
    explicit MixingRandom(std::uint64_t seed)
        : m_state(seed)
    {
    }
    float next() override;
    void reseed(int clockReading) override;

private:
    std::uint64_t m_state;
};

// A starting state that differs from run to run, from the system's entropy source.
std::uint64_t freshSeed();

} // namespace quorvel
