#include "core/values/value.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

using namespace quorvel;
using K = Value::Kind;

namespace {

const char* kindName(K k)
{
    switch (k) {
    case K::Empty:
        return "Empty";
    case K::Int16:
        return "Int16";
    case K::Int32:
        return "Int32";
    case K::Single:
        return "Single";
    case K::Double:
        return "Double";
    case K::Text:
        return "Text";
    }
    return "?";
}

using Binary = std::function<Value(const Value&, const Value&)>;
const Binary plus = [](const Value& a, const Value& b) { return a + b; };
const Binary minus = [](const Value& a, const Value& b) { return a - b; };
const Binary times = [](const Value& a, const Value& b) { return a * b; };

struct KindRow
{
    const char* what;
    Value a;
    Binary op;
    Value b;
    K kind;
    double number;
};

void expectRows(std::initializer_list<KindRow> rows)
{
    for (const KindRow& row : rows) {
        SCOPED_TRACE(row.what);
        const Value v = row.op(row.a, row.b);
        EXPECT_STREQ(kindName(v.kind()), kindName(row.kind));
        EXPECT_DOUBLE_EQ(v.number(), row.number);
    }
}

} // namespace

TEST(Value, SumDifferenceAndProductTakeTheWiderKindAndWidenIntegersInsteadOfOverflowing)
{
    expectRows({
        { "16 + 16", Value::int16(2), plus, Value::int16(3), K::Int16, 5 },
        { "16 + 16 past 32767", Value::int16(32767), plus, Value::int16(1), K::Int32, 32768 },
        { "16 - 16 below -32768", Value::int16(-32768), minus, Value::int16(1), K::Int32, -32769 },
        { "16 * 16 past 32767", Value::int16(300), times, Value::int16(300), K::Int32, 90000 },
        { "-256 * 128 fits", Value::int16(-256), times, Value::int16(128), K::Int16, -32768 },
        { "32 + 16 past 32 bits", Value::int32(2147483647), plus, Value::int16(1), K::Double,
            2147483648.0 },
        { "32 * 32 past 32 bits", Value::int32(65536), times, Value::int32(65536), K::Double,
            4294967296.0 },
        { "32 - 16 below 32 bits", Value::int32(-2147483648LL), minus, Value::int16(1), K::Double,
            -2147483649.0 },
        { "32 + 16 narrow result", Value::int32(100000), minus, Value::int16(99999), K::Int32, 1 },
        { "single + 16", Value::single(1.5), plus, Value::int16(1), K::Single, 2.5 },
        { "single * single", Value::single(0.5), times, Value::single(0.5), K::Single, 0.25 },
        { "single + 32", Value::single(1.5), plus, Value::int32(1), K::Double, 2.5 },
        { "32 * single", Value::int32(3), times, Value::single(2), K::Double, 6 },
        { "single * double", Value::single(2), times, Value::dbl(0.25), K::Double, 0.5 },
        { "double + 16", Value::dbl(0.5), plus, Value::int16(1), K::Double, 1.5 },
        { "double of a whole number stays double", Value::dbl(3), minus, Value::int16(3), K::Double,
            0 },
        { "empty + empty", Value(), plus, Value(), K::Int16, 0 },
        { "empty + 16", Value(), plus, Value::int16(5), K::Int16, 5 },
        { "32 - empty", Value::int32(70000), minus, Value(), K::Int32, 70000 },
        { "empty * double", Value(), times, Value::dbl(2.5), K::Double, 0 },
        { "spelled text + 16", Value::text("12"), plus, Value::int16(3), K::Double, 15 },
        { "16 - spelled text", Value::int16(5), minus, Value::text("7"), K::Double, -2 },
        { "spelled text with blanks", Value::text(" 2.5 "), times, Value::int16(2), K::Double, 5 },
    });
}

TEST(Value, DivisionAndPowerAlwaysGiveADouble)
{
    const Binary over = [](const Value& a, const Value& b) { return divide(a, b); };
    const Binary raised = [](const Value& a, const Value& b) { return power(a, b); };
    expectRows({
        { "7 / 2", Value::int16(7), over, Value::int16(2), K::Double, 3.5 },
        { "6 / 3", Value::int16(6), over, Value::int16(3), K::Double, 2 },
        { "0 / 5", Value::int16(0), over, Value::int16(5), K::Double, 0 },
        { "empty / 1", Value(), over, Value::int16(1), K::Double, 0 },
        { "single / single", Value::single(1), over, Value::single(4), K::Double, 0.25 },
        { "texts", Value::text("9"), over, Value::text("3"), K::Double, 3 },
        { "2 ^ 10", Value::int16(2), raised, Value::int16(10), K::Double, 1024 },
        { "181 ^ 2", Value::int16(181), raised, Value::int16(2), K::Double, 32761 },
        { "32767 ^ 2 past 16 bits", Value::int16(32767), raised, Value::int16(2), K::Double,
            1073676289.0 },
        { "0 ^ 0", Value::int16(0), raised, Value::int16(0), K::Double, 1 },
        { "empty ^ 2", Value(), raised, Value::int16(2), K::Double, 0 },
    });
}

