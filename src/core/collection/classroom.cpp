// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/collection/classroom.h"

#include "core/app/translation.h"
#include "core/collection/pin_hash.h"

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

Classroom::PinAnswer Classroom::enterPin(const std::string& pin)
{
    if (const std::optional<std::string> hash = m_store.pinHash())
        return wellFormedPin(pin) && pinMatches(*hash, pin) ? PinAnswer::Right : PinAnswer::Wrong;
    if (!wellFormedPin(pin))
        return PinAnswer::NotAPin;
    if (m_store.setPinHashIfUnset(hashPin(pin)))
        return PinAnswer::FirstSet;
    // Another copy set a PIN meanwhile: that one is the teacher's.
    const std::optional<std::string> hash = m_store.pinHash();
    return hash && pinMatches(*hash, pin) ? PinAnswer::Right : PinAnswer::Wrong;
}

bool wellFormedPin(const std::string& pin)
{
    return pin.size() >= 4 && pin.size() <= 8
        && std::all_of(pin.begin(), pin.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace quorvel
