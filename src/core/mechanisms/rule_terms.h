// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/mechanisms/operations.h"
#include "core/mechanisms/rule_descriptions.h"

#include <optional>
#include <string>

namespace quorvel {

// The pieces the rules' descriptions are made of: each quantity in words (in the language in
// use) and as a formula in the hypothesis notation, with the functions' Italian names, so that
// the words and the formula are always built together.
struct Term
{
    std::string words;
    std::string formula;
};

// A quantity whose words are kept marked for translation (QV_TRANSLATE_NOOP in the "Rules"
// context), in the language in use.
Term term(const char* words, const std::string& formula);
Term first();
Term second();

Term number(int n);
Term squareOf(const Term& t);
// "di" joined to the article that follows, as Italian writes it: "del primo numero". The
// sentences' patterns take this form and the plain words both, so that each language uses
// the one it needs; in English it is "of the first number".
std::string of(const std::string& words);

// x s y for an operation, and how ":" divides; nothing for no operation.
std::optional<Term> operation(const Operation* op, const Term& x, const Term& y, Quotient q);
// x s y for a calculation code (1 sum, 2 product, 3 difference, 4 quotient rounded down).
std::optional<Term> calculation(const Value& code, const Term& x, const Term& y);
// The same, where a code that matches none gives no value, which an operand takes as 0.
Term calculationOrZero(const Value& code, const Term& x, const Term& y);

// A rule that gives no output at all.
RuleDescription noResult();
// A fixed rule: one sentence, one formula.
RuleDescription fixed(const std::string& sentence, const std::string& formula);
// "La macchina calcola ..." for a term, or no result when there is none.
RuleDescription calculates(const std::optional<Term>& t);
// A whole number drawn between two formulas' values.
RuleDescription between(
    const std::string& sentence, const std::string& low, const std::string& high);

} // namespace quorvel
