// Texts as numbers, reading the inputs and the display form of numbers.

#include "core/values/value.h"

#include <gtest/gtest.h>

#include <string>

using namespace quorvel;

TEST(Value, TextThatSpellsNoNumberIsAFaultInArithmeticAndComparison)
{
    for (const char* text : { "abc", "", "  ", "12abc", "in", "1 2", "inf", "nan", "0x1A" }) {
        SCOPED_TRACE(text);
        const Value v = Value::text(text);
        EXPECT_FALSE(spellsNumber(text));
        EXPECT_THROW(v.number(), MechanismFault);
        EXPECT_THROW(v + Value::int16(1), MechanismFault);
        EXPECT_THROW((void)(v == Value::int16(0)), MechanismFault);
        EXPECT_THROW((void)(Value::int16(0) < v), MechanismFault);
        EXPECT_EQ(v.display(), text); // shown as it is
    }
}

TEST(Value, TextsThatSpellNumbersGiveTheirValue)
{
    const std::pair<const char*, double> rows[] = {
        { "12", 12 },
        { " 12 ", 12 },
        { "007", 7 },
        { "+5", 5 },
        { "-5", -5 },
        { "2.5", 2.5 },
        { "1E3", 1000 },
        { "32768", 32768 },
    };
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(text);
        double out = 0;
        EXPECT_TRUE(spellsNumber(text, &out));
        EXPECT_EQ(out, expected);
        EXPECT_EQ(Value::text(text).number(), expected);
    }
}

TEST(Value, EmptyCountsAsZeroAndShowsAsEmptyText)
{
    const Value empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.display(), "");
    EXPECT_EQ(empty.number(), 0);
    EXPECT_TRUE(empty == Value::int16(0));
    EXPECT_EQ((empty + Value::int16(1)).display(), "1");
}

TEST(Value, ReadsTheDigitsAtTheStartOfAnInput)
{
    const std::pair<const char*, double> rows[] = {
        { "", 0 }, { "007", 7 }, { "123", 123 }, { "  42", 42 }, { "in", 0 }, { "in123", 0 },
        { "12abc", 12 }, { "abc12", 0 }, { "32768", 32768 }, { "2147483648", 2147483648.0 },
        { "12345678901234567890", 12345678901234567890.0 }, // to a double's precision
    };
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(readLeadingNumber(text), expected);
    }
    EXPECT_EQ(readLeadingNumber("1" + std::string(308, '0')), 1e308);
}

TEST(Value, AnInputTooLongForADoubleIsAFault)
{
    EXPECT_THROW(readLeadingNumber(std::string(400, '9')), MechanismFault);
    EXPECT_THROW(readLeadingNumber("1" + std::string(309, '0')), MechanismFault);
}

TEST(Value, FormatsNumbersInTheirShortestDecimalForm)
{
    struct Row
    {
        double v;
        int digits;
        char separator;
        const char* expected;
    };
    const Row rows[] = {
        { 0, 15, '.', "0" },
        { 42, 15, '.', "42" },
        { -42, 15, '.', "-42" },
        { 1000000, 15, '.', "1000000" },
        { 3.5, 15, '.', "3.5" },
        { 3.5, 15, ',', "3,5" },
        { -0.25, 15, '.', "-0.25" },
        { 0.5, 15, '.', "0.5" },
        { 32768.5, 15, '.', "32768.5" },
        { 0.1 + 0.2, 15, '.', "0.3" },
        { 1.0 / 3, 15, '.', "0.333333333333333" },
        { 2.0 / 3, 15, '.', "0.666666666666667" },
        { 2.0 / 3, 7, '.', "0.6666667" },
        { 123456789012345.0, 15, '.', "123456789012345" },
        { 999999999999999.0, 15, '.', "999999999999999" },
        { 1e15, 15, '.', "1E+15" },
        { 999999999999999.9, 15, '.', "1E+15" }, // rounds up into the next power of ten
        { 1234567890123456.0, 15, '.', "1.23456789012346E+15" },
        { 123456789012345678.0, 15, '.', "1.23456789012346E+17" },
        { 12345678901234567890.0, 15, '.', "1.23456789012346E+19" },
        { -1e20, 15, '.', "-1E+20" },
        { 1.5e20, 15, ',', "1,5E+20" },
        { 1e100, 15, '.', "1E+100" },
        { 9999999, 7, '.', "9999999" },
        { 1234567.4, 7, '.', "1234567" },
        { 10000000, 7, '.', "1E+07" },
        { 12345678, 7, '.', "1.234568E+07" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(formatNumber(row.v, row.digits, row.separator), row.expected);
    }
}

TEST(Value, ShowsEachKindInItsOwnForm)
{
    const std::pair<Value, const char*> rows[] = {
        { Value::int16(-5), "-5" },
        { Value::int32(2147483647), "2147483647" },
        { Value::int32(-2147483648LL), "-2147483648" },
        { Value::dbl(2147483648.0), "2147483648" },
        { Value::dbl(-3.5), "-3.5" },
        { Value::single(1.0 / 3), "0.3333333" },
        { Value::dbl(1.0 / 3), "0.333333333333333" },
        { Value::single(10000000), "1E+07" },
        { Value::dbl(10000000), "10000000" },
        { Value::text("12"), "12" },
        { Value::text(""), "" },
    };
    for (const auto& [v, expected] : rows) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(v.display(), expected);
    }
    EXPECT_EQ(Value::dbl(3.5).display(','), "3,5");
    EXPECT_EQ(Value::single(0.25).display(','), "0,25");
}
