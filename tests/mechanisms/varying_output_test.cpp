#include "mechanisms/mechanism_rig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

using namespace quorvel;
using namespace quorvel::testing;

namespace {

constexpr Scheme at28 { 4, 10 }, at29 { 4, 11 }, at30 { 4, 12 }, at37 { 1, 7 }, at38 { 3, 19 },
    at39 { 3, 20 }, at40 { 5, 4 }, at41 { 5, 5 }, at42 { 5, 6 }, at43 { 5, 7 };

// The largest draw below 1: the top of every range.
const float top = std::nextafter(1.0f, 0.0f);

std::set<std::string> wholeNumbers(long low, long high)
{
    std::set<std::string> out;
    for (long v = low; v <= high; ++v)
        out.insert(std::to_string(v));
    return out;
}

} // namespace

TEST(VaryingOutput, TheLowestAndHighestDrawsGiveTheEndsOfEachRange)
{
    struct Row
    {
        Scheme at;
        const char* a;
        const char* b;
        int c2;
        int opCode;
        const char* atZero;
        const char* atTop;
        int reseeds;
    };
    const Row rows[] = {
        { at28, "3", "5", 0, 0, "2", "8", 1 },
        { at28, "0", "0", 0, 0, "0", "0", 1 },
        { at28, "4", "0", 0, 0, "4", "4", 1 },
        { at40, "3", "5", 0, 0, "2", "8", 1 },
        { at40, "5", "3", 0, 0, "2", "8", 1 },
        { at29, "7", "3", 0, 0, "8", "87", 1 },
        { at29, "3", "7", 0, 0, "8", "87", 1 },
        { at29, "0", "0", 0, 0, "1", "80", 1 },
        { at30, "5", "9", 0, 0, "4", "0", 1 },
        { at30, "9", "5", 0, 0, "4", "0", 1 },
        { at30, "0", "9", 0, 0, "0", "0", 1 }, // −1 becomes 0
        { at30, "1", "1", 0, 0, "0", "0", 1 },
        { at30, "9", "32767", 0, 0, "8", "0", 1 },
        { at30, "32767", "32767", 0, 0, "32766", "0", 1 },
        { at37, "4", "9", 0, 0, "4", "9", 1 },
        { at38, "4", "9", 5, 1, "9", "14", 1 },
        { at38, "4", "9", 2, 4, "2", "4", 1 },
        { at38, "4", "9", 0, 4, "????", "????", 1 },
        { at38, "4", "9", 5, 0, "????", "????", 1 }, // no calculation: nothing assigned
        { at39, "4", "9", 0, 0, "16", "81", 1 },
        { at39, "4", "32767", 0, 0, "16", "1073676289", 1 },
        { at41, "2", "3", 5, 0, "3", "5", 0 }, // the larger input below c2: no reseed
        { at41, "9", "1", 5, 0, "5", "9", 1 },
        { at41, "1", "9", 5, 0, "5", "9", 1 },
        { at41, "5", "0", 5, 0, "5", "5", 1 },
        { at41, "0", "0", 5, 0, "0", "5", 0 },
    };
    for (const Row& row : rows) {
        for (const float r : { 0.0f, top }) {
            SCOPED_TRACE("level " + std::to_string(row.at.level) + " scheme "
                + std::to_string(row.at.scheme) + ": " + row.a + ", " + row.b + " r "
                + std::to_string(r));
            Rig rig;
            rig.use(row.at.level, row.at.scheme);
            setConstants(rig.s(), 0, row.c2);
            rig.s().opCode = Value::int16(row.opCode);
            rig.random.draws = { r };
            EXPECT_EQ(rig.experiment(row.a, row.b), r == 0 ? row.atZero : row.atTop);
            EXPECT_EQ(rig.random.reseeds, row.reseeds);
            EXPECT_TRUE(rig.random.draws.empty());
        }
    }
}

TEST(VaryingOutput, OverManyExperimentsEveryValueOfTheRangeAppearsAndNoOther)
{
    struct Row
    {
        Scheme at;
        const char* a;
        const char* b;
        int c2;
        std::set<std::string> values;
    };
    const Row rows[] = {
        { at28, "3", "5", 0, wholeNumbers(2, 8) },
        { at28, "0", "0", 0, { "0" } },
        { at40, "3", "5", 0, wholeNumbers(2, 8) },
        { at40, "4", "0", 0, { "4" } },
        { at29, "7", "3", 0, wholeNumbers(8, 87) },
        { at29, "0", "0", 0, wholeNumbers(1, 80) },
        { at30, "5", "9", 0, wholeNumbers(0, 4) },
        { at30, "9", "5", 0, wholeNumbers(0, 4) },
        { at30, "0", "9", 0, { "0" } },
        { at37, "4", "9", 0, { "4", "9" } },
        { at37, "6", "6", 0, { "6" } },
        { at38, "4", "9", 5, { "9", "14" } },
        { at39, "4", "9", 0, { "16", "81" } },
        { at39, "7", "7", 0, { "49" } },
        { at41, "2", "3", 5, wholeNumbers(3, 5) },
        { at41, "9", "1", 5, wholeNumbers(5, 9) },
        { at41, "5", "0", 5, { "5" } },
    };
    std::uint64_t seed = 1;
    for (const Row& row : rows) {
        SCOPED_TRACE("level " + std::to_string(row.at.level) + " scheme "
            + std::to_string(row.at.scheme) + ": " + row.a + ", " + row.b);
        SeededRig rig(++seed);
        rig.use(row.at.level, row.at.scheme);
        setConstants(rig.s(), 0, row.c2);
        rig.s().opCode = Value::int16(1);
        std::set<std::string> seen;
        for (int run = 0; run < 2000; ++run)
            seen.insert(rig.experiment(row.a, row.b));
        EXPECT_EQ(seen, row.values);
    }
}

