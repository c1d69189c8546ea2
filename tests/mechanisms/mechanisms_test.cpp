// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The mechanisms calc01..calc47 through the experiment: one table of inputs, constants,
// operation and draws against the output shown, then what a table cannot say (dispatch, the
// level-1 correction, opened mechanisms, the choice of the operation and draws kept for a run).

#include "core/mechanisms/dispatch.h"
#include "core/storage/mechanism_file.h"
#include "fakes/fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <set>
#include <vector>

using namespace quorvel;
using namespace quorvel::testing;

namespace {

// The mechanism numbers of each level's schemes 1, 2, 3, ...
const std::vector<int> schemes[] = {
    { 1, 7, 8, 9, 24, 25, 37 },
    { 1, 7, 8, 9, 24, 25, 10, 20, 21, 3, 4, 33, 34, 35, 36, 37 },
    { 1, 7, 8, 9, 24, 25, 10, 20, 21, 3, 4, 11, 18, 19, 23, 22, 5, 6, 38, 39 },
    { 11, 18, 19, 23, 22, 5, 6, 26, 27, 28, 29, 30, 31, 32, 38, 39, 44, 45, 46, 47 },
    { 15, 16, 17, 40, 41, 42, 43, 5, 6, 26, 27, 28, 29, 30, 44, 45, 46, 47 },
};

// Puts a mechanism in force at the first level and scheme that select it.
template <typename AnyRig> void useMechanism(AnyRig& rig, int mechanism)
{
    for (int level = 1; level <= 5; ++level)
        for (std::size_t i = 0; i < schemes[level - 1].size(); ++i)
            if (schemes[level - 1][i] == mechanism)
                return rig.use(level, static_cast<int>(i) + 1);
}

const std::string tenDigits = "9999999999"; // above 2147483647
const std::string tooLong(400, '9'); // beyond a double
const float lo = 0.0f; // the lowest draw: the bottom of a range, the first face of a coin
const float hi = std::nextafter(1.0f, 0.0f); // the highest: the top, the second face
const auto q = [](int k) { return ScriptedRandom::forWhole(k, 4); }; // a drawn index 1..4

struct Row
{
    int mechanism;
    const char* name;
    std::string a, b;
    int c1, c2;
    // opCode, then the clock's last digit that gives calc03/calc04 their second operation, or
    // calc32's partOpCode and joinOpCode. "" leaves the codes empty.
    const char* ops;
    const char* shown;
    std::vector<float> draws = {};
};

void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

const Row rows[] = {
    { 7, "TenDigitsFaultInTheRemainder", tenDigits, "1", 0, 0, "", "????" },
    { 10, "KeepsTheHalf", "3", "4", 0, 0, "", "3.5" },
    { 15, "NoSixteenBitLimit", "0", "32767", 0, 0, "", "1073676289" },
    { 15, "TenDigits", tenDigits, "1", 0, 0, "", "1E+20" },
    { 20, "ByZero", "7", "0", 0, 0, "", "????" },
    { 20, "EmptyInputs", "", "", 0, 0, "", "????" },
    { 20, "Largest32Bit", "2147483647", "10", 0, 0, "", "7" },
    { 20, "Beyond32Bits", "2147483648", "7", 0, 0, "", "????" },
    { 21, "ByZero", "0", "7", 0, 0, "", "????" },
    { 24, "DigitsAfterTheWordIn", "in12", "5", 0, 0, "", "5" },
    { 24, "LeadingZeros", "007", "3", 0, 0, "", "7" },
    { 24, "Second32767", "1", "032767", 0, 0, "", "32767" },
    { 24, "Second32768", "1", "32768", 0, 0, "", "????" },
    { 24, "TwentyDigits", "12345678901234567890", "0", 0, 0, "", "1.23456789012346E+19" },
    { 24, "BeyondADouble", tooLong, "1", 0, 0, "", "????" },
    { 33, "SecondNeverRead", "12", "40000", 0, 0, "", "144" },
    { 34, "FirstNeverRead", tooLong, "181", 0, 0, "", "32761" },
    { 35, "QuotientByZero", "17", "0", 0, 0, "4", "????" },
    { 35, "UnknownCodeAssignsNothing", "17", "0", 5, 0, "5", "????" },
    { 35, "SecondNeverRead", "17", "40000", 5, 0, "1", "22" },
    { 36, "QuotientByZero", "0", "17", 0, 0, "4", "????" },
    { 36, "ProductOverflows", "0", "4000", 0, 9, "2", "????" },
    { 36, "SumOverflows", "0", "32767", 0, 1, "1", "????" },
    { 36, "NoCodeAssignsNothing", "0", "17", 0, 5, "0", "????" },
    { 36, "FirstNeverRead", tooLong, "17", 0, 5, "1", "22" },
    { 1, "Sum", "12", "3", 0, 0, "1", "15" },
    { 1, "Difference", "12", "3", 0, 0, "2", "9" },
    { 1, "Product", "12", "3", 0, 0, "3", "36" },
    { 1, "Quotient", "12", "3", 0, 0, "4", "4" },
    { 1, "DifferenceNeverNegative", "3", "10", 0, 0, "2", "7" },
    { 1, "QuotientRoundedDown", "7", "2", 0, 0, "4", "3" },
    { 1, "QuotientByZero", "5", "0", 0, 0, "4", "????" },
    { 1, "SumPast32767", "1", "32767", 0, 0, "1", "32768" },
    { 1, "NoCodeNoSymbol", "12", "3", 0, 0, "0", "????" },
    { 3, "SumThenProduct", "12", "3", 0, 2, "13", "30" },
    { 3, "DifferenceThenQuotient", "12", "3", 0, 4, "24", "2" },
    { 3, "ClockDigit7GivesDifference", "12", "3", 0, 2, "17", "13" },
    { 3, "FirstQuotientByZero", "12", "0", 0, 4, "41", "????" },
    { 4, "SumThenProduct", "12", "5", 0, 3, "13", "75" },
    { 4, "QuotientThenDifference", "12", "5", 0, 3, "42", "1" },
    { 4, "SecondQuotientByZero", "12", "0", 0, 3, "14", "????" },
    { 5, "Quotient", "3", "4", 0, 0, "4", "2" },
    { 5, "SquareBeyond16Bits", "200", "1", 0, 0, "1", "40001" },
    { 6, "Sum", "3", "6", 0, 0, "1", "39" },
    { 6, "SquaredSecondOverFirst", "3", "6", 0, 0, "4", "12" },
    { 6, "Square182Overflows", "0", "182", 0, 0, "1", "????" },
    { 6, "QuotientByZero", "0", "5", 0, 0, "4", "????" },
    { 11, "Sum", "3", "4", 0, 5, "1", "8.5" },
    { 11, "QuotientDown", "20", "4", 0, 5, "4", "2" },
    { 11, "QuotientByZero", "3", "4", 0, 0, "4", "????" },
    { 18, "Sum", "17", "5", 0, 4, "1", "6" },
    { 18, "PlainQuotient", "17", "5", 0, 4, "4", "0.5" },
    { 18, "RemainderByZero", "17", "0", 0, 4, "1", "????" },
    { 19, "PlainQuotient", "5", "17", 0, 4, "4", "0.5" },
    { 19, "RemainderByZero", "0", "17", 0, 4, "1", "????" },
    { 22, "PlainQuotient", "7", "2", 0, 2, "4", "3.5" },
    { 22, "LargerSecond", "2", "7", 0, 2, "4", "3.5" },
    { 23, "PlainQuotient", "7", "2", 0, 4, "4", "0.5" },
    { 23, "Difference", "9", "1", 0, 4, "2", "3" },
    { 31, "Sum", "10", "5", 3, 4, "1", "22" },
    { 31, "Difference", "10", "5", 3, 4, "2", "6" },
    { 31, "Product", "10", "5", 3, 4, "3", "600" },
    { 31, "Quotient", "10", "5", 3, 4, "4", "3" },
    { 31, "ProductOverflows", "1", "3641", 1, 9, "3", "????" },
    { 31, "SumPast32767", "1", "32758", 1, 9, "1", "32769" },
    { 31, "SumOverflows", "1", "32759", 1, 9, "1", "????" },
    { 31, "SecondBelowC2", "10", "3", 3, 4, "4", "????" },
    { 32, "SumOverProduct", "12", "3", 0, 0, "124", "0" },
    { 32, "ProductLessSum", "12", "3", 0, 0, "213", "21" },
    { 32, "DifferenceTimesQuotient", "12", "3", 0, 0, "342", "36" },
    { 32, "UnknownFirstPartIsZero", "12", "3", 0, 0, "021", "36" },
    { 32, "UnknownJoinAssignsNothing", "12", "3", 0, 0, "129", "????" },
    { 32, "PartByZero", "12", "0", 0, 0, "411", "????" },
    { 32, "JoinByZero", "5", "5", 0, 0, "134", "????" },
    { 43, "Sum", "10", "3", 0, 5, "", "18", { q(1), lo } },
    { 43, "Product", "10", "3", 0, 5, "", "150", { q(2), hi } },
    { 43, "Difference", "10", "3", 0, 5, "", "2", { q(3), lo } },
    { 43, "DifferenceSwapped", "10", "3", 0, 5, "", "12", { q(3), hi } },
    { 43, "Quotient", "100", "3", 0, 5, "", "6", { q(4), lo } },
    { 43, "QuotientSwapped", "100", "3", 0, 5, "", "0", { q(4), hi } },
    { 43, "QuotientByZero", "100", "0", 0, 5, "", "????", { q(4), lo } },
    { 28, "Lowest", "3", "5", 0, 0, "", "2", { lo } },
    { 28, "Highest", "3", "5", 0, 0, "", "8", { hi } },
    { 40, "Highest", "5", "3", 0, 0, "", "8", { hi } },
    { 29, "Lowest", "7", "3", 0, 0, "", "8", { lo } },
    { 29, "Highest", "3", "7", 0, 0, "", "87", { hi } },
    { 30, "Lowest", "5", "9", 0, 0, "", "4", { lo } },
    { 30, "Highest", "9", "5", 0, 0, "", "0", { hi } },
    { 30, "NeverNegative", "0", "9", 0, 0, "", "0", { lo } },
    { 37, "First", "4", "9", 0, 0, "", "4", { lo } },
    { 37, "Second", "4", "9", 0, 0, "", "9", { hi } },
    { 38, "FirstPlusC2", "4", "9", 0, 5, "1", "9", { lo } },
    { 38, "SecondPlusC2", "4", "9", 0, 5, "1", "14", { hi } },
    { 38, "NoCodeAssignsNothing", "4", "9", 0, 5, "0", "????", { lo } },
    { 39, "FirstSquared", "4", "9", 0, 0, "", "16", { lo } },
    { 39, "SecondSquaredInDoubles", "4", "32767", 0, 0, "", "1073676289", { hi } },
    { 41, "FromLargerInputUpToC2", "2", "3", 0, 5, "", "3", { lo } },
    { 41, "UpToC2", "2", "3", 0, 5, "", "5", { hi } },
    { 41, "FromC2UpToLargerInput", "9", "1", 0, 5, "", "5", { lo } },
    { 41, "UpToLargerInput", "1", "9", 0, 5, "", "9", { hi } },
    { 42, "SumThrice", "12", "7", 3, 5, "", "27", { q(1), q(1), q(1) } },
    { 42, "ProductThrice", "12", "7", 3, 5, "", "1260", { q(2), q(2), q(2) } },
    { 42, "DifferenceThrice", "12", "7", 3, 5, "", "7", { q(3), q(3), q(3) } },
    { 42, "QuotientThrice", "12", "7", 3, 5, "", "4", { q(4), q(4), q(4) } },
    { 42, "SecondStageOverflows", "12", "4000", 3, 9, "", "????", { q(1), q(2), q(1) } },
    { 42, "FirstStageByZero", "12", "7", 0, 5, "", "????", { q(4), q(1), q(1) } },
    { 44, "ZeroFindsNothing", "0", "5", 3, 4, "", "????" },
    { 44, "MultiplePast32Bits", "99991", "32749", 3, 4, "", "????" },
    { 44, "Largest32Bit", "2147483647", "1", 3, 4, "", "2147483647" },
    { 45, "Divides32767", "2147385345", "32767", 3, 4, "", "32767" },
    { 47, "EmptyFindsNothing", "", "", 3, 4, "", "????" },
    { 47, "TenDigits", tenDigits, "1", 3, 4, "", "????" },
};

class Mechanism : public ::testing::TestWithParam<Row>
{
};

TEST_P(Mechanism, Output)
{
    const Row& row = GetParam();
    Rig rig;
    useMechanism(rig, row.mechanism);
    rig.setConstants(row.c1, row.c2);
    const std::string ops = row.ops;
    const auto code = [&](std::size_t i) { return Value::int16(ops[i] - '0'); };
    if (!ops.empty())
        rig.s().opCode = code(0);
    if (ops.size() == 2)
        rig.clock.digit = ops[1] - '0';
    if (ops.size() == 3) {
        rig.s().partOpCode = code(1);
        rig.s().joinOpCode = code(2);
    }
    rig.random.draws.assign(row.draws.begin(), row.draws.end());
    EXPECT_EQ(rig.experiment(row.a, row.b), row.shown);
    EXPECT_TRUE(rig.random.draws.empty()) << "draws left over";
}

INSTANTIATE_TEST_SUITE_P(Table, Mechanism, ::testing::ValuesIn(rows), [](const auto& info) {
    char number[8];
    std::snprintf(number, sizeof number, "calc%02d_", info.param.mechanism);
    return number + std::string(info.param.name);
});

} // namespace