TEST(Value, DivisionByZeroAndOverflowAreFaults)
{
    const std::function<Value()> faults[] = {
        [] { return divide(Value::int16(7), Value::int16(0)); },
        [] { return divide(Value::int16(0), Value::int16(0)); },
        [] { return divide(Value::int16(1), Value()); },
        [] { return divide(Value::dbl(1), Value::text("0")); },
        [] { return power(Value::int16(10), Value::int16(400)); },
        [] { return power(Value::int16(-8), Value::dbl(0.5)); },
        [] { return Value::dbl(1e308) * Value::int16(10); },
        [] { return Value::dbl(-1e308) - Value::dbl(1e308); },
    };
    for (std::size_t i = 0; i < std::size(faults); ++i) {
        SCOPED_TRACE(i);
        EXPECT_THROW(faults[i](), MechanismFault);
    }
}

TEST(Value, RoundingDownGoesTowardMinusInfinityAndKeepsTheKind)
{
    const std::function<Value(const Value&, const Value&)> down
        = [](const Value& v, const Value&) { return floorOf(v); };
    expectRows({
        { "-2.5", Value::dbl(-2.5), down, Value(), K::Double, -3 },
        { "2.5", Value::dbl(2.5), down, Value(), K::Double, 2 },
        { "-0.5 single", Value::single(-0.5), down, Value(), K::Single, -1 },
        { "3.75 single", Value::single(3.75), down, Value(), K::Single, 3 },
        { "whole double", Value::dbl(-7), down, Value(), K::Double, -7 },
        { "16-bit", Value::int16(7), down, Value(), K::Int16, 7 },
        { "32-bit", Value::int32(100000), down, Value(), K::Int32, 100000 },
        { "empty", Value(), down, Value(), K::Int16, 0 },
        { "text", Value::text("3.7"), down, Value(), K::Double, 3 },
    });
}

TEST(Value, AbsoluteValueKeepsTheKind)
{
    const Binary absolute = [](const Value& v, const Value&) { return absOf(v); };
    expectRows({
        { "16-bit", Value::int16(-5), absolute, Value(), K::Int16, 5 },
        { "16-bit 32767", Value::int16(-32767), absolute, Value(), K::Int16, 32767 },
        { "32-bit", Value::int32(-100000), absolute, Value(), K::Int32, 100000 },
        { "single", Value::single(-1.5), absolute, Value(), K::Single, 1.5 },
        { "double", Value::dbl(-2.5), absolute, Value(), K::Double, 2.5 },
        { "empty", Value(), absolute, Value(), K::Int16, 0 },
    });
    EXPECT_THROW(absOf(Value::int16(-32768)), MechanismFault);
}

TEST(Value, RemainderRoundsHalvesToEvenAndTakesTheSignOfTheDividend)
{
    struct Row
    {
        Value a;
        Value b;
        double expected;
    };
    const Row rows[] = {
        { Value::int16(7), Value::int16(3), 1 },
        { Value::dbl(-7), Value::int16(3), -1 },
        { Value::int16(7), Value::int16(-3), 1 },
        { Value::dbl(-7), Value::int16(-3), -1 },
        { Value::dbl(2.5), Value::int16(3), 2 }, // 2.5 -> 2
        { Value::dbl(3.5), Value::int16(3), 1 }, // 3.5 -> 4
        { Value::dbl(5.5), Value::int16(4), 2 }, // 5.5 -> 6
        { Value::dbl(4.5), Value::int16(3), 1 }, // 4.5 -> 4
        { Value::dbl(-2.5), Value::int16(3), -2 },
        { Value::dbl(7), Value::dbl(2.5), 1 }, // divisor 2.5 -> 2
        { Value::dbl(7), Value::dbl(3.5), 3 }, // divisor 3.5 -> 4
        { Value::dbl(7), Value::dbl(1.5), 1 }, // divisor 1.5 -> 2
        { Value::dbl(2147483647), Value::int16(10), 7 },
        { Value::dbl(2147483647.4), Value::int16(10), 7 },
        { Value::dbl(-2147483648.0), Value::int16(-1), 0 },
        { Value::dbl(-2147483648.0), Value::int16(7), -2 },
        { Value(), Value::int16(5), 0 },
        { Value::text("17"), Value::int16(5), 2 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.a.display() + " remainder " + row.b.display());
        EXPECT_EQ(remainder(row.a, row.b).number(), row.expected);
        EXPECT_EQ(remainder32(row.a.number(), row.b.number()), row.expected);
    }
}

