// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// Every number the program writes or reads as text goes through here. Nothing here consults
// the C library's locale (which Qt sets from the environment): the decimal separator is a
// parameter, chosen by the caller from the pupil's language, and files always use '.'.

// The infinite numbers and the number that is no number, as every writer shows them.
inline constexpr std::string_view infiniteText = "∞";
inline constexpr std::string_view notANumberText = "????";

// The shortest decimal form of a number with at most `digits` significant digits: whole
// numbers without a decimal part, a minus sign in front of negatives, large and tiny numbers
// in the E+NN form. Infinity is "∞" (or "-∞"), and a number that is no number "????": neither
// ever throws.
std::string formatNumber(double v, int digits, char decimalSeparator);

// A whole number as digits, a minus sign in front of negatives.
std::string wholeText(long long v);

// A whole number written with digits only (an optional minus sign), nothing else around it;
// nothing when it does not fit.
std::optional<long long> readWhole(std::string_view text);

// A number as the pupil writes it: an optional sign, digits, a decimal point or comma, digits;
// blanks around it. Nothing for any other text. A number too large for a double is infinite.
std::optional<double> readPupilNumber(std::string_view text);

// A number as a display shows it (formatNumber's forms, with either separator): "12", "-3,5",
// "1.5E+10", "2,5E-07". Nothing for any other text, "????" included.
std::optional<double> readShownNumber(std::string_view text);

// How many digits follow the decimal separator of a number the pupil wrote (0 for a whole
// number); nothing when the text is no such number.
std::optional<int> decimalsWritten(std::string_view text);

// Whether the number a display shows, rounded to `decimals` decimals (halves away from zero, as
// a pupil rounds what they read), equals `value`.
bool shownRoundsTo(std::string_view shown, int decimals, double value);

} // namespace quorvel
