// Choosing the operation: first counted experiments, counters and the second operation.

#include "mechanisms/mechanism_rig.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::testing;

namespace {

constexpr Scheme at01 { 1, 1 }, at03 { 2, 10 }, at04 { 2, 11 }, at06 { 3, 18 }, at18 { 3, 13 },
    at19 { 3, 14 }, at32 { 4, 14 }, at35 { 2, 14 }, at43 { 5, 7 };

const Value previous = Value::text("previous");

// The symbol is in force and this is not a first counted experiment.
void putSymbolInForce(Rig& rig, Scheme at, const char* symbol, int c1, int c2)
{
    rig.use(at.level, at.scheme);
    setConstants(rig.s(), c1, c2);
    rig.s().opSymbol = symbol;
    rig.s().experimentCount = Value::int16(5);
}

void runCalc01(Rig& rig, int opCode)
{
    rig.s().opCode = Value::int16(opCode);
    rig.experiment("12", "3");
}

} // namespace

TEST(OperationDriven, FirstCountedExperimentSetsTheSymbolFromOpCode)
{
    const std::pair<int, const char*> rows[] = { { 1, "15" }, { 2, "9" }, { 3, "36" }, { 4, "4" } };
    const char* symbols[] = { "+", "-", "*", ":" };
    for (const auto& [opCode, expected] : rows) {
        SCOPED_TRACE(opCode);
        Rig rig;
        rig.use(1, 1);
        rig.s().opCode = Value::int16(opCode);
        EXPECT_EQ(rig.experiment("12", "3"), expected);
        EXPECT_EQ(rig.s().opSymbol, symbols[opCode - 1]);
        EXPECT_TRUE(rig.s().experimentCount == Value::int16(1));
    }
}

TEST(OperationDriven, LaterExperimentsKeepTheSymbolUntilTheSchemeChanges)
{
    Rig rig;
    rig.random.draws = { ScriptedRandom::forWhole(1, 7) };
    rig.machine.livello1_Click(); // scheme 1: calc01
    runCalc01(rig, 1);
    runCalc01(rig, 3);
    EXPECT_EQ(rig.machine.text(Control::usc), "15");

    rig.random.draws = { ScriptedRandom::forWhole(1, 7) };
    rig.machine.livello1_Click(); // a level change does not reset the count
    runCalc01(rig, 3);
    EXPECT_EQ(rig.machine.text(Control::usc), "15");
    EXPECT_TRUE(rig.s().experimentCount == Value::int16(3));

    rig.machine.cmb_Click();
    rig.use(1, 1);
    runCalc01(rig, 3);
    EXPECT_EQ(rig.machine.text(Control::usc), "36");
    EXPECT_EQ(rig.s().opSymbol, "*");
}

TEST(OperationDriven, AnEmptySymbolIsSetFromOpCodeEvenWhenTheCountIsPastTheFirst)
{
    Rig rig;
    rig.use(1, 4);
    rig.experiment("7", "2"); // calc09 leaves 5 in the count
    rig.use(1, 1);
    runCalc01(rig, 3);
    EXPECT_EQ(rig.machine.text(Control::usc), "36");
    EXPECT_EQ(rig.s().opSymbol, "*");
    EXPECT_TRUE(rig.s().experimentCount == Value::int16(6));
    runCalc01(rig, 1);
    EXPECT_EQ(rig.machine.text(Control::usc), "36");
}

TEST(OperationDriven, ANegativeDifferenceLeftByCalc09KeepsChoosingUntilTheCountPassesOne)
{
    Rig rig;
    rig.use(1, 4);
    rig.experiment("2", "7"); // calc09 leaves −5
    rig.use(1, 1);
    const std::pair<int, const char*> runs[] = {
        { 1, "15" },
        { 2, "9" },
        { 3, "36" },
        { 4, "4" },
        { 1, "15" },
        { 2, "9" },
        { 3, "9" },
    };
    for (const auto& [opCode, expected] : runs) {
        runCalc01(rig, opCode);
        EXPECT_EQ(rig.machine.text(Control::usc), expected)
            << "count " << rig.s().experimentCount.display();
    }
}

