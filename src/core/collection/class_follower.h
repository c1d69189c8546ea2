// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/collection_store.h"

#include <string>
#include <vector>

namespace quorvel {

class Machine;

// A pupil's machine following the teacher's orders to the whole class: the class's mechanism,
// "Fermi tutti!" and "via", and the rule told to everyone.
class ClassFollower
{
public:
    enum class Change {
        Mechanism, // the class's mechanism is in force, on a new notebook page
        Stopped, // the machine takes no input: "Guardate la lavagna"
        GoesOn, // it takes input again
        RuleTold, // tell the rule, as the pupil's own "Rivela la regola" does
    };

    // Brings the machine to the order: a class mechanism it is not on yet is put in force and
    // announced by the wizard (a pupil who joins later gets it too); a stop or a go is said by
    // the wizard. What changed, in that order; the front end shows a stop and tells the rule.
    std::vector<Change> follow(Machine& m, const ClassOrder& order);

    // What the class's server has to say: its news, and the changes of following the teacher's
    // order when the news tells of one (or, with lookAnyway, in any case: now and then, for a
    // notice the link may have lost). The teacher's own machine gives the orders and takes none.
    struct Update
    {
        ClassNews news;
        std::vector<Change> changes;
    };
    Update takeNews(
        CollectionStore& store, Machine& m, bool teachersMachine, bool lookAnyway = false);
    // Whether the machine is stopped for the whole class.
    bool stopped() const { return m_stopped; }

private:
    long long m_mechanismSerial = 0; // the last class mechanism followed
    long long m_revealSerial = 0; // the last rule told
    bool m_stopped = false;
    std::string m_classPage; // the notebook page the class's mechanism was put on
    std::string m_className; // the name it goes by
};

} // namespace quorvel
