#include "mechanisms/mechanism_rig.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::testing;

namespace {

constexpr Scheme at07 { 1, 2 }, at08 { 1, 3 }, at09 { 1, 4 }, at10 { 2, 7 }, at15 { 5, 1 },
    at16 { 5, 2 }, at17 { 5, 3 }, at20 { 2, 8 }, at21 { 2, 9 }, at24 { 1, 5 }, at25 { 1, 6 },
    at26 { 4, 8 }, at27 { 4, 9 }, at33 { 2, 12 }, at34 { 2, 13 }, at35 { 2, 14 }, at36 { 2, 15 };

const std::string tenDigits = "9999999999"; // above 2147483647
const std::string tooLong(400, '9');

struct Row
{
    Scheme at;
    std::string a;
    std::string b;
    const char* expected;
    int opCode = 0;
    int c1 = 0;
    int c2 = 0;
};

void runRows(std::initializer_list<Row> rows)
{
    for (const Row& row : rows) {
        SCOPED_TRACE("level " + std::to_string(row.at.level) + " scheme "
            + std::to_string(row.at.scheme) + ": " + row.a.substr(0, 12) + ", " + row.b + " opCode "
            + std::to_string(row.opCode));
        Rig rig;
        rig.use(row.at.level, row.at.scheme);
        setConstants(rig.s(), row.c1, row.c2);
        rig.s().opCode = Value::int16(row.opCode);
        rig.s().resultValue = Value::text("previous");
        EXPECT_EQ(rig.experiment(row.a, row.b), row.expected);
        if (std::string(row.expected) == "????") {
            EXPECT_EQ(rig.s().resultValue.display(), "previous");
        }
    }
}

} // namespace

TEST(FixedFormula, ParityAndComparisonGames)
{
    runRows({
        { at07, "0", "0", "2" },
        { at07, "", "", "2" },
        { at07, "3", "5", "1" },
        { at07, "4", "7", "0" },
        { at07, "7", "4", "0" },
        { at07, "2147483647", "1", "1" },
        { at08, "3", "5", "1" },
        { at08, "0", "0", "0" },
        { at08, "2", "3", "0" },
        { at08, "3", "2", "0" },
        { at09, "2", "7", "0" },
        { at09, "7", "2", "1" },
        { at09, "6", "6", "6" },
        { at09, "0", "0", "0" },
        { at09, tenDigits, "1", "1" },
        { at24, "5", "5", "5" },
        { at24, "3", "9", "9" },
        { at24, "9", "3", "9" },
        { at25, "5", "5", "5" },
        { at25, "3", "9", "3" },
        { at25, "9", "3", "3" },
    });
}

TEST(FixedFormula, MeanSquaresAndHypotenuse)
{
    runRows({
        { at10, "3", "4", "3.5" },
        { at10, "0", "0", "0" },
        { at15, "2", "3", "25" },
        { at15, "0", "32767", "1073676289" },
        { at16, "2", "5", "9" },
        { at16, "5", "2", "9" },
        { at17, "3", "4", "5" },
        { at17, "2", "3", "3" },
        { at17, "1", "1", "1" },
        { at17, "6", "8", "10" },
        { at17, "0", "0", "0" },
        { at26, "3", "4", "25" },
        { at26, "0", "32767", "1073676289" }, // B squared in doubles: no 16-bit limit
        { at27, "3", "5", "16" },
        { at27, "5", "3", "16" },
    });
}

TEST(FixedFormula, RemaindersTakeTheirDividendAndFaultOnZero)
{
    runRows({
        { at20, "7", "3", "1" },
        { at20, "3", "7", "3" },
        { at20, "7", "0", "????" },
        { at20, "", "", "????" },
        { at20, "2147483647", "10", "7" },
        { at21, "7", "3", "3" },
        { at21, "3", "7", "1" },
        { at21, "0", "7", "????" },
        { at21, "2147483647", "10", "10" },
    });
}

TEST(FixedFormula, ATenDigitFirstInputWorksExceptWhereARemainderTakesIt)
{
    runRows({
        { at10, tenDigits, "1", "5000000000" },
        { at15, tenDigits, "1", "1E+20" },
        { at16, tenDigits, "0", "9.999999998E+19" },
        { at17, tenDigits, "0", "9999999999" },
        { at24, tenDigits, "3", "9999999999" },
        { at25, tenDigits, "3", "3" },
        { at26, tenDigits, "0", "9.999999998E+19" },
        { at27, tenDigits, "0", "9.999999998E+19" },
        { at33, tenDigits, "0", "9.999999998E+19" },
        { at07, tenDigits, "1", "????" },
        { at08, tenDigits, "1", "????" },
        { at20, tenDigits, "7", "????" },
        { at21, tenDigits, "7", "????" },
        { at20, "2147483648", "7", "????" },
    });
}

