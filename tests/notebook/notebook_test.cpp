// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The notebook: pages, predictions, the discovery streak and hypotheses checked on a page.
#include "core/notebook/formula.h"
#include "core/notebook/notebook.h"
#include "core/notebook/notebook_csv.h"
#include "fakes/fakes.h"

#include <gtest/gtest.h>

#include <set>

namespace quorvel {
namespace {

// Writes a trial of the rule "A + B" on the notebook's current page, predicting `predicted`
// when given.
TrialOutcome sum(Notebook& n, int a, int b, const std::string& predicted = "")
{
    n.setPrediction(predicted);
    return n.record(std::to_string(a), std::to_string(b), a, b, std::to_string(a + b));
}

TEST(Notebook, WritesTrialsOnlyOnAPageAndKeepsEmptyPagesForTheNextMechanism)
{
    Notebook n;
    sum(n, 1, 2); // no level yet: nowhere to write
    EXPECT_EQ(n.currentPage(), nullptr);
    n.beginPage(Level::number(2));
    n.beginPage(Level::number(3)); // the empty page is reused
    ASSERT_EQ(n.pages().size(), 1u);
    EXPECT_EQ(n.currentPage()->level, Level::number(3));
    sum(n, 1, 2);
    sum(n, 4, 5);
    n.beginPage(Level::number(3));
    ASSERT_EQ(n.pages().size(), 2u);
    EXPECT_EQ(n.pages()[0].trials.size(), 2u);
    EXPECT_EQ(n.pages()[0].trials[1].number, 2);
    EXPECT_EQ(n.currentPage()->title(), "Meccanismo 2");
}

// Each page and trial has an id of its own and a time after the one before it, even when the
// computer's clock goes back or stands still: the order they were made in is never lost.
TEST(Notebook, GivesEachPageAndTrialAnIdAndATimeAfterTheLast)
{
    testing::CountingIdentity identity;
    Notebook n;
    n.setIdentity(identity);
    n.beginPage(Level::number(1));
    EXPECT_EQ(std::tie(n.currentPage()->id, n.currentPage()->begun),
        std::make_tuple(std::string("id1"), 1000LL));
    n.beginPage(Level::number(2)); // the empty page, taken for another mechanism, is a new one
    EXPECT_EQ(std::tie(n.currentPage()->id, n.currentPage()->begun),
        std::make_tuple(std::string("id2"), 1000LL));
    identity.now = 5000;
    sum(n, 1, 2);
    identity.now = 10; // the clock was set back
    sum(n, 3, 4);
    sum(n, 5, 6);
    n.beginPage(Level::number(3));
    const std::vector<Trial>& trials = n.pages()[0].trials;
    ASSERT_EQ(trials.size(), 3u);
    EXPECT_EQ(std::tie(trials[0].id, trials[0].made), std::make_tuple(std::string("id3"), 5000LL));
    EXPECT_EQ(std::tie(trials[1].id, trials[1].made), std::make_tuple(std::string("id4"), 5001LL));
    EXPECT_EQ(std::tie(trials[2].id, trials[2].made), std::make_tuple(std::string("id5"), 5002LL));
    EXPECT_EQ(n.currentPage()->begun, 1001); // after the page before it began
}

TEST(SystemIdentity, GivesIdsOf128RandomBits)
{
    SystemIdentity identity;
    std::set<std::string> ids;
    for (int i = 0; i < 1000; ++i) {
        const std::string id = identity.newId();
        EXPECT_EQ(id.find_first_not_of("0123456789abcdef"), std::string::npos) << id;
        EXPECT_EQ(id.size(), 32u);
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), 1000u);
    EXPECT_GT(identity.microsecondsNow(), 1'767'225'600'000'000LL); // after 2026 began
}

TEST(Notebook, DiscoversAfterThreeRightPredictionsInARowOnNewPairs)
{
    Notebook n;
    n.beginPage(Level::number(1));
    sum(n, 1, 1); // no prediction: neither counts nor breaks the streak
    EXPECT_FALSE(sum(n, 2, 3, "5").discovery);
    EXPECT_FALSE(sum(n, 2, 3, "5").discovery); // a pair already tried starts again
    EXPECT_EQ(n.currentPage()->streak, 0);
    EXPECT_FALSE(sum(n, 4, 4, "8").discovery);
    EXPECT_FALSE(sum(n, 9, 1, "11").discovery); // wrong: starts again
    EXPECT_FALSE(sum(n, 6, 1, "7").discovery);
    EXPECT_FALSE(sum(n, 7, 1, "8").discovery);
    sum(n, 30, 1);
    EXPECT_FALSE(sum(n, 30, 2, "????").discovery); // "????" neither counts nor breaks it
    const TrialOutcome third = sum(n, 8, 1, "9");
    EXPECT_TRUE(third.discovery);
    EXPECT_TRUE(n.currentPage()->discovered);
    EXPECT_FALSE(sum(n, 10, 1, "11").discovery); // only once a page
    n.beginPage(Level::number(1));
    EXPECT_FALSE(n.currentPage()->discovered);
}

TEST(Notebook, ChecksAHypothesisOnEveryTrialOfThePage)
{
    Notebook n;
    n.beginPage(Level::number(4));
    n.record("7", "2", 7, 2, "3");
    n.record("9", "0", 9, 0, "????");
    n.record("10", "4", 10, 4, "2");
    n.record("20", "6", 20, 6, "3");
    const Formula halfUp = std::get<Formula>(Formula::read("intero(A : B)"));
    const HypothesisCheck check = checkHypothesis(halfUp, *n.currentPage());
    // The machine showed "????" for 9 and 0: that trial is set apart, for and against no formula.
    ASSERT_EQ(check.trials.size(), 3u);
    EXPECT_EQ(check.agreeing, 3);
    EXPECT_EQ(check.machineCannot, std::vector<int> { 2 });
    EXPECT_EQ(check.trials[1].trial, 3);
    EXPECT_TRUE(check.tryHarderInputs); // fewer than five trials

    const Formula wrong = std::get<Formula>(Formula::read("A - B"));
    const HypothesisCheck bad = checkHypothesis(wrong, *n.currentPage());
    EXPECT_EQ(bad.agreeing, 0);
    EXPECT_EQ(*bad.trials[0].value, 5);
    EXPECT_EQ(bad.machineCannot, std::vector<int> { 2 }); // never a disagreement
    EXPECT_FALSE(bad.tryHarderInputs);
    EXPECT_EQ(machineCannotCalculate({ 2 }), "la macchina non calcola con questi numeri: prova 2");
    EXPECT_EQ(machineCannotCalculate({ 2, 5, 9 }),
        "la macchina non calcola con questi numeri: prove 2, 5 e 9");
}

TEST(Notebook, AsksForHarderInputsWhileEveryInputIsSmall)
{
    Notebook n;
    n.beginPage(Level::number(1));
    const Formula rule = std::get<Formula>(Formula::read("A + B"));
    for (int i = 1; i <= 6; ++i)
        sum(n, i, i + 1);
    EXPECT_TRUE(checkHypothesis(rule, *n.currentPage()).tryHarderInputs);
    sum(n, 250, 3);
    EXPECT_FALSE(checkHypothesis(rule, *n.currentPage()).tryHarderInputs);
}

} // namespace
} // namespace quorvel

