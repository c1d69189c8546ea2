// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace quorvel {

// Why a formula cannot be read: a message for the pupil, in the language in use, and the place of
// the mistake (a character position counted from 1, 0 when it concerns the whole formula).
struct FormulaError
{
    std::string message;
    int position = 0;
};

// A rule the pupil believes in, written in A (the first number) and B (the second) the way a
// school pupil writes it: numbers with a decimal point or comma, + and −, x, × and * for
// multiplication, : and / for division, ^ for powers, parentheses, and the functions max, min,
// resto (the remainder), radice (the square root), intero (the whole part, rounded down), diff
// (the difference of the larger and the smaller number), abs, mcm and mcd (the least common
// multiple and the greatest common divisor). A function's numbers are separated by ";" or ",",
// which separate nothing outside a function's parentheses.
// The functions' English names are read too, whatever the language in use, so that a formula
// written in either language still reads: remainder, root, whole, lcm, and hcf or gcd.
class Formula
{
public:
    static std::variant<Formula, FormulaError> read(std::string_view text);

    Formula(Formula&&) noexcept;
    Formula& operator=(Formula&&) noexcept;
    ~Formula();

    // The formula's value for the inputs a and b; nothing when it has none (a division by
    // zero, the root of a negative number, a remainder by zero).
    std::optional<double> valueAt(double a, double b) const;

    // The text as the pupil wrote it.
    const std::string& text() const { return m_text; }

private:
    struct Engine;
    Formula(std::string text, std::unique_ptr<Engine> engine);

    std::string m_text;
    std::unique_ptr<Engine> m_engine;
};

// A formula with its functions' names in the language in use: "intero(A : 2)" reads
// "whole(A : 2)" in English. The rest of the formula stays as it is.
std::string formulaInLanguage(std::string_view formula);

} // namespace quorvel
