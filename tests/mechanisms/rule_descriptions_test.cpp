// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The revealed rules never lie: for every mechanism a level reaches, under every operation and
// a few pairs of hidden constants, the description's formula gives what the machine shows on
// a grid of inputs.
#include "core/mechanisms/dispatch.h"
#include "core/mechanisms/rule_descriptions.h"
#include "core/notebook/formula.h"
#include "core/notebook/notebook.h"
#include "core/storage/mechanism_file.h"
#include "core/values/number_text.h"
#include "fakes/fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <vector>

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
    if (showsNoValue(rule, a, b))
        return output == "????";
    for (const std::string& outcome : rule.outcomes)
        if (sameAsDisplayed(formulas.value(outcome, a, b), output))
            return true;
    if (!rule.low.empty()) {
        const auto low = formulas.value(rule.low, a, b), high = formulas.value(rule.high, a, b);
        if (!low || !high)
            return output == "????";
        // A display keeps 15 significant digits: beyond them, a whole number shows rounded.
        const auto shown = readShownNumber(output);
        const double slack = std::fabs(shown.value_or(0)) * 1e-14;
        return shown && (*shown == std::floor(*shown) || slack >= 1) && *shown >= *low - slack
            && *shown <= *high + slack;
    }
    return rule.outcomes.empty();
}

const double inputs[] = { 0, 1, 2, 3, 5, 6, 9, 12, 25, 36, 100, 181 };
// Where the machine's own limits lie: the 16-bit second number, its square, the 32-bit
// remainder and common multiple.
const double limitInputs[] = { 7, 181, 182, 3276, 3277, 32757, 32766, 32767, 32768, 40000, 65536,
    2147483647, 2147483648.0, 1e15 };

std::string digits(double v)
{
    return formatNumber(v, 17, '.');
}

struct Machinery
{
    int op; // the operation code, and the codes of calc32
    int c1, c2;
};

// Runs every mechanism a level reaches on every pair of the inputs, under each setup, checking
// the rule told just before each experiment against what the machine shows.
template <std::size_t N>
int checkEveryMechanism(std::initializer_list<Machinery> setups, const double (&grid)[N])
{
    Formulas formulas;
    int checked = 0;
    for (const Machinery setup : setups) {
        for (int level = 1; level <= 5; ++level) {
            for (int scheme = 1; scheme <= schemeCount(Level::number(level)); ++scheme) {
                SeededRig rig(static_cast<std::uint64_t>(setup.op * 100 + scheme));
                rig.use(level, scheme);
                rig.setConstants(setup.c1, setup.c2);
                rig.s().opCode = Value::int16(setup.op);
                rig.s().partOpCode = Value::int16(setup.op % 4 + 1);
                rig.s().joinOpCode = Value::int16((setup.op + 1) % 4 + 1);
                for (double a : grid) {
                    for (double b : grid) {
                        const auto rule = describeRule(rig.s());
                        EXPECT_TRUE(rule) << "level " << level << " scheme " << scheme;
                        if (!rule)
                            return checked;
                        const std::string shown = rig.experiment(digits(a), digits(b));
                        EXPECT_TRUE(allows(*rule, formulas, a, b, shown))
                            << "level " << level << " scheme " << scheme << ", op " << setup.op
                            << ", c1 " << setup.c1 << ", c2 " << setup.c2 << ": " << digits(a)
                            << ", " << digits(b) << " gave " << shown << "; " << rule->text;
                        ++checked;
                    }
                }
            }
        }
    }
    return checked;
}

TEST(RuleDescriptions, AgreeWithEveryMechanismOnAGridOfInputs)
{
    const int checked = checkEveryMechanism({ Machinery { 1, 3, 7 }, Machinery { 2, 9, 1 },
                                                Machinery { 3, 2, 10 }, Machinery { 4, 6, 5 } },
        inputs);
    EXPECT_GT(checked, 40000);
}

