// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/collection_store.h"
#include "core/ports/ports.h"

#include <optional>
#include <string>

namespace quorvel {

// The class rules the teacher sets on this computer, and the teacher's PIN that guards them.
class Classroom
{
public:
    // Reads the rules in force from the store.
    Classroom(CollectionStore& store, const PinHasher& pins)
        : m_store(store)
        , m_pins(pins)
        , m_rules(store.classRules())
    {
    }

    const ClassRules& rules() const { return m_rules; }
    void setRules(const ClassRules& rules);

    bool levelAllowed(Level level) const;
    // Why "Rivela la regola" may not tell the rule of this page now; nothing when it may.
    std::optional<std::string> revealRefusal(const Page* page) const;

    enum class PinAnswer { FirstSet, Right, Wrong, NotAPin, Wait };
    // The first PIN ever given becomes the teacher's (NotAPin when it is not 4 to 8 digits);
    // later ones are checked against it. After three wrong PINs in a row the next try waits,
    // twice as long each time (Wait, and waitSeconds() says how long is left); the right PIN
    // clears it. `now` is in seconds since the epoch.
    PinAnswer enterPin(const std::string& pin, long long now);
    long long waitSeconds() const { return m_waitSeconds; }
    // "Troppi PIN sbagliati: ..." in words for the desk and the console.
    std::string waitMessage() const;

    // The PIN set for every account of the computer by its administrator, as a salted hash:
    // it is the teacher's, and cannot be changed from the desk.
    void setFixedPinHash(std::optional<std::string> hash) { m_fixedHash = std::move(hash); }
    bool pinIsFixed() const { return m_fixedHash.has_value(); }
    // Whether a PIN is set at all (else the first one given becomes it).
    bool pinIsSet();

    static constexpr int triesBeforeWaiting = 3;
    static constexpr long long firstWait = 30; // seconds
    static constexpr long long longestWait = 3600;

    static constexpr int trialsBeforeReveal = 10;

private:
    PinAnswer checked(bool right, long long now);

    CollectionStore& m_store;
    const PinHasher& m_pins;
    ClassRules m_rules;
    std::optional<std::string> m_fixedHash;
    long long m_waitSeconds = 0;
};

// A PIN is 4 to 8 digits.
bool wellFormedPin(const std::string& pin);

} // namespace quorvel