TEST(Dispatch, EachLevelSelectsItsMechanismForEveryScheme)
{
    for (int level = 0; level <= 5; ++level) {
        const std::vector<int> column = level ? schemes[level - 1] : std::vector<int> {};
        const int count = static_cast<int>(column.size());
        EXPECT_EQ(schemeCount(Level::number(level)), count);
        for (int scheme = 0; scheme <= count + 1; ++scheme) {
            MachineState s;
            s.activeLevel = Level::number(level);
            s.setScheme(s.activeLevel, Value::int16(scheme));
            const bool inRange = scheme >= 1 && scheme <= count;
            const CatalogueEntry* selected = selectMechanism(s);
            EXPECT_EQ(selected ? selected->number : 0, inRange ? column[scheme - 1] : 0)
                << "level " << level << " scheme " << scheme;
        }
    }
}

TEST(Dispatch, CorrectsAndStoresTheLevelOneSchemeBeforeItRuns)
{
    // Of 7 and 2 with the sum in force: calc01 9, calc09 1, calc37 (second face) 2. A scheme
    // matching no row runs nothing and shows the previous output again.
    const std::tuple<int, Value, double, const char*> rows[] = { { 1, Value::int16(9), 4, "1" },
        { 1, Value::int16(8), 4, "1" }, { 1, Value::single(7.5), 4, "1" },
        { 1, Value::text("9"), 4, "1" }, { 1, Value::int16(0), 1, "9" }, { 1, Value(), 1, "9" },
        { 1, Value::int16(7), 7, "2" }, { 1, Value::int16(-1), -1, "old" },
        { 2, Value::int16(17), 17, "old" }, { 2, Value::int16(0), 0, "old" },
        { 2, Value::dbl(2.5), 2.5, "old" }, { 5, Value::int16(19), 19, "old" } };
    for (const auto& [level, scheme, stored, shown] : rows) {
        SCOPED_TRACE(std::to_string(level) + ": " + scheme.display());
        Rig rig;
        rig.use(level, 1);
        rig.s().setScheme(rig.s().activeLevel, scheme);
        rig.s().opCode = Value::int16(1);
        rig.s().resultValue = Value::text("old");
        rig.random.fallback = hi;
        EXPECT_EQ(rig.experiment("7", "2"), shown);
        EXPECT_EQ(rig.s().activeScheme().number(), stored);
    }
}

