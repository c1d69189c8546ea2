// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/ports.h"

#include <string>

namespace quorvel {

// The teacher's PIN is kept only as a salted, deliberately slow hash (Argon2id, with its salt
// and costs written in the hash itself). It keeps curious pupils out of the teacher's desk; it
// is not meant to stop a determined attacker who can read the database.
std::string hashPin(const std::string& pin);
bool pinMatches(const std::string& hash, const std::string& pin);

// The same, as the core asks for them (Argon2id through libsodium).
class SodiumPinHasher : public PinHasher
{
public:
    std::string hash(const std::string& pin) const override { return hashPin(pin); }
    bool matches(const std::string& hash, const std::string& pin) const override
    {
        return pinMatches(hash, pin);
    }
};
// One for the whole program.
const PinHasher& sodiumPinHasher();

} // namespace quorvel
