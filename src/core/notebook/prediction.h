// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvel {

// A prediction as the pupil may write it: a number, "????" (the machine will not calculate), or,
// for a machine that draws at random, the set of outputs it can give: a range of whole numbers
// ("da 3 a 9", both ends included) or a choice ("5 o 7", "5 o ????").
struct Prediction
{
    enum class Kind { Number, NoValue, Range, Choice };
    Kind kind = Kind::Number;
    double number = 0;
    int decimals = 0; // of a number, as written
    double low = 0, high = 0; // of a range, low <= high
    std::vector<std::optional<double>> choices; // nothing stands for "????"

    bool isSet() const { return kind == Kind::Range || kind == Kind::Choice; }
};

// The prediction a text holds, in either language's words ("da 3 a 9", "from 3 to 9",
// "5 o 7", "5 or 7"); nothing for a text that is none of the forms above.
std::optional<Prediction> readPrediction(std::string_view text);

// Why a text is no prediction, for the pupil, in the language in use.
std::string notAPrediction(std::string_view text);

// What a mechanism could show for the inputs of one experiment: a rule that draws at random
// gives a set of outputs, told as its members (nothing for "????") or as a range of whole
// numbers; a fixed rule gives one output and is not told.
struct PossibleOutputs
{
    bool varies = false;
    std::vector<std::optional<double>> members;
    std::optional<std::pair<double, double>> range;
};

// Whether a predicted or computed value is what the output display shows: "????" only for
// no value, a number when it reads the same in the display's own form.
bool sameAsDisplayed(std::optional<double> value, const std::string& output);

// How one prediction fares against the output shown.
struct PredictionCheck
{
    bool right = false;
    enum class Effect { Counts, Restarts, Neither } effect = Effect::Neither;
    std::string answer; // what the prediction said, when it counts: the output or the set
};

// A number is right when it reads as the output shown, a decimal one when the output rounded to
// as many decimals is that number; "????" when the machine did not calculate. A set is right
// only for a machine that draws at random, when it is exactly the set it can give. A number
// predicted for a machine that draws at random is luck, and "????" says nothing of the rule:
// neither counts toward a discovery nor restarts it; a set of one member does not count either.
PredictionCheck checkPrediction(
    const Prediction& p, const std::string& output, const PossibleOutputs& possible);

} // namespace quorvel
