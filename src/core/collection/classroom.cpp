// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/collection/classroom.h"

#include "core/app/translation.h"

#include <algorithm>

namespace quorvel {

void Classroom::setRules(const ClassRules& rules)
{
    m_store.setClassRules(rules);
    m_rules = rules;
}

bool Classroom::levelAllowed(Level level) const
{
    return !level.isNone() && m_rules.levels[static_cast<std::size_t>(level.number() - 1)];
}

std::optional<std::string> Classroom::revealRefusal(const Page* page) const
{
    const int trials = page ? static_cast<int>(page->trials.size()) : 0;
    switch (m_rules.reveal) {
    case RevealPolicy::Always:
        return std::nullopt;
    case RevealPolicy::AfterTenTrials:
        if (trials >= trialsBeforeReveal)
            return std::nullopt;
        if (trials == 0)
            //: %1 is how many trials are needed
            return fill(translate("Classroom",
                            "Prima fai almeno %1 prove con questo meccanismo: non ne hai ancora "
                            "fatta nessuna."),
                { std::to_string(trialsBeforeReveal) });
        if (trials == 1)
            //: %1 is how many trials are needed; the pupil has made one
            return fill(translate("Classroom",
                            "Prima fai almeno %1 prove con questo meccanismo: finora ne hai fatta "
                            "1."),
                { std::to_string(trialsBeforeReveal) });
        //: %1 is how many trials are needed; %2 is how many the pupil has made
        return fill(translate("Classroom",
                        "Prima fai almeno %1 prove con questo meccanismo: finora ne hai fatte %2."),
            { std::to_string(trialsBeforeReveal), std::to_string(trials) });
    case RevealPolicy::AfterDiscovery:
        if (page && page->discovered)
            return std::nullopt;
        return translate(
            "Classroom", "La regola si può vedere solo dopo averla scoperta: continua a provare!");
    case RevealPolicy::Never:
        break;
    }
    return translate("Classroom", "L'insegnante ha deciso che la regola non si può rivelare.");
}

bool Classroom::pinIsSet()
{
    return m_fixedHash || m_store.pinHash();
}

Classroom::PinAnswer Classroom::enterPin(const std::string& pin, long long now)
{
    m_waitSeconds = 0;
    const PinGuard guard = m_store.pinGuard();
    if (now < guard.waitUntil) {
        m_waitSeconds = guard.waitUntil - now;
        return PinAnswer::Wait;
    }
    std::optional<std::string> hash = m_fixedHash ? m_fixedHash : m_store.pinHash();
    if (hash)
        return checked(wellFormedPin(pin) && m_pins.matches(*hash, pin), now);
    if (!wellFormedPin(pin))
        return PinAnswer::NotAPin;
    if (m_store.setPinHashIfUnset(m_pins.hash(pin)))
        return PinAnswer::FirstSet;
    // Another copy set a PIN meanwhile: that one is the teacher's.
    hash = m_store.pinHash();
    return checked(hash && m_pins.matches(*hash, pin), now);
}

// Guessing costs time: from the third wrong PIN in a row on, the next try waits 30 seconds,
// then twice as long at each wrong one, kept in the store so that a restart changes nothing.
Classroom::PinAnswer Classroom::checked(bool right, long long now)
{
    if (right) {
        if (!(m_store.pinGuard() == PinGuard {}))
            m_store.setPinGuard({});
        return PinAnswer::Right;
    }
    PinGuard guard = m_store.pinGuard();
    ++guard.wrongInARow;
    if (guard.wrongInARow >= triesBeforeWaiting) {
        const int doublings = std::min(guard.wrongInARow - triesBeforeWaiting, 20);
        m_waitSeconds = std::min(longestWait, firstWait << doublings);
        guard.waitUntil = now + m_waitSeconds;
    }
    m_store.setPinGuard(guard);
    return PinAnswer::Wrong;
}

std::string Classroom::waitMessage() const
{
    const long long minutes = (m_waitSeconds + 59) / 60;
    if (m_waitSeconds < 60)
        //: %1 is a number of seconds
        return fill(translate("Classroom", "Troppi PIN sbagliati: riprova fra %1 secondi."),
            { std::to_string(m_waitSeconds) });
    if (minutes == 1)
        return translate("Classroom", "Troppi PIN sbagliati: riprova fra un minuto.");
    //: %1 is a number of minutes
    return fill(translate("Classroom", "Troppi PIN sbagliati: riprova fra %1 minuti."),
        { std::to_string(minutes) });
}

bool wellFormedPin(const std::string& pin)
{
    return pin.size() >= 4 && pin.size() <= 8
        && std::all_of(pin.begin(), pin.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace quorvel
