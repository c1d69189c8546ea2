// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/level.h"
#include "core/mechanisms/catalogue.h"

#include <span>

namespace quorvel {

struct MachineState;

// The mechanism that the active level and its scheme number select, or nullptr when the
// number matches no row. A scheme held as a text that spells no number is a fault.
const CatalogueEntry* selectMechanism(const MachineState& s);

// The numbers of a level's mechanisms, by scheme number from 1; empty for no level.
std::span<const int> levelMechanisms(Level level);

// The number of schemes of a level, which is also the range its draws pick from; 0 for none.
int schemeCount(Level level);

} // namespace quorvel
