// A million experiments over every level and scheme with random inputs and random commands in
// between. After each: the program is still standing, the output shows "????" or a number in
// its display form, and for the fixed-formula and iterative mechanisms the number is what an
// independent computation here expects.

#include "core/mechanisms/dispatch.h"
#include "mechanisms/mechanism_rig.h"
#include "core/mechanisms/mechanisms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <random>
#include <regex>

using namespace quorvel;
using namespace quorvel::testing;

namespace {

constexpr double int32Max = 2147483647.0;

// What the experiment should show: a number, or a fault ("????"); nothing when this test
// has no independent rule for the mechanism.
struct Expected {
    bool fault = false;
    double value = 0;
};

std::optional<double> leadingNumber(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const std::size_t start = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
        ++i;
    if (i == start)
        return 0.0;
    const double v = std::strtod(text.substr(start, i - start).c_str(), nullptr);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

Expected fault() { return { true, 0 }; }
Expected number(double v) { return std::isfinite(v) ? Expected { false, v } : fault(); }

std::optional<Expected> oracle(Mechanism mech, const std::string& t1, const std::string& t2,
                               const MachineState& s)
{
    const auto a = leadingNumber(t1);
    const auto bRead = leadingNumber(t2);
    const bool readsA = mech != calc34 && mech != calc36;
    const bool readsB = mech != calc33 && mech != calc35;
    if ((readsA && !a) || (readsB && (!bRead || *bRead > 32767)))
        return fault();
    const double A = a.value_or(0);
    const double B = bRead.value_or(0);
    const double c1 = s.c1(), c2 = s.c2();
    const int k = s.opCode.isText() ? -1 : static_cast<int>(s.opCode.number());
    const double m = std::min(A, B), M = std::max(A, B);

    if (mech == calc07 || mech == calc08) {
        if (A > int32Max)
            return fault();
        const bool evenA = std::fmod(A, 2) == 0, evenB = std::fmod(B, 2) == 0;
        if (mech == calc08)
            return number(!evenA && !evenB ? 1 : 0);
        return number(evenA && evenB ? 2 : (!evenA && !evenB ? 1 : 0));
    }
    if (mech == calc09)
        return number(A < B ? 0 : (A == B ? A : 1));
    if (mech == calc10)
        return number((A + B) / 2);
    if (mech == calc15)
        return number((A + B) * (A + B));
    if (mech == calc16)
        return number((A - B) * (A - B));
    if (mech == calc17)
        return number(std::floor(std::sqrt(A * A + B * B)));
    if (mech == calc20)
        return A > int32Max || B == 0 ? fault() : number(std::fmod(A, B));
    if (mech == calc21)
        return A > int32Max || A == 0 ? fault() : number(std::fmod(B, A));
    if (mech == calc24)
        return number(M);
    if (mech == calc25)
        return number(m);
    if (mech == calc26)
        return number(A * A + B * B);
    if (mech == calc27)
        return number(std::fabs(A * A - B * B));
    if (mech == calc33)
        return number(A * A);
    if (mech == calc35) {
        if (k == 1) return number(A + c1);
        if (k == 2) return number(A * c1);
        if (k == 3) return number(std::fabs(A - c1));
        if (k == 4) return c1 == 0 ? fault() : number(std::floor(A / c1));
        return std::nullopt;
    }
    if (mech == calc36) {
        const double r = k == 1 ? c2 + B : k == 2 ? c2 * B : k == 3 ? std::fabs(B - c2) : 0;
        if (k >= 1 && k <= 3)
            return r > 32767 || r < -32768 ? fault() : number(r);
        if (k == 4)
            return c2 == 0 ? fault() : number(std::floor(B / c2));
        return std::nullopt;
    }
    if (mech == calc44 || mech == calc46 || mech == calc45 || mech == calc47) {
        if (m < 1 || M > int32Max)
            return fault(); // nothing found, or a remainder out of range
        const auto big = static_cast<std::int64_t>(M), small = static_cast<std::int64_t>(m);
        if (mech == calc45 || mech == calc47)
            return number(static_cast<double>(std::gcd(big, small)) * (mech == calc47 ? c2 : 1));
        const std::int64_t multiple = std::lcm(big, small);
        if (multiple > static_cast<std::int64_t>(int32Max))
            return fault();
        return number(static_cast<double>(multiple) * (mech == calc46 ? c1 : 1));
    }
    return std::nullopt;
}

std::string randomInput(std::mt19937_64& g)
{
    switch (g() % 9) {
    case 0: return "";
    case 1: return "0";
    case 2: return "1";
    case 3: return "32767";
    case 4: return "32768";
    case 5: return std::to_string(1000000000 + g() % 3000000000ULL); // ten digits
    case 6: return std::string(1, '1' + static_cast<char>(g() % 9)) + std::string(399, '7');
    default: return std::to_string(g() % 100000 >> (g() % 12));
    }
}

int experimentCount()
{
    const char* n = std::getenv("QUORVEL_RANDOM_EXPERIMENTS");
    return n ? std::atoi(n) : 1000000;
}

} // namespace

TEST(RandomExperiments, EveryOutputIsAFaultOrTheNumberItShouldBe)
{
    std::mt19937_64 g(20261206);
    SeededRig rig(7);
    rig.machine.Form_Activate();
    const std::regex displayForm("-?[0-9]+(\\.[0-9]+)?(E[-+][0-9]+)?");
    int checked = 0;
    const int total = experimentCount();
    for (int i = 0; i < total; ++i) {
        if (i % 50 == 0 || rig.s().activeLevel.isNone())
            rig.machine.livelloClick(1 + static_cast<int>(g() % 5));
        if (g() % 40 == 0)
            rig.machine.cmb_Click();
        if (g() % 40 == 0)
            rig.machine.ingr_Click();
        const std::string first = randomInput(g), second = randomInput(g);
        const Mechanism mech = selectMechanism(rig.s());
        const std::string shown = rig.experiment(first, second);
        if (shown != "????" && !std::regex_match(shown, displayForm))
            FAIL() << "shown " << shown << " for " << first.substr(0, 20) << ", " << second;
        const auto expected = oracle(mech, first, second, rig.s());
        if (!expected)
            continue;
        ++checked;
        const std::string what = "level " + rig.s().activeLevel.name() + " inputs " + first.substr(0, 20) + ", " + second;
        if (expected->fault) {
            ASSERT_EQ(shown, "????") << what;
            continue;
        }
        ASSERT_NE(shown, "????") << what << " expected " << expected->value;
        const double got = std::strtod(shown.c_str(), nullptr);
        ASSERT_LE(std::fabs(got - expected->value), std::fabs(expected->value) * 1e-14) << what << " shown " << shown;
    }
    EXPECT_GT(checked, total / 4);
}
