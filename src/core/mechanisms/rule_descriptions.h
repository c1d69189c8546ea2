// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/level.h"
#include "core/notebook/prediction.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

struct MachineState;

// Where the machine shows "????" for inputs its rule would otherwise give a number for.
struct Limit
{
    enum class Kind {
        SecondAbove, // the second number is above `bound`
        FirstAbove, // the first number is above `bound`
        EitherZero, // one of the two numbers is 0
        CommonMultipleAbove, // their least common multiple is above `bound`
    };
    Kind kind;
    double bound = 0;
};

// The rule of a mechanism in words a pupil of ten understands, with the hidden constants and
// the operation in force filled in; and the same rule in the hypothesis notation, so that it
// can be checked against the machine.
struct RuleDescription
{
    // The rule in words, with a last sentence telling when the machine shows "????".
    std::string text;
    // False while the rule waits for a draw the next experiment makes (an operation chosen at
    // the first experiment): the words then say so and nothing can be checked yet.
    bool known = true;
    // The output is the value of one of these formulas (of the only one, for a fixed rule;
    // "????" where it has none)...
    std::vector<std::string> outcomes;
    // ...or a whole number from the value of `low` to that of `high`.
    std::string low;
    std::string high;
    std::vector<Limit> limits;
};

// The rule the next experiment follows; nothing when no level is active or the scheme selects
// no mechanism.
std::optional<RuleDescription> describeRule(const MachineState& s);

// What the teacher chooses from: the mechanism a level's scheme selects and the rule it would
// follow, with the hidden constants and the operations as they are now; the machine keeps its
// own scheme. Nothing when the scheme selects no mechanism that can be told.
struct SchemeRule
{
    int mechanism;
    RuleDescription rule;
};
std::optional<SchemeRule> ruleOfScheme(const MachineState& s, Level level, int scheme);

// Whether the rule's limits say the machine shows "????" for the inputs a and b.
bool showsNoValue(const RuleDescription& rule, double a, double b);

// What the rule can give for the inputs a and b: for a rule that draws at random, every output
// it can show.
PossibleOutputs possibleOutputs(const RuleDescription& rule, double a, double b);

} // namespace quorvel
