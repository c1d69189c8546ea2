// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <vector>

namespace quorvel {

class Machine;
struct MachineState;
struct RuleDescription;
struct Limit;

using Mechanism = void (*)(Machine&);
// A mechanism's rule in words, with the hidden constants and the operations in force filled
// in from the state record.
using Describer = RuleDescription (*)(const MachineState&);
// Where a mechanism shows "????" although its words give a number.
using LimitsOf = std::vector<Limit> (*)(const MachineState&);

// A mechanism of the catalogue: its number (calc07 is 7), what it runs, how its rule is told
// and where that rule stops.
struct CatalogueEntry
{
    int number;
    Mechanism run;
    Describer describe; // nullptr for calc02, which no level reaches
    LimitsOf limits;
};

// Every mechanism, by number. There is no calc12, calc13 or calc14.
std::span<const CatalogueEntry> catalogue();
// The mechanism with this number, or nullptr.
const CatalogueEntry* catalogueEntry(int number);

} // namespace quorvel
