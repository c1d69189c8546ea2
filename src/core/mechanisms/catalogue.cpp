// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/mechanisms/catalogue.h"

#include "core/mechanisms/mechanisms.h"
#include "core/mechanisms/rules.h"

namespace quorvel {
namespace {

// Each mechanism's one row: number, calculation, rule, limits.
constexpr CatalogueEntry entries[] = {
    { 1, calc01, rule01, secondIn16Bits },
    { 2, calc02, nullptr, secondIn16Bits },
    { 3, calc03, rule03, secondIn16Bits },
    { 4, calc04, rule04, secondIn16Bits },
    { 5, calc05, rule05, secondIn16Bits },
    { 6, calc06, rule06, squaredSecondIn16Bits },
    { 7, calc07, rule07, remainderOfFirst },
    { 8, calc08, rule08, remainderOfFirst },
    { 9, calc09, rule09, secondIn16Bits },
    { 10, calc10, rule10, secondIn16Bits },
    { 11, calc11, rule11, secondIn16Bits },
    { 15, calc15, rule15, secondIn16Bits },
    { 16, calc16, rule16, secondIn16Bits },
    { 17, calc17, rule17, secondIn16Bits },
    { 18, calc18, rule18, remainderOfFirst },
    { 19, calc19, rule19, remainderOfFirst },
    { 20, calc20, rule20, remainderOfFirst },
    { 21, calc21, rule21, remainderOfFirst },
    { 22, calc22, rule22, secondIn16Bits },
    { 23, calc23, rule23, secondIn16Bits },
    { 24, calc24, rule24, secondIn16Bits },
    { 25, calc25, rule25, secondIn16Bits },
    { 26, calc26, rule26, secondIn16Bits },
    { 27, calc27, rule27, secondIn16Bits },
    { 28, calc28, rule28, secondIn16Bits },
    { 29, calc29, rule29, secondIn16Bits },
    { 30, calc30, rule30, secondIn16Bits },
    { 31, calc31, rule31, bothSidesIn16Bits },
    { 32, calc32, rule32, secondIn16Bits },
    { 33, calc33, rule33, readsNoSecond },
    { 34, calc34, rule34, secondIn16Bits },
    { 35, calc35, rule35, readsNoSecond },
    { 36, calc36, rule36, codeWithC2In16Bits },
    { 37, calc37, rule37, secondIn16Bits },
    { 38, calc38, rule38, secondIn16Bits },
    { 39, calc39, rule39, secondIn16Bits },
    { 40, calc40, rule40, secondIn16Bits },
    { 41, calc41, rule41, secondIn16Bits },
    { 42, calc42, rule42, chainIn16Bits },
    { 43, calc43, rule43, secondIn16Bits },
    { 44, calc44, rule44, commonMultiple },
    { 45, calc45, rule45, commonDivisor },
    { 46, calc46, rule46, commonMultiple },
    { 47, calc47, rule47, commonDivisor },
};

} // namespace

std::span<const CatalogueEntry> catalogue()
{
    return entries;
}

const CatalogueEntry* catalogueEntry(int number)
{
    for (const CatalogueEntry& entry : entries)
        if (entry.number == number)
            return &entry;
    return nullptr;
}

} // namespace quorvel
