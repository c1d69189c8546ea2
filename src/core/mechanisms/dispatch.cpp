// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/mechanisms/dispatch.h"

#include "core/app/machine_state.h"

#include <array>
#include <span>

namespace quorvel {
namespace {

constexpr int level1[] = { 1, 7, 8, 9, 24, 25, 37 };
constexpr int level2[] = { 1, 7, 8, 9, 24, 25, 10, 20, 21, 3, 4, 33, 34, 35, 36, 37 };
constexpr int level3[] = { 1, 7, 8, 9, 24, 25, 10, 20, 21, 3, 4, 11, 18, 19, 23, 22, 5, 6, 38, 39 };
constexpr int level4[]
    = { 11, 18, 19, 23, 22, 5, 6, 26, 27, 28, 29, 30, 31, 32, 38, 39, 44, 45, 46, 47 };
constexpr int level5[] = { 15, 16, 17, 40, 41, 42, 43, 5, 6, 26, 27, 28, 29, 30, 44, 45, 46, 47 };

} // namespace

std::span<const int> levelMechanisms(Level level)
{
    static constexpr std::span<const int> tables[] = { {}, level1, level2, level3, level4, level5 };
    return tables[level.number()];
}

const CatalogueEntry* selectMechanism(const MachineState& s)
{
    const std::span<const int> rows = levelMechanisms(s.activeLevel);
    if (rows.empty())
        return nullptr;
    const double scheme = s.activeScheme().number(); // a text spelling no number faults here
    for (std::size_t row = 0; row < rows.size(); ++row)
        if (scheme == static_cast<double>(row + 1))
            return catalogueEntry(rows[row]);
    return nullptr;
}

int schemeCount(Level level)
{
    return static_cast<int>(levelMechanisms(level).size());
}

} // namespace quorvel