TEST(Value, RemainderByZeroOrOfAnOperandBeyond32BitsIsAFault)
{
    const std::pair<Value, Value> faults[] = {
        { Value::int16(7), Value::int16(0) },
        { Value::dbl(7), Value::dbl(0.5) }, // the divisor rounds to 0
        { Value::int16(7), Value() },
        { Value::dbl(2147483648.0), Value::int16(7) },
        { Value::dbl(2147483647.5), Value::int16(7) }, // rounds up to 2147483648
        { Value::dbl(-2147483649.0), Value::int16(7) },
        { Value::int16(7), Value::dbl(3e9) },
        { Value::text("abc"), Value::int16(7) },
    };
    for (const auto& [a, b] : faults) {
        SCOPED_TRACE(a.display() + " remainder " + b.display());
        EXPECT_THROW(remainder(a, b), MechanismFault);
    }
}

TEST(Value, ConversionTo16BitsRoundsHalvesToEven)
{
    const std::pair<double, int> rows[] = {
        { 0.5, 0 },
        { 1.5, 2 },
        { 2.5, 2 },
        { 3.5, 4 },
        { -0.5, 0 },
        { -1.5, -2 },
        { -2.5, -2 },
        { 2.4, 2 },
        { 2.6, 3 },
        { 32767, 32767 },
        { 32766.5, 32766 },
        { 32767.4, 32767 },
        { -32768, -32768 },
        { -32768.5, -32768 },
    };
    for (const auto& [v, expected] : rows) {
        SCOPED_TRACE(v);
        EXPECT_EQ(toInt16(v), expected);
    }
    for (double v : { 32767.5, 32768.0, -32768.6, -32769.0, 1e10, -1e10 }) {
        SCOPED_TRACE(v);
        EXPECT_THROW(toInt16(v), MechanismFault);
    }
}

TEST(Value, ConversionTo16BitsReadsEmptyAsZeroAndTextsByTheNumberTheySpell)
{
    EXPECT_EQ(toInt16(Value()), 0);
    EXPECT_EQ(toInt16(Value::text("12")), 12);
    EXPECT_EQ(toInt16(Value::text(" 7 ")), 7);
    EXPECT_EQ(toInt16(Value::single(2.5)), 2);
    EXPECT_THROW(toInt16(Value::text("abc")), MechanismFault);
    EXPECT_THROW(toInt16(Value::text("")), MechanismFault);
    EXPECT_THROW(toInt16(Value::int32(40000)), MechanismFault);
}

TEST(Value, SixteenBitCalculationsFaultOutsideTheirRange)
{
    using Op = std::int16_t (*)(std::int16_t, std::int16_t);
    const Op add = add16, sub = sub16, mul = mul16;
    const Op absolute = [](std::int16_t a, std::int16_t) { return abs16(a); };
    struct Row
    {
        Op op;
        int a;
        int b;
        std::optional<int> expected; // nothing: a fault
    };
    const Row rows[] = {
        { add, 32766, 1, 32767 },
        { add, 32767, 1, std::nullopt },
        { add, -32768, -1, std::nullopt },
        { add, 9, 32758, 32767 },
        { sub, -32767, 1, -32768 },
        { sub, -32768, 1, std::nullopt },
        { sub, 0, -32768, std::nullopt },
        { sub, 5, 9, -4 },
        { mul, 181, 181, 32761 },
        { mul, 182, 182, std::nullopt },
        { mul, 9, 3641, std::nullopt },
        { mul, 9, 3640, 32760 },
        { mul, -256, 128, -32768 },
        { mul, 256, 128, std::nullopt },
        { mul, -32768, -1, std::nullopt },
        { absolute, -32767, 0, 32767 },
        { absolute, -32768, 0, std::nullopt },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.a) + ", " + std::to_string(row.b));
        const auto a = static_cast<std::int16_t>(row.a);
        const auto b = static_cast<std::int16_t>(row.b);
        if (row.expected)
            EXPECT_EQ(row.op(a, b), *row.expected);
        else
            EXPECT_THROW(row.op(a, b), MechanismFault);
    }
}

TEST(Value, ComparesNumericallyWhateverTheKinds)
{
    struct Row
    {
        Value a;
        Value b;
        bool equal;
        bool less;
    };
    const Row rows[] = {
        { Value::int16(3), Value::dbl(3), true, false },
        { Value::int32(3), Value::single(3), true, false },
        { Value(), Value::int16(0), true, false },
        { Value(), Value::dbl(-1), false, false },
        { Value(), Value::single(0.5), false, true },
        { Value::text("12"), Value::int16(12), true, false },
        { Value::text("9"), Value::int16(10), false, true }, // as numbers, not as texts
        { Value::text("10"), Value::text("9"), false, false },
        { Value::dbl(2.5), Value::int16(3), false, true },
        { Value::int32(70000), Value::int16(32767), false, false },
        { Value::text(" 5"), Value::dbl(5), true, false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.a.display() + " vs " + row.b.display());
        EXPECT_EQ(row.a == row.b, row.equal);
        EXPECT_EQ(row.a < row.b, row.less);
        EXPECT_EQ(row.a > row.b, !row.equal && !row.less);
    }
}
