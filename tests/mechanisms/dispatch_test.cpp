#include "core/mechanisms/dispatch.h"
#include "mechanisms/mechanism_rig.h"
#include "core/mechanisms/mechanisms.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quorvel;
using namespace quorvel::testing;

namespace {

// calcNN by its number; no mechanism carries the numbers 12, 13 and 14.
constexpr Mechanism byNumber[] = { nullptr, calc01, calc02, calc03, calc04, calc05, calc06, calc07,
    calc08, calc09, calc10, calc11, nullptr, nullptr, nullptr, calc15, calc16, calc17, calc18,
    calc19, calc20, calc21, calc22, calc23, calc24, calc25, calc26, calc27, calc28, calc29, calc30,
    calc31, calc32, calc33, calc34, calc35, calc36, calc37, calc38, calc39, calc40, calc41, calc42,
    calc43, calc44, calc45, calc46, calc47 };

int numberOf(Mechanism m)
{
    for (int n = 1; n < static_cast<int>(std::size(byNumber)); ++n)
        if (m && byNumber[n] == m)
            return n;
    return 0;
}

// The mechanism numbers of each level's schemes 1, 2, 3, ...
const std::vector<int> schemes[] = {
    { 1, 7, 8, 9, 24, 25, 37 },
    { 1, 7, 8, 9, 24, 25, 10, 20, 21, 3, 4, 33, 34, 35, 36, 37 },
    { 1, 7, 8, 9, 24, 25, 10, 20, 21, 3, 4, 11, 18, 19, 23, 22, 5, 6, 38, 39 },
    { 11, 18, 19, 23, 22, 5, 6, 26, 27, 28, 29, 30, 31, 32, 38, 39, 44, 45, 46, 47 },
    { 15, 16, 17, 40, 41, 42, 43, 5, 6, 26, 27, 28, 29, 30, 44, 45, 46, 47 },
};

MachineState stateFor(int level, const Value& scheme)
{
    MachineState s;
    s.activeLevel = Level::number(level);
    if (level == 5)
        s.schemaLevel5 = static_cast<std::int16_t>(scheme.number());
    else
        s.setScheme(s.activeLevel, scheme);
    return s;
}

const Value previous = Value::text("previous");

} // namespace

TEST(Dispatch, EachLevelSelectsItsMechanismForEveryScheme)
{
    for (int level = 1; level <= 5; ++level) {
        const std::vector<int>& column = schemes[level - 1];
        EXPECT_EQ(schemeCount(Level::number(level)), static_cast<int>(column.size()));
        for (int scheme = 0; scheme <= static_cast<int>(column.size()) + 1; ++scheme) {
            const bool inRange = scheme >= 1 && scheme <= static_cast<int>(column.size());
            EXPECT_EQ(numberOf(selectMechanism(stateFor(level, Value::int16(scheme)))),
                inRange ? column[scheme - 1] : 0)
                << "level " << level << " scheme " << scheme;
        }
    }
}

TEST(Dispatch, ComparesTheSchemeByTheNumberItHolds)
{
    const std::tuple<int, Value, int> rows[] = {
        { 2, Value::text("12"), 33 },
        { 3, Value::text("12"), 11 },
        { 4, Value::text(" 12 "), 30 },
        { 2, Value::single(3), 8 },
        { 3, Value::dbl(20), 39 },
        { 2, Value::dbl(2.5), 0 }, // not a whole number
        { 2, Value(), 0 },
        { 4, Value::int16(-1), 0 },
    };
    for (const auto& [level, scheme, expected] : rows) {
        SCOPED_TRACE(std::to_string(level) + ": " + scheme.display());
        EXPECT_EQ(numberOf(selectMechanism(stateFor(level, scheme))), expected);
    }
    EXPECT_THROW(selectMechanism(stateFor(2, Value::text("abc"))), MechanismFault);

    MachineState none;
    none.schemaLevel5 = 1;
    EXPECT_EQ(selectMechanism(none), nullptr);
    EXPECT_EQ(schemeCount(Level()), 0);
}

