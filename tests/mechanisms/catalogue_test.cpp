// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue's rows and the four operations: each number runs its own mechanism and every
// mechanism a level reaches can be told; the two numberings of the operations and what each
// operation's 16-bit calculation takes.

#include "core/mechanisms/catalogue.h"
#include "core/mechanisms/dispatch.h"
#include "core/mechanisms/mechanisms.h"
#include "core/mechanisms/operations.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

namespace quorvel {
namespace {

// calcNN by its number; no mechanism carries the numbers 0, 12, 13, 14 and 48.
constexpr Mechanism byNumber[] = { nullptr, calc01, calc02, calc03, calc04, calc05, calc06, calc07,
    calc08, calc09, calc10, calc11, nullptr, nullptr, nullptr, calc15, calc16, calc17, calc18,
    calc19, calc20, calc21, calc22, calc23, calc24, calc25, calc26, calc27, calc28, calc29, calc30,
    calc31, calc32, calc33, calc34, calc35, calc36, calc37, calc38, calc39, calc40, calc41, calc42,
    calc43, calc44, calc45, calc46, calc47, nullptr };

TEST(Catalogue, EachNumberRunsItsOwnMechanism)
{
    for (int number = 0; number < static_cast<int>(std::size(byNumber)); ++number) {
        const CatalogueEntry* entry = catalogueEntry(number);
        EXPECT_EQ(entry ? entry->run : nullptr, byNumber[number]) << "number " << number;
        if (entry) {
            EXPECT_EQ(entry->number, number);
        }
    }
    EXPECT_EQ(catalogue().size(), 44u);
}

// What a level reaches can be told and bounded; calc02, which no level reaches, has no words.
TEST(Catalogue, EveryMechanismALevelReachesHasItsRuleAndLimits)
{
    std::set<int> reached;
    for (int level = 1; level <= Level::count; ++level)
        for (const int number : levelMechanisms(Level::number(level))) {
            const CatalogueEntry* entry = catalogueEntry(number);
            ASSERT_TRUE(entry) << "level " << level << " reaches " << number;
            EXPECT_TRUE(entry->describe && entry->limits) << number;
            reached.insert(number);
        }
    EXPECT_EQ(reached.size(), 43u);
    EXPECT_FALSE(reached.count(2));
    EXPECT_FALSE(catalogueEntry(2)->describe);
}

std::string symbolOf(const Operation* operation)
{
    return operation ? std::string(operation->symbol) : "none";
}

TEST(Operation, CodesAndIndexesNumberTheFourInTheirOwnOrders)
{
    // number, by code, by index
    const std::tuple<Value, const char*, const char*> rows[] = {
        { Value::int16(1), "+", "+" },
        { Value::int16(2), "*", "-" },
        { Value::int16(3), "-", "*" },
        { Value::int16(4), ":", ":" },
        { Value::text("3"), "-", "*" }, // a code opened from a file
        { Value::single(4), ":", ":" },
        { Value(), "none", "none" },
        { Value::int16(0), "none", "none" },
        { Value::int16(5), "none", "none" },
        { Value::dbl(2.5), "none", "none" },
    };
    for (const auto& [number, byCode, byIndex] : rows) {
        EXPECT_EQ(symbolOf(Operation::byCode(number)), byCode) << number.display();
        EXPECT_EQ(symbolOf(Operation::byIndex(number)), byIndex) << number.display();
    }
    EXPECT_THROW(Operation::byCode(Value::text("tre")), MechanismFault);
    for (const std::string_view symbol : { "+", "*", "-", ":" })
        EXPECT_EQ(symbolOf(Operation::bySymbol(symbol)), symbol);
    EXPECT_FALSE(Operation::bySymbol(""));
    EXPECT_FALSE(Operation::bySymbol("x"));
}

// largestX16 is where apply16 starts to overflow: the bound the rules tell is the machine's.
TEST(Operation, The16BitCalculationTakesUpToItsLargestFirstOperand)
{
    for (const std::string_view symbol : { "+", "*", "-", ":" }) {
        const Operation& operation = *Operation::bySymbol(symbol);
        for (const int y : { -9, -3, -1, 1, 3, 7, 9 }) {
            const double largest = operation.largestX16(y);
            if (largest >= 32767)
                continue;
            const auto x = static_cast<std::int16_t>(largest);
            EXPECT_NO_THROW(operation.apply16(x, static_cast<std::int16_t>(y)))
                << symbol << " " << y;
            EXPECT_THROW(
                operation.apply16(static_cast<std::int16_t>(x + 1), static_cast<std::int16_t>(y)),
                MechanismFault)
                << symbol << " " << y;
        }
    }
}

} // namespace
} // namespace quorvel
