// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/level.h"
#include "core/app/translation.h"
#include "core/notebook/identity.h"
#include "core/notebook/prediction.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

class Formula;

// One experiment as the pupil saw it. Once written it never changes: a trial is only ever
// added, so two copies of the program playing as one pupil keep both their trials.
struct Trial
{
    int number = 0; // from 1 on its page: its place in the page's order
    std::string first; // the inputs as typed
    std::string second;
    double a = 0; // the numbers the machine read from them
    double b = 0;
    std::string output; // as displayed: a number, or "????"
    std::optional<std::string> prediction; // as typed, when the pupil predicted
    bool predictionRight = false;
    std::string id; // its own, given when it was made
    long long made = 0; // when, in microseconds; with the id, its place in the page's order
};

// The trials made while one mechanism was in force, in the order they were made (by `made`,
// then by id).
struct Page
{
    int number = 0; // from 1: its place in the notebook's order
    Level level;
    std::vector<Trial> trials;
    int streak = 0; // right predictions in a row on pairs not tried before
    // The different answers of the streak: a discovery needs at least two, so that a rule is
    // never found by predicting the same output again and again.
    std::vector<std::string> streakAnswers;
    bool discovered = false;
    bool revealed = false;
    std::string rule; // the rule in words, once it was told: revealed or discovered
    std::string id; // its own, given when it began
    long long begun = 0; // when, in microseconds; with the id, its place in the notebook

    // "Meccanismo 3": never the scheme or the mechanism, which would give the answer away.
    std::string title() const
    {
        //: %1 is the page's number
        return fill(translate("Notebook", "Meccanismo %1"), { std::to_string(number) });
    }
};

// What happened to the prediction of the experiment just written.
struct TrialOutcome
{
    bool predicted = false;
    bool right = false;
    bool discovery = false; // this trial completed the streak
};

// How a hypothesis fares on one trial, and on the whole page.
struct TrialCheck
{
    int trial = 0;
    bool agrees = false;
    std::optional<double> value; // the formula's, or nothing where it has none
};

struct HypothesisCheck
{
    std::vector<TrialCheck> trials; // the trials where the machine showed a number
    int agreeing = 0;
    // The trials where the machine showed "????": it does not calculate with those numbers, so
    // they say nothing for or against the formula.
    std::vector<int> machineCannot;
    // Every trial agrees, but too few or too small inputs were tried to trust it yet.
    bool tryHarderInputs = false;
};

// Told whenever a page begins, a trial is written or a page is revealed.
class NotebookObserver
{
public:
    virtual ~NotebookObserver() = default;
    virtual void notebookChanged() = 0;
    // Another notebook took this one's place (a new player's): nothing shown of it is right.
    virtual void notebookReplaced() { notebookChanged(); }
};

// The pupil's notebook: a page per mechanism, every experiment written on the current page,
// predictions checked, and the discovery after three right predictions in a row on new pairs.
// It only writes down what the machine did; it never runs a mechanism itself.
class Notebook
{
public:
    static constexpr int streakForDiscovery = 3;

    // Ids and times come from the system unless a source is given (tests give theirs).
    void setIdentity(IdentitySource& source) { m_identity = &source; }

    // The mechanism in force may have changed: later trials go on a new page. An empty
    // current page is kept for the new mechanism rather than left behind, as a new page.
    void beginPage(Level level);
    // Writes an experiment on the current page; nothing is written without a page. The
    // prediction, if any, is checked and cleared: `possible` tells, only when asked, what the
    // mechanism could have shown for these inputs.
    TrialOutcome record(const std::string& first, const std::string& second, double a, double b,
        const std::string& output, const std::function<PossibleOutputs()>& possible = {});

    // The prediction for the next experiment; a text that is no prediction is refused with the
    // reason, in the language in use, and the prediction is then cleared. "" clears it.
    std::optional<std::string> setPrediction(std::string text);
    const std::string& prediction() const { return m_prediction; }
    void markRevealed();
    // Writes the rule, once it is told, on the page in force.
    void noteRule(std::string rule);
    // Puts back the pages of a notebook kept from an earlier session, in place of these.
    void restore(std::vector<Page> pages);
    // Takes another notebook's page, with its trials, as the page in force (the guest's page,
    // kept by the pupil who takes over).
    void adopt(Page page);

    const std::vector<Page>& pages() const { return m_pages; }
    const Page* currentPage() const { return m_pages.empty() ? nullptr : &m_pages.back(); }
    void setObserver(NotebookObserver* observer) { m_observer = observer; }

private:
    void changed();
    IdentitySource& identity() { return m_identity ? *m_identity : m_systemIdentity; }
    // A time after `earlier` however the clock was set: what one copy writes after another
    // keeps its place after it.
    long long timeAfter(long long earlier);
    static bool followStreak(Page& page, const PredictionCheck& check, bool pairTried);

    std::vector<Page> m_pages;
    SystemIdentity m_systemIdentity;
    IdentitySource* m_identity = nullptr;
    NotebookObserver* m_observer = nullptr;
    std::string m_prediction;
};

// The trials where the machine showed "????", as a hypothesis check lists them apart:
// "la macchina non calcola con questi numeri: prove 5 e 6", in the language in use.
std::string machineCannotCalculate(const std::vector<int>& trials);

// Checks a formula against every trial of a page.
HypothesisCheck checkHypothesis(const Formula& formula, const Page& page);

} // namespace quorvel