namespace quorvel {
namespace {

TEST(NotebookCsv, OpensInAnItalianSpreadsheet)
{
    Notebook n;
    n.beginPage(Level::number(2));
    n.setPrediction("+5");
    n.record("7", "2", 7, 2, "3.5");
    n.record("9", "0", 9, 0, "????");
    n.markRevealed();
    EXPECT_EQ(notebookCsv(n),
        "\xEF\xBB\xBF"
        "Pagina;Livello;Prova;Primo numero;Secondo numero;Uscita;Previsione;Esito;Scoperta\r\n"
        "Meccanismo 1;2;1;7;2;3,5;'+5;sbagliata;rivelata\r\n"
        "Meccanismo 1;2;2;9;0;????;;;rivelata\r\n");
}

} // namespace
} // namespace quorvel

namespace quorvel::testing {
namespace {

TEST(MachineNotebook, TurnsThePageWheneverTheMechanismMayChange)
{
    Rig rig;
    rig.machine.start();
    rig.experiment("1", "2"); // no level: nothing to write on
    EXPECT_EQ(rig.machine.notebook().currentPage(), nullptr);
    const auto pageAfter = [&](auto command) {
        command();
        rig.experiment("12", "5");
        return rig.machine.notebook().pages().size();
    };
    EXPECT_EQ(pageAfter([&] { rig.machine.chooseLevel(3); }), 1u);
    EXPECT_EQ(pageAfter([&] {}), 1u);
    EXPECT_EQ(pageAfter([&] { rig.machine.changeOperation(); }), 2u);
    EXPECT_EQ(pageAfter([&] { rig.machine.changeMechanism(); }), 3u);
    EXPECT_EQ(pageAfter([&] { rig.machine.chooseLevel(5); }), 4u);
    const Page& page = *rig.machine.notebook().currentPage();
    EXPECT_EQ(page.level, Level::number(5));
    ASSERT_EQ(page.trials.size(), 1u);
    EXPECT_EQ(page.trials[0].first, "12");
    EXPECT_EQ(page.trials[0].output, rig.machine.text(Control::Output));
}

TEST(MachineNotebook, TheWizardCongratulatesOnTheDiscovery)
{
    Rig rig;
    rig.machine.start();
    rig.use(2, 5); // calc24: the larger number
    rig.machine.beginNotebookPage();
    for (const auto& [a, b] : { std::pair { "3", "9" }, { "8", "2" }, { "4", "4" } }) {
        rig.machine.notebook().setPrediction(std::max(std::string(a), std::string(b)));
        rig.log().clear();
        rig.experiment(a, b);
    }
    EXPECT_TRUE(rig.machine.lastOutcome().discovery);
    EXPECT_TRUE(rig.machine.notebook().currentPage()->discovered);
    // He stops whatever he was saying, then congratulates.
    const auto stop = std::find(rig.log().begin(), rig.log().end(), "StopAll");
    ASSERT_NE(stop, rig.log().end());
    EXPECT_NE(std::find(stop, rig.log().end(), "Play congratulate"), rig.log().end());
    EXPECT_EQ(rig.machine.revealRule().text,
        "Il risultato è il più grande dei due numeri. La macchina mostra «????» se il secondo "
        "numero è più grande di 32767.");
    EXPECT_TRUE(rig.machine.notebook().currentPage()->revealed);
}

} // namespace
} // namespace quorvel::testing