TEST(OpenedMechanism, RunsWithCodesAndSchemeHeldAsText)
{
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        { "livello2,3,7,3,1,1,0,12", "12", "3", "144" }, // calc33
        { "livello3,3,4,4,1,1,0,12", "12", "3", "1" }, // calc11: ⌊7.5 / 4⌋
        { "livello1,3,7,3,1,1,0,1", "12", "3", "36" }, // calc01, the product
        { "livello4,3,7,2,1,3,0,14", "12", "3", "21" }, // calc32: |36 − 15|
        { "livello2,5,7,2,1,1,0,14", "12", "3", "60" }, // calc35: 12 × c1
        { "livello2,3,2,1,1,1,3,11", "12", "5", "70" }, // calc04: (12 + 2) × 5, not the clock's
        { "livello5,3,7,1,1,1,0,15", "4", "6", "12" }, // calc44
    };
    for (const auto& [record, a, b, shown] : rows) {
        Rig rig;
        rig.clock.digit = 7; // would give the difference as second operation
        restoreMechanism(rig.s(), *parseMechanismRecord(record));
        rig.s().loadedFromFile = true;
        EXPECT_EQ(rig.experiment(a, b), shown) << record;
    }
}

TEST(OperationChoice, ChoosesFromOpCodeAtAFirstCountOrWithNoSymbol)
{
    // count before, symbol before, opCode -> output of 12 and 3, symbol after
    const std::tuple<Value, const char*, int, const char*, const char*> rows[]
        = { { Value(), "+", 3, "36", "*" }, { Value::int16(0), "+", 3, "36", "*" },
              { Value::int16(1), "+", 3, "15", "+" }, { Value::int16(5), "+", 3, "15", "+" },
              { Value::int16(5), "", 3, "36", "*" }, // an empty symbol is set at any count
              { Value::int16(-5), "+", 3, "36", "*" }, // calc09 may leave a negative count
              { Value(), "*", 7, "36", "*" }, // an unknown code leaves the symbol
              { Value(), "", 0, "????", "" } };
    for (const auto& [count, symbol, opCode, shown, after] : rows) {
        SCOPED_TRACE(count.display() + " " + symbol + " " + std::to_string(opCode));
        Rig rig;
        rig.use(1, 1);
        rig.s().experimentCount = count;
        rig.s().opSymbol = symbol;
        rig.s().opCode = Value::int16(opCode);
        EXPECT_EQ(rig.experiment("12", "3"), shown);
        EXPECT_EQ(rig.s().opSymbol, after);
        EXPECT_EQ(rig.s().experimentCount.number(), count.number() + 1);
    }
}