// The "????" the words announce, and no other: the second number's 16 bits (less where the
// machine computes with it in 16 bits), the remainder's 32 bits, the zero of the common
// multiple and divisor.
TEST(RuleDescriptions, SayWhenTheMachineShowsQuestionMarks)
{
    const int checked = checkEveryMechanism({ Machinery { 1, 3, 7 }, Machinery { 2, 9, 10 },
                                                Machinery { 3, 2, 9 }, Machinery { 4, 6, 5 } },
        limitInputs);
    EXPECT_GT(checked, 30000);
}

// The hidden constants and the operation named in the words: the rows of
// notebook/rules_in_english_test.cpp.
TEST(RuleDescriptions, AreNoneWithoutALevel)
{
    Rig rig;
    rig.use(4, 19);
    rig.s().activeLevel = Level();
    EXPECT_FALSE(describeRule(rig.s()));
}

// The operation a rule tells is the one the next experiment uses, whatever happened between:
// "Operazioni", a new scheme, a level command, another mechanism sharing the count, the clock
// moving on, an experiment that faulted.
TEST(RuleDescriptions, TellTheOperationTheNextExperimentUsesOverManyRuns)
{
    std::vector<std::pair<int, int>> driven; // (level, scheme) of the operation-driven ones
    for (int level = 1; level <= 5; ++level) {
        const auto numbers = levelMechanisms(Level::number(level));
        for (std::size_t i = 0; i < numbers.size(); ++i)
            for (const int number : { 1, 3, 4, 5, 6, 11, 18, 19, 22, 23, 31 })
                if (numbers[i] == number)
                    driven.emplace_back(level, static_cast<int>(i) + 1);
    }
    std::mt19937 g(25);
    SeededRig rig(25);
    rig.machine.start();
    rig.use(1, 1);
    Formulas formulas;
    const double inputs[] = { 0, 1, 2, 3, 7, 12, 30, 181, 40000 };
    int told = 0;
    for (int step = 0; step < 4000; ++step) {
        rig.clock.digit = static_cast<int>(g() % 10);
        const unsigned action = g() % 12;
        if (action == 0)
            rig.machine.changeOperation();
        if (action == 1)
            rig.machine.changeMechanism();
        if (action == 2)
            rig.machine.chooseLevel(1 + static_cast<int>(g() % 5));
        if (action <= 4) {
            const auto [level, scheme] = driven[g() % driven.size()];
            rig.use(level, scheme);
        }
        const double a = inputs[g() % std::size(inputs)], b = inputs[g() % std::size(inputs)];
        const auto rule = describeRule(rig.s());
        ASSERT_TRUE(rule);
        const std::string shown = rig.experiment(digits(a), digits(b));
        if (!rule->known)
            continue;
        ++told;
        ASSERT_TRUE(allows(*rule, formulas, a, b, shown))
            << "step " << step << ": " << rig.s().activeLevel.name() << " scheme "
            << rig.s().activeScheme().display() << ", " << digits(a) << ", " << digits(b)
            << " gave " << shown << "; " << rule->text;
    }
    EXPECT_GT(told, 3000);
}

// The chooser's words for a scheme are those the machine tells once the scheme is in force,
// and asking changes nothing of the machine.
TEST(RuleDescriptions, OfASchemeAreThoseTheMachineTellsWithItInForce)
{
    Rig rig;
    rig.setConstants(4, 7);
    rig.s().opCode = Value::int16(3);
    rig.use(2, 3);
    const std::string record = mechanismRecord(rig.s());
    for (int level = 0; level <= 6; ++level) {
        const int count = schemeCount(Level::number(level));
        for (int scheme = 0; scheme <= count + 1; ++scheme) {
            const auto chosen = ruleOfScheme(rig.s(), Level::number(level), scheme);
            const bool inRange = level >= 1 && level <= 5 && scheme >= 1 && scheme <= count;
            ASSERT_EQ(chosen.has_value(), inRange) << level << " " << scheme;
            if (!inRange)
                continue;
            Rig inForce;
            inForce.setConstants(4, 7);
            inForce.s().opCode = Value::int16(3);
            inForce.use(level, scheme);
            EXPECT_EQ(chosen->mechanism, levelMechanisms(Level::number(level))[scheme - 1]);
            EXPECT_EQ(chosen->rule.text, describeRule(inForce.s())->text);
        }
    }
    EXPECT_EQ(mechanismRecord(rig.s()), record);
}

