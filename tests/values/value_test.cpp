// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The value: its arithmetic (kinds, widening, rounding, faults), texts as numbers, reading the
// inputs and the display form of numbers.

#include "core/values/value.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

using namespace quorvel;
using enum Value::Kind;
using Binary = Value (*)(const Value&, const Value&);

namespace {

const Value none;
const auto i16 = [](int v) { return Value::int16(v); };
const auto i32 = [](std::int64_t v) { return Value::int32(v); };
const auto sgl = [](double v) { return Value::single(v); };
const auto dbl = [](double v) { return Value::dbl(v); };
const auto txt = [](const char* t) { return Value::text(t); };

// By symbol: '/' divide, '^' power, '%' remainder, 'f' floorOf and 'a' absOf of the first.
constexpr std::string_view symbols = "+-*/^%fa";
const Binary operations[] = { [](const Value& a, const Value& b) { return a + b; },
    [](const Value& a, const Value& b) { return a - b; },
    [](const Value& a, const Value& b) { return a * b; },
    [](const Value& a, const Value& b) { return divide(a, b); },
    [](const Value& a, const Value& b) { return power(a, b); },
    [](const Value& a, const Value& b) { return remainder(a, b); },
    [](const Value& a, const Value&) { return floorOf(a); },
    [](const Value& a, const Value&) { return absOf(a); } };

constexpr Value::Kind fault = Empty; // the operation throws
const char* const kindNames[] = { "fault", "Int16", "Int32", "Single", "Double", "Text" };

// What a calculation gives, or nothing when it faults.
template <typename F> auto attempt(F f) -> std::optional<decltype(f())>
{
    try {
        return f();
    } catch (const MechanismFault&) {
        return std::nullopt;
    }
}

struct Row
{
    Value a;
    char op;
    Value b;
    Value::Kind kind;
    double number = 0;
};

} // namespace

TEST(Value, ArithmeticTakesTheWiderKindWidensAndFaults)
{
    const Row rows[] = { { i16(2), '+', i16(3), Int16, 5 },
        { i16(32767), '+', i16(1), Int32, 32768 }, { i16(-32768), '-', i16(1), Int32, -32769 },
        { i16(300), '*', i16(300), Int32, 90000 }, { i16(-256), '*', i16(128), Int16, -32768 },
        { i32(2147483647), '+', i16(1), Double, 2147483648.0 },
        { i32(100000), '-', i16(99999), Int32, 1 }, { sgl(1.5), '+', i16(1), Single, 2.5 },
        { sgl(1.5), '+', i32(1), Double, 2.5 }, { dbl(3), '-', i16(3), Double, 0 },
        { none, '+', none, Int16, 0 }, { txt(" 2.5 "), '*', i16(2), Double, 5 },
        { txt("abc"), '+', i16(1), fault }, { dbl(1e308), '*', i16(10), fault },
        { i16(7), '/', i16(2), Double, 3.5 }, { i16(6), '/', i16(3), Double, 2 },
        { i16(7), '/', i16(0), fault }, { i16(1), '/', none, fault },
        { dbl(1), '/', txt("0"), fault }, { i16(32767), '^', i16(2), Double, 1073676289.0 },
        { i16(10), '^', i16(400), fault }, { i16(-8), '^', dbl(0.5), fault },
        { dbl(-2.5), 'f', none, Double, -3 }, { sgl(-0.5), 'f', none, Single, -1 },
        { i32(100000), 'f', none, Int32, 100000 }, { none, 'f', none, Int16, 0 },
        { txt("3.7"), 'f', none, Double, 3 }, { i16(-5), 'a', none, Int16, 5 },
        { sgl(-1.5), 'a', none, Single, 1.5 }, { i16(-32768), 'a', none, fault },
        // The remainder: operands rounded to 32 bits (halves to even), the dividend's sign.
        { dbl(-7), '%', i16(3), Int32, -1 }, { i16(7), '%', i16(-3), Int32, 1 },
        { dbl(2.5), '%', i16(3), Int32, 2 }, { dbl(3.5), '%', i16(3), Int32, 1 },
        { dbl(-2.5), '%', i16(3), Int32, -2 }, { dbl(7), '%', dbl(2.5), Int32, 1 },
        { dbl(7), '%', dbl(3.5), Int32, 3 }, { dbl(2147483647.4), '%', i16(10), Int32, 7 },
        { dbl(-2147483648.0), '%', i16(-1), Int32, 0 },
        { dbl(-2147483648.0), '%', i16(7), Int32, -2 }, { txt("17"), '%', i16(5), Int32, 2 },
        { i16(7), '%', none, fault }, { dbl(7), '%', dbl(0.5), fault },
        { dbl(2147483647.5), '%', i16(7), fault }, { dbl(-2147483649.0), '%', i16(7), fault },
        { i16(7), '%', dbl(3e9), fault } };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.a.display() + " " + row.op + " " + row.b.display());
        const Binary operation = operations[symbols.find(row.op)];
        const auto v = attempt([&] { return operation(row.a, row.b); });
        EXPECT_STREQ(kindNames[v ? static_cast<int>(v->kind()) : 0], kindNames[int(row.kind)]);
        EXPECT_EQ(v ? v->number() : 0, row.number);
    }
}