TEST(OperationChoice, KeepsCalc03OperationsUntilSchemeChanges)
{
    Rig rig;
    rig.use(1, 4);
    rig.experiment("2", "7"); // calc09 leaves the difference in the count
    EXPECT_EQ(rig.s().experimentCount.number(), -5);
    rig.s().experimentCount = Value();
    useMechanism(rig, 3);
    rig.setConstants(0, 2);
    rig.s().opCode = Value::int16(1);
    EXPECT_EQ(rig.experiment("12", "40000"), "????"); // a fault before the choice: not counted
    rig.clock.digit = 7;
    EXPECT_EQ(rig.experiment("12", "3"), "13"); // (12 + 3) − 2
    rig.s().opCode = Value::int16(3);
    rig.clock.digit = 3;
    rig.machine.chooseLevel(2); // a level command keeps the counts
    useMechanism(rig, 3);
    EXPECT_EQ(rig.experiment("12", "3"), "13");
    rig.machine.changeMechanism(); // a new scheme counts again
    useMechanism(rig, 3);
    rig.setConstants(0, 2);
    EXPECT_EQ(rig.experiment("12", "3"), "72"); // (12 × 3) × 2
}

TEST(OperationChoice, Calc31AndCalc43ChooseOnlyAtFirstRun)
{
    Rig rig;
    useMechanism(rig, 31);
    rig.setConstants(3, 4);
    rig.s().opCode = Value::int16(1);
    EXPECT_EQ(rig.experiment("10", "5"), "22");
    useMechanism(rig, 43);
    rig.random.draws = { q(3), hi };
    EXPECT_EQ(rig.experiment("10", "3"), "11"); // |(3 − 4) − 10|

    rig.machine.changeMechanism(); // resets experimentCount only
    rig.setConstants(3, 4);
    rig.s().opCode = Value::int16(3);
    useMechanism(rig, 31);
    EXPECT_EQ(rig.experiment("10", "5"), "22");
    useMechanism(rig, 43);
    rig.random.draws = { lo };
    EXPECT_EQ(rig.experiment("10", "3"), "3"); // |(10 − 4) − 3|
    EXPECT_TRUE(rig.random.draws.empty());
    useMechanism(rig, 1); // while calc01 chooses again after the scheme change
    EXPECT_EQ(rig.experiment("12", "3"), "36");
}

