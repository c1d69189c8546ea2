// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/mechanisms/rule_terms.h"

#include "core/app/translation.h"

#include <utility>

namespace quorvel {

Term term(const char* words, const std::string& formula)
{
    return { translate("Rules", words), formula };
}

Term first()
{
    return term(QV_TRANSLATE_NOOP("Rules", "il primo numero"), "A");
}

Term second()
{
    return term(QV_TRANSLATE_NOOP("Rules", "il secondo numero"), "B");
}

Term number(int n)
{
    const std::string digits = std::to_string(n);
    return { digits, n < 0 ? "(" + digits + ")" : digits };
}

Term squareOf(const Term& t)
{
    const std::string joined
        = t.words.rfind("il ", 0) == 0 ? "del " + t.words.substr(3) : "di " + t.words;
    //: %1 is a quantity joined to "di" ("del primo numero"), %2 the same quantity on its own
    //: ("il primo numero"): use the one your language needs.
    return { fill(translate("Rules", "il quadrato %1"), { joined, t.words }),
        "(" + t.formula + ")^2" };
}

std::string of(const std::string& words)
{
    if (currentLanguage() != Language::italian)
        return "of " + words;
    for (const auto& [article, joined] : { std::pair { "il ", "del " }, { "la ", "della " } })
        if (words.rfind(article, 0) == 0)
            return joined + words.substr(std::string(article).size());
    return "di " + words;
}

std::optional<Term> operation(const Operation* op, const Term& x, const Term& y, Quotient q)
{
    return op ? std::optional(op->words(x, y, q)) : std::nullopt;
}

std::optional<Term> calculation(const Value& code, const Term& x, const Term& y)
{
    return operation(Operation::byCode(code), x, y, Quotient::RoundedDown);
}

Term calculationOrZero(const Value& code, const Term& x, const Term& y)
{
    return calculation(code, x, y).value_or(Term { "0", "0" });
}

RuleDescription noResult()
{
    return { translate("Rules", "La macchina non riesce a calcolare niente: mostra sempre «????»."),
        true, { "0 : 0" }, "", "", {} };
}

RuleDescription fixed(const std::string& sentence, const std::string& formula)
{
    return { sentence, true, { formula }, "", "", {} };
}

RuleDescription calculates(const std::optional<Term>& t)
{
    if (!t)
        return noResult();
    //: %1 is a quantity ("la somma del primo numero e del secondo numero")
    return fixed(fill(translate("Rules", "La macchina calcola %1."), { t->words }), t->formula);
}

RuleDescription between(
    const std::string& sentence, const std::string& low, const std::string& high)
{
    return { sentence, true, {}, low, high, {} };
}

} // namespace quorvel
