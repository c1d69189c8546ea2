// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/ports.h"

#include <memory>
#include <random>

namespace quorvel {

// Ids from the system's entropy source and times from its calendar clock: what every copy of
// the program uses, so that two copies never give one id twice.
class SystemIdentity : public IdentitySource
{
public:
    SystemIdentity() = default;
    // A copy draws from an entropy source of its own.
    SystemIdentity(const SystemIdentity&) { }
    SystemIdentity& operator=(const SystemIdentity&) { return *this; }

    std::string newId() override;
    long long microsecondsNow() override;

private:
    // Opened at the first id: opening it costs more than a hundred ids.
    std::unique_ptr<std::random_device> m_entropy;
};

} // namespace quorvel