TEST(VaryingOutput, Calc42DrawsItsChainOnceEvenAfterAFault)
{
    Rig rig;
    useMechanism(rig, 42);
    rig.setConstants(3, 9);
    rig.random.draws = { q(2), q(2), q(1) };
    EXPECT_EQ(rig.experiment("12", "4000"), "????");
    EXPECT_EQ(rig.experiment("12", "7"), "99"); // 36 + 63
    rig.machine.changeMechanism();
    rig.machine.chooseLevel(5);
    useMechanism(rig, 42);
    rig.setConstants(3, 9);
    rig.random.draws = { q(1), q(1), q(1) };
    EXPECT_EQ(rig.experiment("12", "7"), "99");
    EXPECT_EQ(rig.random.draws.size(), 3u);
}

TEST(VaryingOutput, Calc41DrawsWithoutReseedBelowC2)
{
    Rig rig;
    useMechanism(rig, 41);
    rig.setConstants(0, 5);
    rig.experiment("2", "3");
    EXPECT_EQ(rig.random.reseeds, 0);
    rig.experiment("9", "1");
    EXPECT_EQ(rig.random.reseeds, 1);
}

TEST(VaryingOutput, TheProgramsGeneratorCoversEachRangeAndNoMore)
{
    const std::tuple<int, const char*, const char*, std::set<std::string>> rows[]
        = { { 28, "3", "5", { "2", "3", "4", "5", "6", "7", "8" } },
              { 30, "9", "5", { "0", "1", "2", "3", "4" } }, { 37, "4", "9", { "4", "9" } },
              { 41, "2", "3", { "3", "4", "5" } } };
    for (const auto& [mechanism, a, b, values] : rows) {
        SeededRig rig(static_cast<std::uint64_t>(mechanism));
        useMechanism(rig, mechanism);
        rig.setConstants(0, 5);
        std::set<std::string> seen;
        for (int run = 0; run < 1000; ++run)
            seen.insert(rig.experiment(a, b));
        EXPECT_EQ(seen, values) << "calc" << mechanism;
    }
}
