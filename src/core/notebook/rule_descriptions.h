// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

class Machine;

// The rule of a mechanism in words a pupil of ten understands, with the hidden constants and
// the operation in force filled in; and the same rule in the hypothesis notation, so that it
// can be checked against the machine.
struct RuleDescription
{
    std::string text;
    // The output is the value of one of these formulas (of the only one, for a fixed rule;
    // "????" where it has none)...
    std::vector<std::string> outcomes;
    // ...or a whole number from the value of `low` to that of `high`.
    std::string low;
    std::string high;
};

// The rule the next experiment follows; nothing when no level is active or the scheme selects
// no mechanism.
std::optional<RuleDescription> describeRule(const Machine& m);

} // namespace quorvel