// calc03 and calc04 draw their second operation from the clock at their first experiment: until
// then the rule cannot be told, and what is told afterwards is what runs, whatever the clock
// says between the asking and the experiment.
TEST(RuleDescriptions, TellNoSecondOperationBeforeItIsDrawn)
{
    for (const int scheme : { 10, 11 }) {
        for (int askedAt = 0; askedAt <= 9; ++askedAt) {
            for (int runAt : { 1, 3, 4, 9 }) {
                Rig rig;
                rig.machine.start();
                rig.machine.chooseLevel(2);
                rig.use(2, scheme);
                rig.machine.beginNotebookPage();
                rig.clock.digit = askedAt;
                const auto before = describeRule(rig.s());
                ASSERT_TRUE(before);
                EXPECT_FALSE(before->known);
                EXPECT_NE(before->text.find("al primo esperimento"), std::string::npos);
                const Machine::Reveal reveal = rig.machine.revealRule();
                EXPECT_EQ(reveal.result, Machine::Reveal::Result::NotYet);
                EXPECT_FALSE(rig.machine.notebook().currentPage()->revealed);

                rig.clock.digit = runAt;
                rig.experiment("20", "5");
                const auto after = describeRule(rig.s());
                ASSERT_TRUE(after && after->known);
                Formulas formulas;
                for (const auto& [a, b] : { std::pair { 20, 5 }, { 7, 3 }, { 100, 9 } }) {
                    rig.clock.digit = (runAt + a) % 10; // the clock moves on: nothing changes
                    const std::string shown = rig.experiment(std::to_string(a), std::to_string(b));
                    EXPECT_TRUE(allows(*after, formulas, a, b, shown))
                        << "scheme " << scheme << ": " << a << ", " << b << " gave " << shown
                        << "; " << after->text;
                }
            }
        }
    }
}

// A mechanism saved before its first experiment: the file says its second operation is not
// drawn yet (0), and reopened it draws it at its first experiment, as it would have without
// the save; a rule told after that is what runs.
TEST(RuleDescriptions, AMechanismSavedBeforeItsFirstExperimentDrawsItThenAndSaysSo)
{
    Rig saving;
    saving.machine.start();
    saving.use(2, 10);
    saving.setConstants(3, 5);
    saving.s().opCode = Value::int16(1);
    const std::string record = mechanismRecord(saving.s());
    EXPECT_EQ(record,
        "livello2,3,5,1," + saving.s().partOpCode.display() + "," + saving.s().joinOpCode.display()
            + ",0,10");

    Rig opening;
    opening.machine.start();
    opening.use(2, 10); // it had run calc03 already, with another operation drawn
    opening.clock.digit = 9; // "/"
    opening.experiment("20", "5");
    opening.s().loadedFromFile = true;
    restoreMechanism(opening.s(), *parseMechanismRecord(record));
    const auto before = describeRule(opening.s());
    ASSERT_TRUE(before);
    EXPECT_FALSE(before->known);
    EXPECT_EQ(opening.machine.revealRule().result, Machine::Reveal::Result::NotYet);
    opening.clock.digit = 7; // "-" is drawn now
    EXPECT_EQ(opening.experiment("20", "5"), "20"); // |(20 + 5) − 5|
    const auto after = describeRule(opening.s());
    ASSERT_TRUE(after && after->known);
    EXPECT_NE(after->text.find("differenza"), std::string::npos) << after->text;
    EXPECT_EQ(opening.machine.revealRule().result, Machine::Reveal::Result::Told);
}

} // namespace
} // namespace quorvel::testing
