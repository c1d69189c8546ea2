#include "mechanisms/mechanism_rig.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

using namespace quorvel;
using namespace quorvel::testing;

namespace {

constexpr Scheme at44 { 4, 17 }, at45 { 4, 18 }, at46 { 4, 19 }, at47 { 4, 20 };
constexpr Scheme level5at44 { 5, 15 }, level5at47 { 5, 18 };

std::string run(Rig& rig, Scheme at, long a, long b)
{
    rig.use(at.level, at.scheme);
    rig.log().clear();
    return rig.experiment(std::to_string(a), std::to_string(b));
}

// What the searches must find, worked out independently; a least common multiple beyond
// 32 bits is a fault of the remainder.
std::string expectedMultiple(long a, long b, long factor)
{
    const long lcm = std::lcm(a, b);
    return lcm > 2147483647L ? "????" : std::to_string(lcm * factor);
}

std::string expectedDivisor(long a, long b, long factor)
{
    return std::to_string(std::gcd(a, b) * factor);
}

void expectAllFour(Rig& rig, long a, long b, long c1, long c2)
{
    SCOPED_TRACE(std::to_string(a) + ", " + std::to_string(b));
    EXPECT_EQ(run(rig, at44, a, b), expectedMultiple(a, b, 1));
    EXPECT_EQ(run(rig, at45, a, b), expectedDivisor(a, b, 1));
    EXPECT_EQ(run(rig, at46, a, b), expectedMultiple(a, b, c1));
    EXPECT_EQ(run(rig, at47, a, b), expectedDivisor(a, b, c2));
}

} // namespace

TEST(Iterative, FindsCommonMultiplesAndDivisors)
{
    struct Row
    {
        Scheme at;
        const char* a;
        const char* b;
        const char* expected;
    };
    const Row rows[] = {
        { at44, "4", "6", "12" }, { at44, "6", "4", "12" }, { at44, "7", "13", "91" },
        { at44, "5", "5", "5" }, { at44, "1", "9", "9" }, { level5at44, "9", "1", "9" },
        { at45, "12", "18", "6" }, { at45, "18", "12", "6" }, { at45, "7", "13", "1" },
        { at45, "5", "5", "5" }, { at46, "4", "6", "36" }, { at47, "12", "18", "24" },
        { level5at47, "18", "12", "24" }, { at44, "32767", "32766", "1073643522" },
        { at45, "2147483647", "32767", "1" },
        { at45, "2147385345", "32767", "32767" }, // 65535 × 32767
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.at.scheme) + ": " + row.a + ", " + row.b);
        Rig rig;
        rig.use(row.at.level, row.at.scheme);
        setConstants(rig.s(), 3, 4);
        EXPECT_EQ(rig.experiment(row.a, row.b), row.expected);
    }
}

TEST(Iterative, AnInputOfZeroFindsNothingAndShowsQuestionMarks)
{
    const std::pair<const char*, const char*> inputs[] = { { "0", "5" }, { "5", "0" }, { "", "" } };
    for (const Scheme at : { at44, at45, at46, at47 }) {
        for (const auto& [a, b] : inputs) {
            SCOPED_TRACE(std::to_string(at.scheme) + ": " + a + ", " + b);
            Rig rig;
            rig.use(at.level, at.scheme);
            setConstants(rig.s(), 3, 4);
            rig.s().resultValue = Value::int16(42);
            EXPECT_EQ(rig.experiment(a, b), "????");
            EXPECT_EQ(rig.s().resultValue.display(), "42");
        }
    }
}

TEST(Iterative, AnOperandBeyond32BitsIsAFault)
{
    const std::tuple<Scheme, const char*, const char*, const char*> rows[] = {
        { at44, "99991", "32749", "????" }, // the multiple passes 2147483647 before the hit
        { at46, "99991", "32749", "????" },
        { at44, "2147483648", "7", "????" },
        { at45, "2147483648", "7", "????" },
        { at47, "9999999999", "1", "????" },
        { at44, "2147483647", "1", "2147483647" },
    };
    for (const auto& [at, a, b, expected] : rows) {
        SCOPED_TRACE(std::to_string(at.scheme) + ": " + a + ", " + b);
        Rig rig;
        rig.use(at.level, at.scheme);
        setConstants(rig.s(), 3, 4);
        EXPECT_EQ(rig.experiment(a, b), expected);
    }
}

TEST(Iterative, AgreesWithTheStandardLibraryOnEverySmallPair)
{
    Rig rig;
    setConstants(rig.s(), 7, 9);
    for (long a = 1; a <= 30; ++a)
        for (long b = 1; b <= 30; ++b)
            expectAllFour(rig, a, b, 7, 9);
}

TEST(Iterative, AgreesWithTheStandardLibraryOnLargePairs)
{
    Rig rig;
    setConstants(rig.s(), 2, 5);
    std::uint64_t state = 12345;
    const auto next = [&state](long limit) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<long>((state >> 33) % static_cast<std::uint64_t>(limit)) + 1;
    };
    for (int i = 0; i < 150; ++i) {
        const long b = next(32767);
        const long a = i % 3 == 0 ? b * next(40) : next(200000); // some with a large divisor
        expectAllFour(rig, a, b, 2, 5);
    }
    expectAllFour(rig, 99991, 32749, 2, 5);
    expectAllFour(rig, 65534, 32767, 2, 5);
}
