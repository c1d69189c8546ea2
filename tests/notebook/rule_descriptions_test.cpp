// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The revealed rules never lie: for every mechanism a level reaches, under every operation and
// a few pairs of hidden constants, the description's formula gives what the machine shows on
// a grid of inputs.
#include "core/mechanisms/dispatch.h"
#include "core/notebook/formula.h"
#include "core/notebook/notebook.h"
#include "core/notebook/rule_descriptions.h"
#include "fakes/fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace quorvel::testing {
namespace {

class Formulas
{
public:
    std::optional<double> value(const std::string& text, double a, double b)
    {
        auto found = m_read.find(text);
        if (found == m_read.end()) {
            auto read = Formula::read(text);
            if (auto* error = std::get_if<FormulaError>(&read)) {
                ADD_FAILURE() << "unreadable formula " << text << ": " << error->message;
                return std::nullopt;
            }
            found = m_read.emplace(text, std::move(std::get<Formula>(read))).first;
        }
        return found->second.valueAt(a, b);
    }

private:
    std::map<std::string, Formula> m_read;
};

// Whether the output is what the description allows for inputs a and b; true when the
// description holds nothing to check (a choice the machine has not made yet).
bool allows(
    const RuleDescription& rule, Formulas& formulas, double a, double b, const std::string& output)
{
    for (const std::string& outcome : rule.outcomes)
        if (sameAsDisplayed(formulas.value(outcome, a, b), output))
            return true;
    if (!rule.low.empty()) {
        const auto low = formulas.value(rule.low, a, b), high = formulas.value(rule.high, a, b);
        if (!low || !high)
            return output == "????";
        const auto shown = readPupilNumber(output);
        return shown && *shown == std::floor(*shown) && *shown >= *low && *shown <= *high;
    }
    return rule.outcomes.empty();
}

const int inputs[] = { 0, 1, 2, 3, 5, 6, 9, 12, 25, 36, 100, 181 };

struct Machinery
{
    int op; // the operation code, and the codes of calc32
    int c1, c2;
};

TEST(RuleDescriptions, AgreeWithEveryMechanismOnAGridOfInputs)
{
    Formulas formulas;
    int checked = 0;
    for (const Machinery setup : { Machinery { 1, 3, 7 }, Machinery { 2, 9, 1 },
             Machinery { 3, 2, 10 }, Machinery { 4, 6, 5 } }) {
        for (int level = 1; level <= 5; ++level) {
            for (int scheme = 1; scheme <= schemeCount(Level::number(level)); ++scheme) {
                SeededRig rig(static_cast<std::uint64_t>(setup.op * 100 + scheme));
                rig.use(level, scheme);
                rig.setConstants(setup.c1, setup.c2);
                rig.s().opCode = Value::int16(setup.op);
                rig.s().partOpCode = Value::int16(setup.op % 4 + 1);
                rig.s().joinOpCode = Value::int16((setup.op + 1) % 4 + 1);
                for (int a : inputs) {
                    for (int b : inputs) {
                        const auto rule = describeRule(rig.machine);
                        ASSERT_TRUE(rule) << "level " << level << " scheme " << scheme;
                        const std::string shown
                            = rig.experiment(std::to_string(a), std::to_string(b));
                        ASSERT_TRUE(allows(*rule, formulas, a, b, shown))
                            << "level " << level << " scheme " << scheme << ", op " << setup.op
                            << ", c1 " << setup.c1 << ", c2 " << setup.c2 << ": " << a << ", " << b
                            << " gave " << shown << "; " << rule->text;
                        ++checked;
                    }
                }
            }
        }
    }
    EXPECT_GT(checked, 40000);
}

TEST(RuleDescriptions, NameTheHiddenConstantsAndTheOperation)
{
    Rig rig;
    rig.setConstants(4, 7);
    rig.s().opCode = Value::int16(3); // "*"
    rig.use(1, 1); // calc01
    EXPECT_EQ(describeRule(rig.machine)->text,
        "La macchina calcola il prodotto del primo numero e del secondo numero.");
    rig.use(2, 14); // calc35, code 3: the difference with c1
    EXPECT_EQ(describeRule(rig.machine)->text,
        "La macchina calcola la differenza tra il primo numero e 4 (il più grande meno il "
        "più piccolo).");
    rig.use(4, 19); // calc46
    EXPECT_EQ(describeRule(rig.machine)->text,
        "Il risultato è il minimo comune multiplo dei due numeri, moltiplicato per 4.");
    rig.s().activeLevel = Level();
    EXPECT_FALSE(describeRule(rig.machine));
}

} // namespace
} // namespace quorvel::testing
