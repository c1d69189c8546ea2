#include "mechanisms/mechanism_rig.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::testing;

namespace {

constexpr Scheme at01 { 1, 1 }, at03 { 2, 10 }, at04 { 2, 11 }, at05 { 3, 17 }, at06 { 3, 18 },
    at11 { 3, 12 }, at18 { 3, 13 }, at19 { 3, 14 }, at22 { 3, 16 }, at23 { 3, 15 }, at31 { 4, 13 },
    at32 { 4, 14 }, at43 { 5, 7 };

const Value previous = Value::text("previous");

// The symbol is in force and this is not a first counted experiment, so opCode (deliberately
// out of range) is never consulted.
void putSymbolInForce(Rig& rig, Scheme at, const char* symbol, int c1, int c2)
{
    rig.use(at.level, at.scheme);
    setConstants(rig.s(), c1, c2);
    rig.s().opCode = Value::int16(9);
    rig.s().opSymbol = symbol;
    rig.s().experimentCount = Value::int16(5);
    rig.s().calc31Count = Value::int16(5);
    rig.s().resultValue = previous;
}

// After a fault the output shows "????" while resultValue keeps what it held at the fault.
void expectOutput(Rig& rig, const char* a, const char* b, const std::string& expected,
    const char* heldAfterFault = "previous")
{
    SCOPED_TRACE(std::string(a) + ", " + b + " -> " + expected);
    EXPECT_EQ(rig.experiment(a, b), expected);
    if (expected == "????") {
        EXPECT_EQ(rig.s().resultValue.display(), heldAfterFault);
    }
}

struct SymbolRow
{
    Scheme at;
    const char* symbol;
    const char* a;
    const char* b;
    int c1;
    int c2;
    const char* expected;
};

void runSymbolRows(std::initializer_list<SymbolRow> rows)
{
    for (const SymbolRow& row : rows) {
        SCOPED_TRACE("level " + std::to_string(row.at.level) + " scheme "
            + std::to_string(row.at.scheme) + " symbol " + row.symbol);
        Rig rig;
        putSymbolInForce(rig, row.at, row.symbol, row.c1, row.c2);
        expectOutput(rig, row.a, row.b, row.expected);
    }
}

} // namespace

TEST(OperationDriven, Calc01AppliesTheSymbolInForceToBothInputs)
{
    runSymbolRows({
        { at01, "+", "12", "3", 0, 0, "15" },
        { at01, "-", "12", "3", 0, 0, "9" },
        { at01, "*", "12", "3", 0, 0, "36" },
        { at01, ":", "12", "3", 0, 0, "4" },
        { at01, "-", "3", "10", 0, 0, "7" }, // never negative
        { at01, ":", "7", "2", 0, 0, "3" }, // rounded down
        { at01, "*", "1000", "1000", 0, 0, "1000000" }, // no 16-bit limit
        { at01, "+", "", "", 0, 0, "0" },
        { at01, ":", "", "", 0, 0, "????" },
        { at01, ":", "0", "5", 0, 0, "0" },
        { at01, ":", "5", "0", 0, 0, "????" },
        { at01, "+", "1", "32767", 0, 0, "32768" },
        { at01, "+", "1", "32768", 0, 0, "????" },
        { at01, "+", "123456789012345678", "0", 0, 0, "1.23456789012346E+17" },
    });
}

TEST(OperationDriven, SquaringMembersReplaceTheirInputBeforeApplyingTheSymbol)
{
    runSymbolRows({
        { at05, "+", "3", "4", 0, 0, "13" },
        { at05, "-", "3", "4", 0, 0, "5" },
        { at05, "*", "3", "4", 0, 0, "36" },
        { at05, ":", "3", "4", 0, 0, "2" },
        { at05, ":", "3", "0", 0, 0, "????" },
        { at05, "+", "200", "1", 0, 0, "40001" },
        { at06, "+", "3", "6", 0, 0, "39" },
        { at06, "-", "3", "6", 0, 0, "33" },
        { at06, "*", "3", "6", 0, 0, "108" },
        { at06, ":", "3", "6", 0, 0, "12" }, // the squared second input over the first
        { at06, "-", "100", "2", 0, 0, "96" },
        { at06, "+", "0", "181", 0, 0, "32761" },
        { at06, "+", "0", "182", 0, 0, "????" }, // 182 squared leaves 16 bits
        { at06, ":", "0", "5", 0, 0, "????" },
    });
}

