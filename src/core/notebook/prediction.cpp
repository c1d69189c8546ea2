// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/notebook/prediction.h"

#include "core/app/translation.h"
#include "core/values/number_text.h"

#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

constexpr std::string_view noValue = "????";

// A choice or a range is never longer than this: a longer one is compared by its ends only.
constexpr double longestListedSet = 1000;

std::vector<std::string> words(std::string_view text)
{
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
            ++at;
        std::size_t end = at;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t')
            ++end;
        if (end > at) {
            std::string word(text.substr(at, end - at));
            for (char& c : word)
                if (c >= 'A' && c <= 'Z')
                    c = static_cast<char>(c - 'A' + 'a');
            out.push_back(std::move(word));
        }
        at = end;
    }
    return out;
}

bool isOneOf(const std::string& word, std::initializer_list<const char*> choices)
{
    return std::any_of(choices.begin(), choices.end(), [&](const char* c) { return word == c; });
}

// "da 3 a 9", "from 3 to 9": the ends in either order.
std::optional<Prediction> readRange(const std::vector<std::string>& w)
{
    if (w.size() != 4 || !isOneOf(w[0], { "da", "from" }) || !isOneOf(w[2], { "a", "to" }))
        return std::nullopt;
    const auto low = readPupilNumber(w[1]), high = readPupilNumber(w[3]);
    if (!low || !high)
        return std::nullopt;
    Prediction p;
    p.kind = Prediction::Kind::Range;
    p.low = std::min(*low, *high);
    p.high = std::max(*low, *high);
    return p;
}

// "5 o 7", "5 o 7 o 9", "5 or ????".
std::optional<Prediction> readChoice(const std::vector<std::string>& w)
{
    if (w.size() < 3 || w.size() % 2 == 0)
        return std::nullopt;
    Prediction p;
    p.kind = Prediction::Kind::Choice;
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (i % 2 == 1) {
            if (!isOneOf(w[i], { "o", "oppure", "or" }))
                return std::nullopt;
        } else if (w[i] == noValue) {
            p.choices.push_back(std::nullopt);
        } else if (const auto n = readPupilNumber(w[i])) {
            p.choices.push_back(*n);
        } else {
            return std::nullopt;
        }
    }
    return p;
}

// A set of outputs in one form: its members when it has few, its ends when it is a long range.
struct OutputSet
{
    std::vector<std::string> members; // as a display writes them, sorted, each once
    std::optional<std::pair<double, double>> range; // a long range of whole numbers
};

std::string shown(const std::optional<double>& v)
{
    return v ? formatNumber(*v, 15, '.') : std::string(noValue);
}

OutputSet fromMembers(const std::vector<std::optional<double>>& values)
{
    OutputSet set;
    for (const auto& v : values)
        set.members.push_back(shown(v));
    std::sort(set.members.begin(), set.members.end());
    set.members.erase(std::unique(set.members.begin(), set.members.end()), set.members.end());
    return set;
}

OutputSet fromRange(double low, double high)
{
    if (high - low >= longestListedSet)
        return { {}, std::pair { low, high } };
    std::vector<std::optional<double>> values;
    for (double v = low; v <= high; ++v)
        values.emplace_back(v);
    return fromMembers(values);
}

OutputSet predictedSet(const Prediction& p)
{
    return p.kind == Prediction::Kind::Range ? fromRange(p.low, p.high) : fromMembers(p.choices);
}

// The whole numbers a machine's range gives: from its low end rounded up to its high end
// rounded down.
OutputSet possibleSet(const PossibleOutputs& possible)
{
    if (possible.range)
        return fromRange(std::ceil(possible.range->first), std::floor(possible.range->second));
    return fromMembers(possible.members);
}

bool operator==(const OutputSet& a, const OutputSet& b)
{
    return a.members == b.members && a.range == b.range;
}

std::size_t sizeOf(const OutputSet& set)
{
    return set.range ? 2 : set.members.size();
}

std::string answerOf(const OutputSet& set)
{
    if (set.range)
        return shown(set.range->first) + ".." + shown(set.range->second);
    std::string out;
    for (const std::string& m : set.members)
        out += (out.empty() ? "" : " | ") + m;
    return out;
}

bool numberRight(const Prediction& p, const std::string& output)
{
    if (output == noValue)
        return false;
    if (sameAsDisplayed(p.number, output))
        return true;
    return p.decimals > 0 && shownRoundsTo(output, p.decimals, p.number);
}

} // namespace

std::optional<Prediction> readPrediction(std::string_view text)
{
    const std::vector<std::string> w = words(text);
    if (w.size() == 1 && w[0] == noValue) {
        Prediction p;
        p.kind = Prediction::Kind::NoValue;
        return p;
    }
    if (w.size() == 1) {
        const auto number = readPupilNumber(w[0]);
        if (!number)
            return std::nullopt;
        Prediction p;
        p.number = *number;
        p.decimals = decimalsWritten(w[0]).value_or(0);
        return p;
    }
    if (auto range = readRange(w))
        return range;
    return readChoice(w);
}

std::string notAPrediction(std::string_view text)
{
    //: %1 is what the pupil wrote as a prediction
    return fill(translate("Prediction",
                    "Non capisco la previsione «%1»: scrivi un numero (come 12 o 2,5), «????» se "
                    "pensi che la macchina non calcoli, oppure, se la macchina sceglie a caso, "
                    "tutto quello che può uscire: «da 3 a 9» o «5 o 7»."),
        { std::string(text) });
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

PredictionCheck checkPrediction(
    const Prediction& p, const std::string& output, const PossibleOutputs& possible)
{
    using Effect = PredictionCheck::Effect;
    PredictionCheck check;
    switch (p.kind) {
    case Prediction::Kind::NoValue:
        check.right = output == noValue;
        return check;
    case Prediction::Kind::Number:
        check.right = numberRight(p, output);
        if (!possible.varies) {
            check.effect = check.right ? Effect::Counts : Effect::Restarts;
            check.answer = output;
        }
        return check;
    case Prediction::Kind::Range:
    case Prediction::Kind::Choice:
        break;
    }
    const OutputSet machine = possibleSet(possible);
    check.right = possible.varies && predictedSet(p) == machine;
    if (!check.right)
        check.effect = Effect::Restarts;
    else if (sizeOf(machine) >= 2)
        check.effect = Effect::Counts;
    check.answer = answerOf(machine);
    return check;
}

} // namespace quorvel