TEST(FixedFormula, Calc35CombinesTheFirstInputWithC1InNumberArithmetic)
{
    runRows({
        { at35, "17", "0", "22", 1, 5 }, { at35, "17", "0", "85", 2, 5 },
        { at35, "17", "0", "12", 3, 5 }, { at35, "17", "0", "3", 4, 5 },
        { at35, "2", "0", "3", 3, 5 }, { at35, "100000", "0", "900000", 2, 9 }, // no 16-bit limit
        { at35, "17", "0", "????", 4, 0 },
        { at35, "17", "0", "????", 5, 5 }, // no calculation: nothing assigned
        { at35, "17", "40000", "22", 1, 5 }, // the second keypad is never read
    });
}

TEST(FixedFormula, Calc36CombinesTheSecondInputWithC2In16Bits)
{
    runRows({
        { at36, "0", "17", "22", 1, 0, 5 }, { at36, "0", "17", "85", 2, 0, 5 },
        { at36, "0", "17", "12", 3, 0, 5 }, { at36, "0", "17", "3", 4, 0, 5 },
        { at36, "0", "3", "6", 3, 0, 9 }, { at36, "0", "0", "9", 3, 0, 9 },
        { at36, "0", "3640", "32760", 2, 0, 9 }, { at36, "0", "4000", "????", 2, 0, 9 },
        { at36, "0", "32766", "32767", 1, 0, 1 }, { at36, "0", "32767", "????", 1, 0, 1 },
        { at36, "0", "32767", "32767", 4, 0, 1 }, { at36, "0", "17", "????", 4, 0, 0 },
        { at36, "0", "17", "????", 0, 0, 5 },
        { at36, tooLong, "17", "22", 1, 0, 5 }, // the first keypad is never read
    });
}

TEST(FixedFormula, Calc33And34ReadOnlyTheirOwnInput)
{
    Rig first;
    first.use(at33.level, at33.scheme);
    first.s().inputB = 77;
    EXPECT_EQ(first.experiment("12", "40000"), "144");
    EXPECT_EQ(first.s().inputB, 77);

    Rig second;
    second.use(at34.level, at34.scheme);
    second.s().inputA = Value::dbl(5);
    EXPECT_EQ(second.experiment(tooLong, "181"), "32761");
    EXPECT_EQ(second.experiment("", "32767"), "1073676289");
    EXPECT_EQ(second.s().inputA.display(), "5");
    EXPECT_EQ(second.experiment("1", "32768"), "????");

    Rig constant;
    constant.use(at35.level, at35.scheme);
    constant.s().opCode = Value::int16(1);
    constant.s().inputB = 77;
    constant.experiment("1", "40000");
    EXPECT_EQ(constant.s().inputB, 77);
}

TEST(FixedFormula, Calc09StoresTheDifferenceInTheExperimentCount)
{
    const std::tuple<const char*, const char*, double> rows[] = {
        { "2", "7", -5 },
        { "7", "2", 5 },
        { "6", "6", 0 },
        { "", "", 0 },
    };
    for (const auto& [a, b, difference] : rows) {
        SCOPED_TRACE(std::string(a) + ", " + b);
        Rig rig;
        rig.use(at09.level, at09.scheme);
        rig.s().experimentCount = Value::int16(3);
        rig.experiment(a, b);
        EXPECT_EQ(rig.s().experimentCount.number(), difference);
    }
}

TEST(FixedFormula, ReadsTheInputsAsTheirLeadingDigits)
{
    // The larger input shows what each input was read as.
    const std::tuple<std::string, std::string, const char*> rows[] = {
        { "in12", "5", "5" }, // digits typed before any level follow the word "in"
        { "in", "in", "0" },
        { "007", "3", "7" },
        { "", "", "0" },
        { "1", "32767", "32767" },
        { "1", "032767", "32767" },
        { "12345678901234567890", "0", "1.23456789012346E+19" },
        { "1", "32768", "????" },
        { tooLong, "1", "????" },
    };
    for (const auto& [a, b, expected] : rows) {
        SCOPED_TRACE(a.substr(0, 20) + ", " + b);
        Rig rig;
        rig.use(at24.level, at24.scheme);
        EXPECT_EQ(experimentWithTexts(rig, a, b), expected);
    }
}

TEST(FixedFormula, ASecondInputAbove32767FaultsAfterTheFirstIsRead)
{
    Rig rig;
    rig.use(at10.level, at10.scheme);
    rig.experiment("3", "4");
    EXPECT_EQ(rig.experiment("8", "40000"), "????");
    EXPECT_EQ(rig.s().inputA.display(), "8");
    EXPECT_EQ(rig.s().inputB, 4);
    EXPECT_EQ(rig.s().resultValue.display(), "3.5");
    EXPECT_EQ(rig.experiment("8", "4"), "6"); // the next experiment runs normally
}