TEST(Value, ConversionTo16BitsRoundsHalvesToEvenAndFaultsOutside)
{
    const std::pair<Value, std::optional<std::int16_t>> rows[] = { { dbl(0.5), 0 }, { dbl(1.5), 2 },
        { dbl(2.5), 2 }, { dbl(-1.5), -2 }, { dbl(-2.5), -2 }, { dbl(2.6), 3 },
        { dbl(32767.4), 32767 }, { dbl(-32768.5), -32768 }, { none, 0 }, { txt(" 7 "), 7 },
        { sgl(2.5), 2 }, { dbl(32767.5), std::nullopt }, { dbl(-32768.6), std::nullopt },
        { i32(40000), std::nullopt }, { txt(""), std::nullopt } };
    for (const auto& [v, expected] : rows)
        EXPECT_EQ(attempt([&] { return toInt16(v); }), expected) << v.display();
}

TEST(Value, SixteenBitCalculationsFaultOutsideTheirRange)
{
    using Op = std::int16_t (*)(std::int16_t, std::int16_t);
    const Op add = add16, sub = sub16, mul = mul16;
    const Op absolute = [](std::int16_t a, std::int16_t) { return abs16(a); };
    const std::tuple<Op, std::int16_t, std::int16_t, std::optional<std::int16_t>> rows[]
        = { { add, 32766, 1, 32767 }, { add, 32767, 1, std::nullopt },
              { add, -32768, -1, std::nullopt }, { sub, -32767, 1, -32768 },
              { sub, 0, -32768, std::nullopt }, { sub, 5, 9, -4 }, { mul, 181, 181, 32761 },
              { mul, 182, 182, std::nullopt }, { mul, -256, 128, -32768 },
              { mul, 256, 128, std::nullopt }, { mul, -32768, -1, std::nullopt },
              { absolute, -32767, 0, 32767 }, { absolute, -32768, 0, std::nullopt } };
    for (const auto& [op, a, b, expected] : rows)
        EXPECT_EQ(attempt([&] { return op(a, b); }), expected) << a << ", " << b;
}

TEST(Value, ATextActsAsTheNumberItSpellsAndFaultsOtherwise)
{
    const std::pair<const char*, std::optional<double>> rows[] = { { "12", 12 }, { " 12 ", 12 },
        { "007", 7 }, { "+5", 5 }, { "-5", -5 }, { "2.5", 2.5 }, { "1E3", 1000 },
        { "abc", std::nullopt }, { "", std::nullopt }, { "  ", std::nullopt },
        { "12abc", std::nullopt }, { "in", std::nullopt }, { "1 2", std::nullopt },
        { "inf", std::nullopt }, { "nan", std::nullopt }, { "0x1A", std::nullopt } };
    for (const auto& [text, number] : rows) {
        const Value v = txt(text);
        EXPECT_EQ(v.display(), text); // shown as it is
        EXPECT_EQ(spellsNumber(text), number.has_value()) << text;
        EXPECT_EQ(attempt([&] { return v.number(); }), number) << text;
        EXPECT_EQ(attempt([&] { return v == i16(0); }).has_value(), number.has_value()) << text;
    }
}

TEST(Value, ReadsTheDigitsAtTheStartOfAnInput)
{
    const std::pair<std::string, std::optional<double>> rows[] = { { "", 0 }, { "007", 7 },
        { "  42", 42 }, { "in123", 0 }, { "12abc", 12 }, { "2147483648", 2147483648.0 },
        { "12345678901234567890", 12345678901234567890.0 }, { "1" + std::string(308, '0'), 1e308 },
        { "1" + std::string(309, '0'), std::nullopt } };
    for (const auto& [text, number] : rows)
        EXPECT_EQ(attempt([&] { return readLeadingNumber(text); }), number) << text;
}

TEST(Value, ShowsNumbersInTheirShortestDecimalForm)
{
    const std::tuple<Value, char, const char*> rows[] = { { none, '.', "" },
        { i32(-2147483648LL), '.', "-2147483648" }, { dbl(2147483648.0), '.', "2147483648" },
        { dbl(3.5), ',', "3,5" }, { sgl(0.25), ',', "0,25" }, { dbl(-0.25), '.', "-0.25" },
        { dbl(0.1 + 0.2), '.', "0.3" }, { dbl(2.0 / 3), '.', "0.666666666666667" },
        { sgl(2.0 / 3), '.', "0.6666667" }, { dbl(999999999999999.0), '.', "999999999999999" },
        { dbl(1e15), '.', "1E+15" }, { dbl(999999999999999.9), '.', "1E+15" },
        { dbl(1234567890123456.0), '.', "1.23456789012346E+15" }, { dbl(-1e20), '.', "-1E+20" },
        { dbl(1.5e20), ',', "1,5E+20" }, { dbl(1e100), '.', "1E+100" },
        { dbl(0.00001), '.', "0.00001" }, { dbl(0.000001), '.', "1E-06" },
        { sgl(9999999), '.', "9999999" }, { sgl(10000000), '.', "1E+07" },
        { dbl(10000000), '.', "10000000" }, { sgl(12345678), '.', "1.234568E+07" } };
    for (const auto& [v, separator, expected] : rows)
        EXPECT_EQ(v.display(separator), expected);
}
