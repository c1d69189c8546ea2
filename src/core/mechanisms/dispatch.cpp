// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/mechanisms/dispatch.h"

#include "core/app/machine_state.h"
#include "core/mechanisms/mechanisms.h"

#include <array>
#include <span>

namespace quorvel {
namespace {

constexpr Mechanism level1[] = { calc01, calc07, calc08, calc09, calc24, calc25, calc37 };
constexpr Mechanism level2[] = { calc01, calc07, calc08, calc09, calc24, calc25, calc10, calc20,
    calc21, calc03, calc04, calc33, calc34, calc35, calc36, calc37 };
constexpr Mechanism level3[]
    = { calc01, calc07, calc08, calc09, calc24, calc25, calc10, calc20, calc21, calc03, calc04,
          calc11, calc18, calc19, calc23, calc22, calc05, calc06, calc38, calc39 };
constexpr Mechanism level4[]
    = { calc11, calc18, calc19, calc23, calc22, calc05, calc06, calc26, calc27, calc28, calc29,
          calc30, calc31, calc32, calc38, calc39, calc44, calc45, calc46, calc47 };
constexpr Mechanism level5[] = { calc15, calc16, calc17, calc40, calc41, calc42, calc43, calc05,
    calc06, calc26, calc27, calc28, calc29, calc30, calc44, calc45, calc46, calc47 };

} // namespace

std::span<const Mechanism> levelMechanisms(Level level)
{
    static constexpr std::span<const Mechanism> tables[]
        = { {}, level1, level2, level3, level4, level5 };
    return tables[level.number()];
}

Mechanism selectMechanism(const MachineState& s)
{
    const std::span<const Mechanism> rows = levelMechanisms(s.activeLevel);
    if (rows.empty())
        return nullptr;
    const double scheme = s.activeScheme().number(); // a text spelling no number faults here
    for (std::size_t row = 0; row < rows.size(); ++row)
        if (scheme == static_cast<double>(row + 1))
            return rows[row];
    return nullptr;
}

int schemeCount(Level level)
{
    return static_cast<int>(levelMechanisms(level).size());
}

} // namespace quorvel
