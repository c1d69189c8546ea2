// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/notebook/notebook.h"

#include "core/notebook/formula.h"
#include "core/values/utf8.h"
#include "core/values/value.h"

#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

constexpr const char* noValue = "????";

// Below this, every input counts as small: a rule checked only on small numbers may still
// fail on large ones.
constexpr double smallInput = 10;
constexpr int fewTrials = 5;

bool pairTriedBefore(const Page& page, double a, double b)
{
    return std::any_of(page.trials.begin(), page.trials.end(),
        [&](const Trial& t) { return t.a == a && t.b == b; });
}

} // namespace

void Notebook::beginPage(Level level)
{
    if (level.isNone())
        return;
    if (m_pages.empty() || !m_pages.back().trials.empty() || m_pages.back().revealed) {
        Page next;
        next.number = static_cast<int>(m_pages.size()) + 1;
        m_pages.push_back(std::move(next));
    }
    const long long previous = m_pages.size() > 1 ? m_pages[m_pages.size() - 2].begun : 0;
    Page& page = m_pages.back();
    page.level = level;
    page.id = identity().newId();
    page.begun = timeAfter(previous);
    changed();
}

long long Notebook::timeAfter(long long earlier)
{
    return std::max(identity().microsecondsNow(), earlier + 1);
}

void Notebook::changed()
{
    if (m_observer)
        m_observer->notebookChanged();
}

std::optional<std::string> Notebook::setPrediction(std::string text)
{
    m_prediction.clear();
    if (trimmed(text).empty())
        return std::nullopt;
    if (!readPrediction(text))
        return notAPrediction(std::string(trimmed(text)));
    m_prediction = std::move(text);
    return std::nullopt;
}

TrialOutcome Notebook::record(const std::string& first, const std::string& second, double a,
    double b, const std::string& output, const std::function<PossibleOutputs()>& possible)
{
    TrialOutcome outcome;
    const std::string prediction(trimmed(m_prediction));
    m_prediction.clear();
    if (m_pages.empty())
        return outcome;
    Page& page = m_pages.back();

    Trial trial;
    trial.number = static_cast<int>(page.trials.size()) + 1;
    trial.first = first;
    trial.second = second;
    trial.a = a;
    trial.b = b;
    trial.output = output;
    trial.id = identity().newId();
    trial.made = timeAfter(page.trials.empty() ? page.begun : page.trials.back().made);
    if (const std::optional<Prediction> predicted = readPrediction(prediction)) {
        const PredictionCheck check
            = checkPrediction(*predicted, output, possible ? possible() : PossibleOutputs {});
        outcome.predicted = true;
        outcome.right = check.right;
        trial.prediction = prediction;
        trial.predictionRight = check.right;
        outcome.discovery = followStreak(page, check, pairTriedBefore(page, a, b));
    }
    page.trials.push_back(std::move(trial));
    changed();
    return outcome;
}

// A right prediction counts only on a pair the page has not seen (the output of a pair already
// tried can be read off the notebook); the discovery needs, besides, two different answers
// among the streak, and a rule that was not revealed.
bool Notebook::followStreak(Page& page, const PredictionCheck& check, bool pairTried)
{
    using Effect = PredictionCheck::Effect;
    if (check.effect == Effect::Neither)
        return false;
    if (check.effect == Effect::Restarts || pairTried) {
        page.streak = 0;
        page.streakAnswers.clear();
        return false;
    }
    ++page.streak;
    if (std::find(page.streakAnswers.begin(), page.streakAnswers.end(), check.answer)
        == page.streakAnswers.end())
        page.streakAnswers.push_back(check.answer);
    if (page.discovered || page.revealed || page.streak < streakForDiscovery
        || page.streakAnswers.size() < 2)
        return false;
    page.discovered = true;
    return true;
}

void Notebook::noteRule(std::string rule)
{
    if (m_pages.empty() || !m_pages.back().rule.empty())
        return; // the rule as it was first told stays
    m_pages.back().rule = std::move(rule);
    changed();
}

void Notebook::markRevealed()
{
    if (!m_pages.empty())
        m_pages.back().revealed = true;
    changed();
}

void Notebook::adopt(Page page)
{
    if (!m_pages.empty() && m_pages.back().trials.empty() && !m_pages.back().revealed)
        m_pages.pop_back(); // an empty page is never left behind
    page.number = static_cast<int>(m_pages.size()) + 1;
    page.begun = timeAfter(m_pages.empty() ? 0 : m_pages.back().begun);
    m_pages.push_back(std::move(page));
    changed();
}

void Notebook::restore(std::vector<Page> pages)
{
    m_pages = std::move(pages);
    m_prediction.clear();
    if (m_observer)
        m_observer->notebookReplaced();
}

std::string machineCannotCalculate(const std::vector<int>& trials)
{
    std::vector<std::string> each;
    for (const int trial : trials)
        each.push_back(std::to_string(trial));
    const std::string numbers = listed(each);
    if (trials.size() == 1)
        //: %1 is the number of the one trial where the machine showed "????"
        return fill(translate("Notebook", "la macchina non calcola con questi numeri: prova %1"),
            { numbers });
    //: %1 lists the trials where the machine showed "????": "5, 6 e 9"
    return fill(
        translate("Notebook", "la macchina non calcola con questi numeri: prove %1"), { numbers });
}

HypothesisCheck checkHypothesis(const Formula& formula, const Page& page)
{
    HypothesisCheck check;
    bool allSmall = true;
    for (const Trial& t : page.trials) {
        if (t.output == noValue) {
            check.machineCannot.push_back(t.number);
            continue;
        }
        TrialCheck c;
        c.trial = t.number;
        c.value = formula.valueAt(t.a, t.b);
        c.agrees = sameAsDisplayed(c.value, t.output);
        check.agreeing += c.agrees ? 1 : 0;
        allSmall = allSmall && std::fabs(t.a) < smallInput && std::fabs(t.b) < smallInput;
        check.trials.push_back(c);
    }
    const int total = static_cast<int>(check.trials.size());
    check.tryHarderInputs = total > 0 && check.agreeing == total && (total < fewTrials || allSmall);
    return check;
}

} // namespace quorvel
