// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/collection_store.h"

#include <optional>
#include <string>

namespace quorvel {

// The class rules the teacher sets on this computer, and the teacher's PIN that guards them.
class Classroom
{
public:
    // Reads the rules in force from the store.
    explicit Classroom(CollectionStore& store)
        : m_store(store)
        , m_rules(store.classRules())
    {
    }

    const ClassRules& rules() const { return m_rules; }
    void setRules(const ClassRules& rules);

    bool levelAllowed(Level level) const;
    // Why "Rivela la regola" may not tell the rule of this page now; nothing when it may.
    std::optional<std::string> revealRefusal(const Page* page) const;

    enum class PinAnswer { FirstSet, Right, Wrong, NotAPin };
    // The first PIN ever given becomes the teacher's (NotAPin when it is not 4 to 8 digits);
    // later ones are checked against it.
    PinAnswer enterPin(const std::string& pin);

    static constexpr int trialsBeforeReveal = 10;

private:
    CollectionStore& m_store;
    ClassRules m_rules;
};

// A PIN is 4 to 8 digits.
bool wellFormedPin(const std::string& pin);

} // namespace quorvel