TEST(OperationDriven, MembersWithTheConstantApplyTheSymbolToTheirOwnValue)
{
    runSymbolRows({
        { at11, "+", "3", "4", 0, 5, "8.5" },
        { at11, "*", "3", "4", 0, 5, "17.5" },
        { at11, "-", "3", "4", 0, 5, "1.5" },
        { at11, ":", "3", "4", 0, 5, "0" },
        { at11, ":", "20", "4", 0, 5, "2" },
        { at11, ":", "3", "4", 0, 0, "????" },
        { at18, "+", "17", "5", 0, 4, "6" },
        { at18, "-", "17", "5", 0, 4, "2" },
        { at18, "*", "17", "5", 0, 4, "8" },
        { at18, ":", "17", "5", 0, 4, "0.5" }, // the plain quotient
        { at18, "+", "17", "0", 0, 4, "????" },
        { at18, "+", "2147483647", "10", 0, 4, "11" },
        { at18, "+", "2147483648", "10", 0, 4, "????" },
        { at18, ":", "17", "5", 0, 0, "????" },
        { at19, "+", "5", "17", 0, 4, "6" },
        { at19, ":", "5", "17", 0, 4, "0.5" },
        { at19, "-", "40", "17", 0, 4, "13" },
        { at19, "+", "0", "17", 0, 4, "????" },
        { at19, "+", "2147483648", "17", 0, 4, "????" },
        { at22, ":", "7", "2", 0, 2, "3.5" },
        { at22, ":", "2", "7", 0, 2, "3.5" },
        { at22, "*", "7", "7", 0, 3, "21" },
        { at22, "+", "9999999999", "1", 0, 1, "10000000000" },
        { at23, ":", "7", "2", 0, 4, "0.5" },
        { at23, ":", "2", "7", 0, 4, "0.5" },
        { at23, "-", "9", "1", 0, 4, "3" },
    });
}

TEST(OperationDriven, Calc31AppliesTheSameSymbolOnBothSides)
{
    runSymbolRows({
        { at31, "+", "10", "5", 3, 4, "22" }, { at31, "*", "10", "5", 3, 4, "600" },
        { at31, ":", "10", "5", 3, 4, "3" }, { at31, "-", "10", "5", 3, 4, "6" },
        { at31, "-", "2", "1", 9, 9, "1" }, { at31, "*", "1", "3640", 1, 9, "32760" },
        { at31, "*", "1", "3641", 1, 9, "????" }, // c2 × B leaves 16 bits
        { at31, "+", "1", "32758", 1, 9, "32769" }, { at31, "+", "1", "32759", 1, 9, "????" },
        { at31, ":", "10", "3", 3, 4, "????" }, // B below c2
    });
}

TEST(OperationDriven, Calc03And04ChainASecondOperation)
{
    struct Row
    {
        Scheme at;
        const char* first;
        const char* second;
        const char* a;
        const char* b;
        int c2;
        const char* expected;
        const char* heldAfterFault = "previous";
    };
    const Row rows[] = {
        { at03, "+", "*", "12", "3", 2, "30" },
        { at03, "-", ":", "12", "3", 4, "2" },
        { at03, "*", "-", "12", "3", 40, "4" },
        { at03, ":", "+", "12", "0", 4, "????" },
        { at04, "+", "*", "12", "5", 3, "75" },
        { at04, ":", "-", "12", "5", 3, "1" },
        { at04, "+", ":", "12", "0", 3, "????", "15" }, // the first operation's output stays
        { at04, ":", "+", "12", "5", 0, "????" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.first) + " then " + row.second);
        Rig rig;
        putSymbolInForce(rig, row.at, row.first, 0, row.c2);
        rig.s().secondOpSymbol = row.second;
        rig.s().secondOpCount = Value::int16(5);
        expectOutput(rig, row.a, row.b, row.expected, row.heldAfterFault);
    }
}

