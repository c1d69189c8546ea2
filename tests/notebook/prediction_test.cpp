// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Predictions: what the pupil may write, when it is right, and when it brings the discovery
// closer. A discovery must be earned: "????", one output over and over, or luck with a machine
// that draws at random never makes one.
#include "core/mechanisms/dispatch.h"
#include "core/notebook/notebook.h"
#include "fakes/fakes.h"

#include <gtest/gtest.h>

namespace quorvel::testing {
namespace {

using Kind = Prediction::Kind;
using Effect = PredictionCheck::Effect;

TEST(Prediction, ReadsNumbersNoValueRangesAndChoices)
{
    struct Row
    {
        const char* text;
        std::optional<Kind> kind; // nothing: not a prediction
        double first = 0, second = 0; // the number, or the range's ends, or two choices
    };
    const Row rows[] = {
        { "12", Kind::Number, 12 },
        { " 2,5 ", Kind::Number, 2.5 },
        { "-3.25", Kind::Number, -3.25 },
        { "????", Kind::NoValue },
        { "da 3 a 9", Kind::Range, 3, 9 },
        { "DA 9 A 3", Kind::Range, 3, 9 }, // either order, any case
        { "from 3 to 9", Kind::Range, 3, 9 },
        { "5 o 7", Kind::Choice, 5, 7 },
        { "5 or 7", Kind::Choice, 5, 7 },
        { "5 oppure 7", Kind::Choice, 5, 7 },
        { "tre", std::nullopt },
        { "1,2,3", std::nullopt }, // a list is no number
        { "5 7", std::nullopt },
        { "5 o", std::nullopt },
        { "da 3 a", std::nullopt },
        { "da tre a nove", std::nullopt },
        { "3-9", std::nullopt },
        { "1e5", std::nullopt },
        { "=1+1", std::nullopt },
        { "", std::nullopt },
    };
    for (const Row& r : rows) {
        const auto p = readPrediction(r.text);
        ASSERT_EQ(p.has_value(), r.kind.has_value()) << r.text;
        if (!p)
            continue;
        EXPECT_EQ(p->kind, *r.kind) << r.text;
        if (p->kind == Kind::Number) {
            EXPECT_EQ(p->number, r.first) << r.text;
        } else if (p->kind == Kind::Range) {
            EXPECT_EQ(std::pair(p->low, p->high), std::pair(r.first, r.second)) << r.text;
        } else if (p->kind == Kind::Choice) {
            EXPECT_EQ(p->choices, (std::vector<std::optional<double>> { r.first, r.second }))
                << r.text;
        }
    }
    EXPECT_EQ(readPrediction("5 o ????")->choices.back(), std::nullopt);
}

TEST(Prediction, ANumberIsRightAsTheDisplayReadsIt)
{
    const PossibleOutputs fixed;
    struct Row
    {
        const char* prediction;
        const char* output;
        bool right;
    };
    const Row rows[] = {
        { "12", "12", true },
        { "12,5", "12,5", true },
        { "12.5", "12,5", true }, // either separator
        { "12,50", "12.5", true },
        { "-3", "-3", true },
        { "13", "12", false },
        { "12", "????", false },
        { "????", "????", true },
        { "????", "12", false },
        { "15000000000", "1.5E+10", true },
        { "1", "1.000001", false }, // a whole number stays exact
        { "1", "1,42857142857143", false },
        // as many decimals as the pupil wrote, rounded as a pupil rounds
        { "1,43", "1,42857142857143", true },
        { "1,4", "1,42857142857143", true },
        { "1,42", "1,42857142857143", false },
        { "2,68", "2,675", true },
        { "10,0", "9,96", true },
        { "0,000002", "1.5E-06", true },
        { "3,3", "-3,3", false },
        // a set is never right for a machine that does not draw at random
        { "da 12 a 12", "12", false },
        { "12 o 13", "12", false },
    };
    for (const Row& r : rows) {
        const PredictionCheck c = checkPrediction(*readPrediction(r.prediction), r.output, fixed);
        EXPECT_EQ(c.right, r.right) << r.prediction << " / " << r.output;
    }
}

TEST(Prediction, ASetIsRightWhenItIsExactlyWhatTheMachineCanGive)
{
    PossibleOutputs range { true, {}, std::pair { 2.0, 8.0 } };
    PossibleOutputs pair { true, { 5.0, 7.0 }, std::nullopt };
    PossibleOutputs one { true, { 5.0, 5.0 }, std::nullopt };
    PossibleOutputs cannot { true, { std::nullopt }, std::nullopt };
    PossibleOutputs wide { true, {}, std::pair { 10.0, 5000.0 } };
    struct Row
    {
        const char* prediction;
        const PossibleOutputs& possible;
        bool right;
        Effect effect;
        const char* output = "5";
    };
    const Row rows[] = {
        { "da 2 a 8", range, true, Effect::Counts },
        { "da 8 a 2", range, true, Effect::Counts },
        { "da 2 a 7", range, false, Effect::Restarts },
        { "da 1 a 8", range, false, Effect::Restarts },
        { "2 o 3 o 4 o 5 o 6 o 7 o 8", range, true, Effect::Counts },
        { "5 o 7", pair, true, Effect::Counts },
        { "7 o 5", pair, true, Effect::Counts },
        { "5 o 7 o 9", pair, false, Effect::Restarts },
        { "da 5 a 7", pair, false, Effect::Restarts }, // 6 cannot come out
        { "5", pair, true, Effect::Neither }, // a number for a random machine is luck
        { "7", pair, false, Effect::Neither },
        { "5 o 5", one, true, Effect::Neither }, // one member: nothing to know
        { "????", cannot, true, Effect::Neither, "????" },
        { "da 10 a 5000", wide, true, Effect::Counts },
        { "da 10 a 4999", wide, false, Effect::Restarts },
    };
    for (const Row& r : rows) {
        const PredictionCheck c
            = checkPrediction(*readPrediction(r.prediction), r.output, r.possible);
        EXPECT_EQ(c.right, r.right) << r.prediction;
        EXPECT_EQ(c.effect, r.effect) << r.prediction;
    }
}

TEST(Prediction, TheNotebookRefusesWhatIsNoPredictionAndWritesNothingOfIt)
{
    Notebook n;
    n.beginPage(Level::number(1));
    const auto problem = n.setPrediction("tre");
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("«tre»"), std::string::npos);
    n.record("1", "2", 1, 2, "3");
    EXPECT_FALSE(n.currentPage()->trials.back().prediction);
    EXPECT_FALSE(n.setPrediction("da 3 a 9"));
    EXPECT_EQ(n.prediction(), "da 3 a 9");
}

// Writes a trial on the notebook with a prediction.
TrialOutcome predict(Notebook& n, int a, int b, const std::string& output,
    const std::string& prediction, const PossibleOutputs& possible = {})
{
    EXPECT_FALSE(n.setPrediction(prediction)) << prediction;
    return n.record(std::to_string(a), std::to_string(b), a, b, output, [&] { return possible; });
}

TEST(Prediction, TheSameOutputOverAndOverDiscoversNothing)
{
    Notebook n;
    n.beginPage(Level::number(1)); // both odd: 1, otherwise 0
    EXPECT_FALSE(predict(n, 2, 4, "0", "0").discovery);
    EXPECT_FALSE(predict(n, 6, 8, "0", "0").discovery);
    EXPECT_FALSE(predict(n, 10, 12, "0", "0").discovery); // three right, all 0
    EXPECT_FALSE(n.currentPage()->discovered);
    EXPECT_TRUE(predict(n, 3, 5, "1", "1").discovery); // a second output: earned
}

TEST(Prediction, NoValuePredictionsDiscoverNothing)
{
    Notebook n;
    n.beginPage(Level::number(2));
    for (int b : { 40000, 40001, 40002, 40003 })
        EXPECT_FALSE(predict(n, 1, b, "????", "????").discovery);
    EXPECT_EQ(n.currentPage()->streak, 0);
}

TEST(Prediction, NothingIsDiscoveredAfterTheRuleWasRevealed)
{
    Notebook n;
    n.beginPage(Level::number(1));
    n.markRevealed();
    predict(n, 1, 2, "3", "3");
    predict(n, 2, 2, "4", "4");
    const TrialOutcome third = predict(n, 3, 2, "5", "5");
    EXPECT_TRUE(third.right); // still checked
    EXPECT_FALSE(third.discovery);
    EXPECT_FALSE(n.currentPage()->discovered);
}

TEST(Prediction, ARandomMachineIsDiscoveredBySetsNotByLuck)
{
    Notebook n;
    n.beginPage(Level::number(5));
    const auto either = [](double a, double b) { return PossibleOutputs { true, { a, b }, {} }; };
    EXPECT_FALSE(predict(n, 3, 3, "3", "3", either(3, 3)).discovery); // luck, or one member
    EXPECT_FALSE(predict(n, 4, 9, "4", "4", either(4, 9)).discovery); // luck
    EXPECT_EQ(n.currentPage()->streak, 0);
    EXPECT_FALSE(predict(n, 1, 2, "2", "1 o 2", either(1, 2)).discovery);
    EXPECT_FALSE(predict(n, 5, 7, "5", "5 o 7", either(5, 7)).discovery);
    EXPECT_TRUE(predict(n, 8, 6, "6", "6 o 8", either(8, 6)).discovery);
}

// On the real machine: the rules a level reaches cannot be found without knowing them.
TEST(Prediction, EqualNumbersDoNotDiscoverTheMachineThatPicksOneOfThem)
{
    SeededRig rig(7);
    rig.use(1, 7); // calc37: the first or the second number, at random
    rig.machine.beginNotebookPage();
    for (int a : { 1, 2, 3, 4, 5 }) {
        rig.machine.notebook().setPrediction(std::to_string(a));
        rig.experiment(std::to_string(a), std::to_string(a));
        EXPECT_FALSE(rig.machine.lastOutcome().discovery);
    }
    for (const auto& [a, b] : { std::pair { 1, 6 }, { 2, 7 }, { 3, 8 } }) {
        rig.machine.notebook().setPrediction(std::to_string(a) + " o " + std::to_string(b));
        rig.experiment(std::to_string(a), std::to_string(b));
        EXPECT_TRUE(rig.machine.lastOutcome().right);
    }
    EXPECT_TRUE(rig.machine.notebook().currentPage()->discovered);
}

TEST(Prediction, ARangeDiscoversTheMachineThatDrawsBetweenTwoNumbers)
{
    SeededRig rig(11);
    rig.use(4, 10); // calc28: a whole number from the difference to the sum
    rig.machine.beginNotebookPage();
    for (const auto& [a, b] : { std::pair { 3, 5 }, { 10, 4 }, { 7, 7 } }) {
        rig.machine.notebook().setPrediction(
            "da " + std::to_string(std::abs(a - b)) + " a " + std::to_string(a + b));
        rig.experiment(std::to_string(a), std::to_string(b));
        EXPECT_TRUE(rig.machine.lastOutcome().right) << a << ", " << b;
    }
    EXPECT_TRUE(rig.machine.notebook().currentPage()->discovered);
}

} // namespace
} // namespace quorvel::testing