TEST(VaryingOutput, Calc43GivesOneOfTwoOutputsWithTheAbsoluteDifference)
{
    SeededRig rig(7);
    rig.use(at43.level, at43.scheme);
    setConstants(rig.s(), 0, 5);
    rig.s().calc43Count = Value::int16(1);
    rig.s().altOpSymbol = "-";
    std::set<std::string> seen;
    for (int run = 0; run < 200; ++run)
        seen.insert(rig.experiment("10", "3"));
    EXPECT_EQ(seen, (std::set<std::string> { "2", "12" }));
}

TEST(VaryingOutput, Calc42ComputesTheDrawnChain)
{
    struct Row
    {
        int op1;
        int op2;
        int op3;
        const char* a;
        const char* b;
        int c1;
        int c2;
        const char* expected;
    };
    const Row rows[] = {
        { 1, 1, 1, "12", "7", 3, 5, "27" }, // (12 + 3) + (5 + 7)
        { 2, 2, 2, "12", "7", 3, 5, "1260" }, // 36 × 35
        { 3, 3, 3, "12", "7", 3, 5, "7" }, // |9 − 2|
        { 4, 4, 4, "12", "7", 3, 5, "4" }, // ⌊4 / 1⌋
        { 1, 2, 4, "12", "7", 3, 5, "0" },
        { 2, 1, 3, "12", "7", 3, 5, "24" },
        { 3, 4, 1, "12", "7", 3, 5, "10" },
        { 4, 3, 2, "12", "7", 3, 5, "8" },
        { 1, 3, 4, "12", "5", 3, 5, "????" }, // the second stage gives 0
        { 1, 2, 1, "12", "4000", 3, 9, "????" }, // 9 × 4000 leaves 16 bits
        { 1, 1, 1, "12", "32767", 3, 1, "????" },
        { 4, 1, 1, "12", "7", 0, 5, "????" },
        { 1, 4, 1, "12", "7", 3, 0, "????" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.op1) + std::to_string(row.op2) + std::to_string(row.op3)
            + ": " + row.a + ", " + row.b);
        Rig rig;
        rig.use(at42.level, at42.scheme);
        setConstants(rig.s(), row.c1, row.c2);
        rig.random.draws = { ScriptedRandom::forWhole(row.op1, 4),
            ScriptedRandom::forWhole(row.op2, 4), ScriptedRandom::forWhole(row.op3, 4) };
        EXPECT_EQ(rig.experiment(row.a, row.b), row.expected);
        EXPECT_EQ(rig.random.reseeds, 3);
        EXPECT_EQ(rig.s().chainOp3, row.op3); // drawn before anything is computed
    }
}

TEST(VaryingOutput, Calc42KeepsItsChainForTheWholeRun)
{
    Rig rig;
    rig.use(at42.level, at42.scheme);
    setConstants(rig.s(), 3, 5);
    rig.random.draws = { ScriptedRandom::forWhole(3, 4), ScriptedRandom::forWhole(3, 4),
        ScriptedRandom::forWhole(3, 4) };
    EXPECT_EQ(rig.experiment("12", "7"), "7");

    rig.machine.cmb_Click();
    rig.machine.livello5_Click();
    rig.use(at42.level, at42.scheme);
    setConstants(rig.s(), 3, 5);
    const int reseeds = rig.random.reseeds;
    rig.random.draws = { ScriptedRandom::forWhole(1, 4), ScriptedRandom::forWhole(1, 4),
        ScriptedRandom::forWhole(1, 4) };
    EXPECT_EQ(rig.experiment("20", "1"), "13"); // |17 − 4|
    EXPECT_EQ(rig.experiment("12", "7"), "7");
    EXPECT_EQ(rig.random.draws.size(), 3u);
    EXPECT_EQ(rig.random.reseeds, reseeds);
    EXPECT_TRUE(rig.s().chainCount == Value::int16(3));
}

TEST(VaryingOutput, Calc42KeepsTheWholeChainAfterAFaultInItsFirstRun)
{
    Rig rig;
    rig.use(at42.level, at42.scheme);
    setConstants(rig.s(), 3, 9);
    rig.random.draws = { ScriptedRandom::forWhole(2, 4), ScriptedRandom::forWhole(2, 4),
        ScriptedRandom::forWhole(1, 4) };
    EXPECT_EQ(rig.experiment("12", "4000"), "????");
    EXPECT_EQ(rig.experiment("12", "7"), "99"); // 36 + 63
}

TEST(VaryingOutput, Calc42GivesEqualOutputsForEqualInputsWithTheProgramsGenerator)
{
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE(seed);
        SeededRig rig(seed);
        rig.use(at42.level, at42.scheme);
        setConstants(rig.s(), 3, 5);
        const std::string first = rig.experiment("12", "7");
        const std::string other = rig.experiment("30", "2");
        const int codes[] = { static_cast<int>(rig.s().chainOp1.number()),
            static_cast<int>(rig.s().chainOp2.number()), rig.s().chainOp3 };
        for (int code : codes) {
            EXPECT_GE(code, 1);
            EXPECT_LE(code, 4);
        }
        for (int run = 0; run < 20; ++run) {
            EXPECT_EQ(rig.experiment("12", "7"), first);
            EXPECT_EQ(rig.experiment("30", "2"), other);
        }
        EXPECT_NE(first, "????");
    }
}