TEST(OperationDriven, AnUnknownOpCodeLeavesTheSymbolAsItWas)
{
    Rig rig;
    rig.use(1, 1);
    rig.s().opSymbol = "*";
    runCalc01(rig, 7);
    EXPECT_EQ(rig.machine.text(Control::usc), "36");

    Rig empty;
    empty.use(1, 1);
    empty.s().resultValue = previous;
    runCalc01(empty, 0);
    EXPECT_EQ(empty.machine.text(Control::usc), "????"); // nothing assigned
    EXPECT_EQ(empty.s().resultValue.display(), "previous");
    EXPECT_EQ(empty.s().opSymbol, "");
}

TEST(OperationDriven, AnOpCodeHeldAsTextActsAsItsNumber)
{
    Rig rig;
    rig.use(1, 1);
    rig.s().opCode = Value::text("3");
    EXPECT_EQ(rig.experiment("12", "3"), "36");
}

TEST(OperationDriven, AFaultKeepsTheFieldsAlreadyWritten)
{
    Rig quotient;
    quotient.use(1, 1);
    quotient.s().opCode = Value::int16(4);
    quotient.s().resultValue = previous;
    EXPECT_EQ(quotient.experiment("12", "0"), "????");
    EXPECT_TRUE(quotient.s().experimentCount == Value::int16(1)); // chosen before dividing
    EXPECT_EQ(quotient.s().opSymbol, ":");
    EXPECT_EQ(quotient.s().resultValue.display(), "previous");

    // A fault before choosing leaves the count and the symbol alone, but A is already read.
    const std::tuple<Scheme, const char*, const char*> early[] = {
        { at06, "12", "182" },
        { at18, "12", "0" },
        { at19, "0", "12" },
        { at01, "12", "40000" },
    };
    for (const auto& [at, a, b] : early) {
        SCOPED_TRACE(std::string(a) + ", " + b);
        Rig rig;
        rig.use(at.level, at.scheme);
        setConstants(rig.s(), 1, 1);
        rig.s().opCode = Value::int16(1);
        rig.s().inputA = Value::dbl(99);
        EXPECT_EQ(rig.experiment(a, b), "????");
        EXPECT_TRUE(rig.s().experimentCount.isEmpty());
        EXPECT_EQ(rig.s().opSymbol, "");
        EXPECT_EQ(rig.s().inputA.display(), a);
    }
}

TEST(OperationDriven, SecondOperationComesFromTheClockDigit)
{
    const char* symbols = "++-*:++-*:";
    const char* outputs[] = { "17", "17", "13", "30", "7", "17", "17", "13", "30", "7" };
    for (int digit = 0; digit <= 9; ++digit) {
        SCOPED_TRACE(digit);
        Rig rig;
        putSymbolInForce(rig, at03, "+", 0, 2);
        rig.clock.setSecondDigit(digit);
        EXPECT_EQ(rig.experiment("12", "3"), outputs[digit]);
        EXPECT_EQ(rig.s().secondOpSymbol, std::string(1, symbols[digit]));
        EXPECT_TRUE(rig.s().secondOpCount == Value::int16(1));
    }
}

TEST(OperationDriven, SecondOperationIsKeptUntilTheSchemeChanges)
{
    Rig rig;
    putSymbolInForce(rig, at03, "+", 0, 2);
    rig.clock.setSecondDigit(7);
    EXPECT_EQ(rig.experiment("12", "3"), "13");
    rig.clock.setSecondDigit(3);
    EXPECT_EQ(rig.experiment("12", "3"), "13");
    EXPECT_TRUE(rig.s().secondOpCount == Value::int16(2));

    rig.machine.cmb_Click();
    putSymbolInForce(rig, at03, "+", 0, 2);
    EXPECT_EQ(rig.experiment("12", "3"), "30");
    EXPECT_EQ(rig.s().secondOpIndex, 3);
}