TEST(Dispatch, TheLevelOneCorrectionIsStoredBeforeTheSchemeRuns)
{
    struct Row
    {
        Value scheme;
        double stored;
        const char* output; // of 7 and 2: calc01 "+" 9, calc09 1, calc37 (second coin face) 2
    };
    const Row rows[] = {
        { Value::int16(9), 4, "1" }, { Value::int16(8), 4, "1" }, // 4, not 7
        { Value::int16(32767), 4, "1" }, { Value::single(7.5), 4, "1" },
        { Value::text("9"), 4, "1" }, { Value::int16(0), 1, "9" }, { Value(), 1, "9" },
        { Value::text("0"), 1, "9" }, { Value::int16(7), 7, "2" }, { Value::text("7"), 7, "2" },
        { Value::int16(-1), -1, "previous" }, // runs nothing
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.scheme.display());
        Rig rig;
        rig.use(1, 1);
        rig.s().schemaLevel1 = row.scheme;
        rig.s().opCode = Value::int16(1);
        rig.s().resultValue = previous;
        EXPECT_EQ(rig.experiment("7", "2"), row.output);
        EXPECT_EQ(rig.s().schemaLevel1.number(), row.stored);
    }
}

TEST(Dispatch, OtherLevelsKeepTheirSchemeUncorrected)
{
    const std::pair<int, int> rows[] = { { 2, 17 }, { 3, 21 }, { 4, 0 }, { 5, 19 }, { 5, 0 } };
    for (const auto& [level, scheme] : rows) {
        SCOPED_TRACE(std::to_string(level) + ": " + std::to_string(scheme));
        Rig rig;
        rig.use(level, scheme);
        rig.s().resultValue = previous;
        EXPECT_EQ(rig.experiment("7", "2"), "previous"); // runs nothing: the old output again
        const double stored = level == 5 ? rig.s().schemaLevel5
            : level == 4                 ? rig.s().schemaLevel4.number()
            : level == 3                 ? rig.s().schemaLevel3.number()
                                         : rig.s().schemaLevel2.number();
        EXPECT_EQ(stored, scheme);
    }
    Rig rig;
    rig.use(2, 9);
    EXPECT_EQ(rig.experiment("7", "2"), "2"); // calc21: 2 remainder 7
    EXPECT_EQ(rig.s().schemaLevel2.number(), 9);
}

TEST(Dispatch, SchemesHeldAsTextAfterOpeningRunByTheirNumber)
{
    const std::tuple<int, const char*, const char*> rows[] = {
        { 2, "12", "144" }, // calc33: 12 squared
        { 3, "12", "1" }, // calc11: ⌊7.5 / 4⌋
        { 1, "9", "1" }, // corrected to 4: calc09
        { 2, "abc", "????" },
        { 1, "abc", "????" },
    };
    for (const auto& [level, scheme, expected] : rows) {
        SCOPED_TRACE(std::to_string(level) + ": " + scheme);
        Rig rig;
        rig.use(level, 1);
        Value text = Value::text(scheme);
        if (level == 1)
            rig.s().schemaLevel1 = text;
        else if (level == 2)
            rig.s().schemaLevel2 = text;
        else
            rig.s().schemaLevel3 = text;
        setConstants(rig.s(), 0, 4);
        rig.s().opSymbol = ":";
        rig.s().experimentCount = Value::int16(5);
        rig.s().resultValue = previous;
        EXPECT_EQ(rig.experiment("12", "3"), expected);
        if (std::string(expected) == "????") {
            EXPECT_EQ(rig.s().resultValue.display(), "previous");
        }
    }
}

TEST(Dispatch, EveryMechanismThatReadsTheSecondInputFaultsAbove32767)
{
    for (int level = 1; level <= 5; ++level) {
        const std::vector<int>& column = schemes[level - 1];
        for (int scheme = 1; scheme <= static_cast<int>(column.size()); ++scheme) {
            const int mechanism = column[scheme - 1];
            SCOPED_TRACE("level " + std::to_string(level) + " scheme " + std::to_string(scheme));
            Rig rig;
            rig.use(level, scheme);
            setConstants(rig.s(), 3, 4);
            rig.s().opCode = Value::int16(1);
            rig.s().inputA = Value::dbl(99);
            const std::string shown = rig.experiment("6", "32768");
            const bool readsSecond = mechanism != 33 && mechanism != 35;
            const bool readsFirst = mechanism != 34 && mechanism != 36;
            EXPECT_EQ(shown == "????", readsSecond);
            EXPECT_EQ(rig.s().inputA.display(), readsFirst ? "6" : "99");
        }
    }
}
