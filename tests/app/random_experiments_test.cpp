// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A million experiments over every level and scheme with random inputs and random commands in
// between. After each: the program is still standing, the output shows "????" or a number in
// its display form, and for the fixed-formula and iterative mechanisms the number is what an
// independent computation here expects.

#include "core/mechanisms/dispatch.h"
#include "core/mechanisms/mechanisms.h"
#include "fakes/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numeric>
#include <random>
#include <regex>

using namespace quorvel;
using namespace quorvel::testing;

namespace {

const double int32Max = 2147483647.0, fault = std::nan("");

// The inputs as read, the hidden constants and the operation code.
struct In
{
    double A, B, c1, c2;
    int k;
};

const auto odd = [](double v) { return std::fmod(v, 2) != 0; };
const auto within32 = [](double operand, double r) { return operand > int32Max ? fault : r; };
const auto fits16 = [](double v) { return v > 32767 ? fault : v; };
const auto down = [](double v, double w) { return w == 0 ? fault : std::floor(v / w); };
const auto pick
    = [](int k, std::array<double, 4> r) { return k >= 1 && k <= 4 ? r[k - 1] : fault; };

// The searches of calc44..calc47: nothing below 1, every operand and multiple within 32 bits.
double search(const In& x, bool multiple, double factor)
{
    const double m = std::min(x.A, x.B), M = std::max(x.A, x.B);
    if (m < 1 || M > int32Max)
        return fault;
    const auto a = static_cast<std::int64_t>(m), b = static_cast<std::int64_t>(M);
    const auto r = static_cast<double>(multiple ? std::lcm(a, b) : std::gcd(a, b));
    return r > int32Max ? fault : r * factor;
}

// The output each mechanism should give; NaN for a fault.
using Rule = double (*)(const In&);
const std::map<Mechanism, Rule> rules = {
    { calc07,
        [](const In& x) { return within32(x.A, (odd(x.A) == odd(x.B)) * (2.0 - odd(x.A))); } },
    { calc08, [](const In& x) { return within32(x.A, odd(x.A) && odd(x.B)); } },
    { calc09, [](const In& x) { return x.A == x.B ? x.A : x.A > x.B; } },
    { calc10, [](const In& x) { return (x.A + x.B) / 2; } },
    { calc15, [](const In& x) { return (x.A + x.B) * (x.A + x.B); } },
    { calc16, [](const In& x) { return (x.A - x.B) * (x.A - x.B); } },
    { calc17, [](const In& x) { return std::floor(std::sqrt(x.A * x.A + x.B * x.B)); } },
    { calc20, [](const In& x) { return within32(x.A, x.B ? std::fmod(x.A, x.B) : fault); } },
    { calc21, [](const In& x) { return within32(x.A, x.A ? std::fmod(x.B, x.A) : fault); } },
    { calc24, [](const In& x) { return std::max(x.A, x.B); } },
    { calc25, [](const In& x) { return std::min(x.A, x.B); } },
    { calc26, [](const In& x) { return x.A * x.A + x.B * x.B; } },
    { calc27, [](const In& x) { return std::fabs(x.A * x.A - x.B * x.B); } },
    { calc33, [](const In& x) { return x.A * x.A; } },
    { calc34, [](const In& x) { return x.B * x.B; } },
    { calc35,
        [](const In& x) {
            return pick(x.k, { x.A + x.c1, x.A * x.c1, std::fabs(x.A - x.c1), down(x.A, x.c1) });
        } },
    { calc36,
        [](const In& x) {
            return pick(x.k,
                { fits16(x.c2 + x.B), fits16(x.c2 * x.B), std::fabs(x.B - x.c2), down(x.B, x.c2) });
        } },
    { calc44, [](const In& x) { return search(x, true, 1); } },
    { calc45, [](const In& x) { return search(x, false, 1); } },
    { calc46, [](const In& x) { return search(x, true, x.c1); } },
    { calc47, [](const In& x) { return search(x, false, x.c2); } },
};

// The digits at the start of an input: nothing when they are too many for a double.
std::optional<double> leadingNumber(const std::string& text)
{
    const std::string digits = text.substr(0, text.find_first_not_of("0123456789"));
    const double v = digits.empty() ? 0 : std::strtod(digits.c_str(), nullptr);
    return std::isfinite(v) ? std::optional(v) : std::nullopt;
}

// What the experiment should show: a number, NaN for a fault, nothing when no rule is known.
std::optional<double> expected(
    Mechanism mech, const std::string& t1, const std::string& t2, const MachineState& s)
{
    const auto a = leadingNumber(t1), b = leadingNumber(t2);
    const bool readsA = mech != calc34 && mech != calc36, readsB = mech != calc33 && mech != calc35;
    if ((readsA && !a) || (readsB && (!b || *b > 32767)))
        return fault;
    const auto rule = rules.find(mech);
    if (rule == rules.end())
        return std::nullopt;
    const double v = rule->second(
        { a.value_or(0), b.value_or(0), double(s.c1()), double(s.c2()), int(s.opCode.number()) });
    return std::isfinite(v) ? v : fault;
}

std::string randomInput(std::mt19937_64& g)
{
    const char* const edges[] = { "", "0", "1", "32767", "32768" };
    const std::uint64_t kind = g() % 9;
    if (kind < 5)
        return edges[kind];
    if (kind == 5)
        return std::to_string(1000000000 + g() % 3000000000ULL); // ten digits
    if (kind == 6)
        return std::string(1, '1' + static_cast<char>(g() % 9)) + std::string(399, '7');
    return std::to_string(g() % 100000 >> (g() % 12));
}

} // namespace

TEST(RandomExperiments, EveryOutputIsAFaultOrTheNumberItShouldBe)
{
    std::mt19937_64 g(20261206);
    SeededRig rig(7);
    rig.machine.start();
    const std::regex displayForm("-?[0-9]+(\\.[0-9]+)?(E[-+][0-9]+)?");
    const char* count = std::getenv("QUORVEL_RANDOM_EXPERIMENTS");
    const int total = count ? std::atoi(count) : 1000000;
    int checked = 0;
    for (int i = 0; i < total; ++i) {
        if (i % 50 == 0)
            rig.machine.chooseLevel(1 + static_cast<int>(g() % 5));
        if (g() % 40 == 0)
            rig.machine.changeMechanism();
        if (g() % 40 == 0)
            rig.machine.changeOperation();
        const std::string first = randomInput(g), second = randomInput(g);
        const CatalogueEntry* entry = selectMechanism(rig.s());
        const Mechanism mech = entry ? entry->run : nullptr;
        const std::string shown = rig.experiment(first, second);
        const std::string what = rig.s().activeLevel.name() + " scheme "
            + rig.s().activeScheme().display() + ": " + first.substr(0, 20) + ", " + second;
        ASSERT_TRUE(shown == "????" || std::regex_match(shown, displayForm)) << what << shown;
        const std::optional<double> v = expected(mech, first, second, rig.s());
        if (!v)
            continue;
        ++checked;
        ASSERT_EQ(shown == "????", std::isnan(*v)) << what << " shown " << shown << " not " << *v;
        if (!std::isnan(*v)) {
            ASSERT_NEAR(std::strtod(shown.c_str(), nullptr), *v, std::fabs(*v) * 1e-14) << what;
        }
    }
    EXPECT_GT(checked, total / 4);
}