TEST(OperationDriven, Calc32CombinesThreeOperationIndexes)
{
    struct Row
    {
        Value op;
        Value part;
        Value join;
        const char* a;
        const char* b;
        const char* expected;
    };
    const auto i = [](int v) { return Value::int16(v); };
    const Row rows[] = {
        { i(1), i(2), i(4), "12", "3", "0" }, // ⌊15 / 36⌋
        { i(2), i(1), i(3), "12", "3", "21" }, // |36 − 15|
        { i(4), i(3), i(4), "12", "3", "0" }, // ⌊4 / 9⌋
        { i(2), i(3), i(1), "12", "3", "45" },
        { i(3), i(4), i(2), "12", "3", "36" },
        { i(0), i(2), i(1), "12", "3", "36" }, // an unknown index leaves its part at 0
        { i(1), i(9), i(2), "12", "3", "0" },
        { i(1), i(2), i(9), "12", "3", "????" }, // nothing joined
        { i(4), i(1), i(1), "12", "0", "????" },
        { i(1), i(3), i(4), "5", "5", "????" }, // second part 0
        { Value::text("2"), Value::text("1"), Value::text("3"), "12", "3", "21" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.op.display() + row.part.display() + row.join.display());
        Rig rig;
        putSymbolInForce(rig, at32, "", 0, 0);
        rig.s().opCode = row.op;
        rig.s().partOpCode = row.part;
        rig.s().joinOpCode = row.join;
        expectOutput(rig, row.a, row.b, row.expected);
        EXPECT_EQ(rig.s().opSymbol, ""); // reads no symbol, writes none
    }
}

TEST(OperationDriven, Calc43OrdersTheInputsByACoin)
{
    struct Row
    {
        const char* symbol;
        int coin;
        const char* a;
        const char* b;
        const char* expected;
    };
    const Row rows[] = {
        { "+", 1, "10", "3", "18" },
        { "+", 2, "10", "3", "18" },
        { "*", 1, "10", "3", "150" },
        { "*", 2, "10", "3", "150" },
        { "-", 1, "10", "3", "2" },
        { "-", 2, "10", "3", "12" },
        { ":", 1, "100", "3", "6" },
        { ":", 2, "100", "3", "0" },
        { ":", 1, "100", "0", "????" }, // the input put second is 0
        { ":", 2, "100", "0", "0" },
        { ":", 2, "0", "3", "????" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.symbol) + " coin " + std::to_string(row.coin));
        Rig rig;
        putSymbolInForce(rig, at43, "", 0, 5);
        rig.s().calc43Count = Value::int16(1);
        rig.s().altOpSymbol = row.symbol;
        rig.random.draws = { ScriptedRandom::forWhole(row.coin, 2) };
        expectOutput(rig, row.a, row.b, row.expected);
        EXPECT_EQ(rig.random.reseeds, 1);
    }
}

TEST(OperationDriven, Calc43DrawsItsSymbolOnlyAtItsFirstRunEvenAcrossSchemeChanges)
{
    Rig rig;
    rig.use(5, 7);
    setConstants(rig.s(), 0, 5);
    rig.random.draws = { ScriptedRandom::forWhole(3, 4), ScriptedRandom::forWhole(2, 2) };
    EXPECT_EQ(rig.experiment("10", "3"), "12");
    EXPECT_EQ(rig.s().altOpSymbol, "-");
    EXPECT_EQ(rig.random.reseeds, 2);

    rig.machine.cmb_Click();
    rig.use(5, 7);
    setConstants(rig.s(), 0, 5);
    const int reseeds = rig.random.reseeds;
    rig.random.draws = { ScriptedRandom::forWhole(1, 2) };
    EXPECT_EQ(rig.experiment("10", "3"), "2");
    EXPECT_EQ(rig.s().altOpSymbol, "-");
    EXPECT_EQ(rig.random.reseeds, reseeds + 1);
    EXPECT_TRUE(rig.s().calc43Count == Value::int16(2));
}