TEST(OperationDriven, AnOpenedSecondOperationIsKeptInPlaceOfTheClock)
{
    Rig rig;
    putSymbolInForce(rig, at04, "+", 0, 2);
    rig.s().loadedFromFile = true;
    rig.s().secondOpIndex = 3;
    rig.clock.setSecondDigit(7);
    EXPECT_EQ(rig.experiment("12", "5"), "70"); // (12 + 2) × 5
    EXPECT_EQ(rig.s().secondOpIndex, 3);
    EXPECT_EQ(rig.s().secondOpSymbol, "*");
}

TEST(OperationDriven, SecondOperationCountsOnlyWhenTheFirstSucceeds)
{
    Rig first;
    putSymbolInForce(first, at03, ":", 0, 2);
    EXPECT_EQ(first.experiment("12", "0"), "????");
    EXPECT_TRUE(first.s().secondOpCount.isEmpty());

    Rig second;
    putSymbolInForce(second, at04, "+", 0, 2);
    second.clock.setSecondDigit(4); // ":"
    EXPECT_EQ(second.experiment("12", "0"), "????");
    EXPECT_TRUE(second.s().secondOpCount == Value::int16(1));
    EXPECT_EQ(second.s().secondOpSymbol, ":");
}

TEST(OperationDriven, Calc31ChoosesOnlyAtItsFirstRunOfTheProgram)
{
    Rig rig;
    rig.use(4, 13);
    setConstants(rig.s(), 3, 4);
    rig.s().opCode = Value::int16(1);
    EXPECT_EQ(rig.experiment("10", "5"), "22");

    rig.machine.cmb_Click(); // resets experimentCount, not calc31Count
    rig.use(4, 13);
    setConstants(rig.s(), 3, 4);
    rig.s().opCode = Value::int16(3);
    EXPECT_EQ(rig.experiment("10", "5"), "22");
    EXPECT_TRUE(rig.s().calc31Count == Value::int16(2));

    rig.use(1, 1); // while calc01 chooses again after the scheme change
    EXPECT_EQ(rig.experiment("12", "3"), "36");
}

TEST(OperationDriven, EachMechanismReadsTheOperationIndexItsOwnWay)
{
    struct Row
    {
        int index;
        const char* opSymbol;
        const char* altOpSymbol;
        const char* calc01;
        const char* calc32;
        const char* calc35;
        const char* calc43;
    };
    const Row rows[] = {
        { 1, "+", "+", "15", "30", "15", "16" },
        { 2, "-", "*", "9", "51", "36", "36" },
        { 3, "*", "-", "36", "24", "9", "8" },
        { 4, ":", ":", "4", "19", "4", "4" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.index);
        Rig rig;
        rig.s().experimentCount = Value::int16(5);
        rig.s().calc43Count = Value::int16(5);
        rig.random.draws = { ScriptedRandom::forWhole(row.index, 4), ScriptedRandom::forWhole(1, 4),
            ScriptedRandom::forWhole(1, 4) };
        rig.machine.ingr_Click(); // second partial result and join: sums
        EXPECT_EQ(rig.s().opSymbol, row.opSymbol);
        EXPECT_EQ(rig.s().altOpSymbol, row.altOpSymbol);
        setConstants(rig.s(), 3, 1);

        const std::pair<Scheme, const char*> runs[] = {
            { at01, row.calc01 },
            { at32, row.calc32 },
            { at35, row.calc35 },
            { at43, row.calc43 },
        };
        for (const auto& [at, expected] : runs) {
            rig.use(at.level, at.scheme);
            rig.random.draws = { ScriptedRandom::forWhole(1, 2) };
            EXPECT_EQ(rig.experiment("12", "3"), expected) << "scheme " << at.scheme;
        }
    }
}
