// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/notebook/notebook.h"

#include "core/notebook/formula.h"
#include "core/values/value.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quorvel {
namespace {

constexpr const char* noValue = "????";

// Below this, every input counts as small: a rule checked only on small numbers may still
// fail on large ones.
constexpr double smallInput = 10;
constexpr int fewTrials = 5;

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool pairTriedBefore(const Page& page, double a, double b)
{
    return std::any_of(page.trials.begin(), page.trials.end(),
        [&](const Trial& t) { return t.a == a && t.b == b; });
}

} // namespace

std::optional<double> readPupilNumber(const std::string& text)
{
    std::string s = trimmed(text);
    std::size_t at = !s.empty() && (s[0] == '-' || s[0] == '+') ? 1 : 0;
    std::size_t digits = 0;
    bool separator = false;
    for (; at < s.size(); ++at) {
        if (s[at] >= '0' && s[at] <= '9') {
            ++digits;
        } else if ((s[at] == ',' || s[at] == '.') && !separator) {
            separator = true;
            s[at] = '.';
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    return std::strtod(s.c_str(), nullptr);
}

bool sameAsDisplayed(std::optional<double> value, const std::string& output)
{
    if (output == noValue)
        return !value;
    if (!value)
        return false;
    const char separator = output.find(',') != std::string::npos ? ',' : '.';
    // A double shows 15 significant digits and a single 7: either reading may be the one shown.
    return formatNumber(*value, 15, separator) == output
        || formatNumber(*value, 7, separator) == output;
}

void Notebook::beginPage(Level level)
{
    if (level.isNone())
        return;
    if (!m_pages.empty() && m_pages.back().trials.empty() && !m_pages.back().revealed) {
        m_pages.back().level = level;
    } else {
        Page page;
        page.number = static_cast<int>(m_pages.size()) + 1;
        page.level = level;
        m_pages.push_back(std::move(page));
    }
    changed();
}

void Notebook::changed()
{
    if (m_observer)
        m_observer->notebookChanged();
}

TrialOutcome Notebook::record(const std::string& first, const std::string& second, double a,
    double b, const std::string& output)
{
    TrialOutcome outcome;
    const std::string prediction = trimmed(m_prediction);
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
    if (!prediction.empty()) {
        const std::optional<double> expected = readPupilNumber(prediction);
        outcome.predicted = true;
        outcome.right = prediction == noValue ? output == noValue
                                              : expected && sameAsDisplayed(expected, output);
        trial.prediction = prediction;
        trial.predictionRight = outcome.right;
        // A right prediction counts only on a pair the page has not seen: the output of a
        // pair already tried can be read off the notebook.
        const bool counts = outcome.right && !pairTriedBefore(page, a, b);
        page.streak = counts ? page.streak + 1 : 0;
        if (!page.discovered && page.streak >= streakForDiscovery) {
            page.discovered = true;
            outcome.discovery = true;
        }
    }
    page.trials.push_back(std::move(trial));
    changed();
    return outcome;
}

void Notebook::markRevealed()
{
    if (!m_pages.empty())
        m_pages.back().revealed = true;
    changed();
}

void Notebook::restore(std::vector<Page> pages)
{
    m_pages = std::move(pages);
    m_prediction.clear();
    changed();
}

HypothesisCheck checkHypothesis(const Formula& formula, const Page& page)
{
    HypothesisCheck check;
    bool allSmall = true;
    for (const Trial& t : page.trials) {
        TrialCheck c;
        c.trial = t.number;
        c.value = formula.valueAt(t.a, t.b);
        c.agrees = sameAsDisplayed(c.value, t.output);
        check.agreeing += c.agrees ? 1 : 0;
        allSmall = allSmall && std::fabs(t.a) < smallInput && std::fabs(t.b) < smallInput;
        check.trials.push_back(c);
    }
    const int total = static_cast<int>(page.trials.size());
    check.tryHarderInputs = total > 0 && check.agreeing == total && (total < fewTrials || allSmall);
    return check;
}

} // namespace quorvel
