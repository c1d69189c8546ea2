// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/mechanisms/rule_terms.h"

#include "core/app/machine.h"
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

std::optional<Term> operation(const std::string& s, const Term& x, const Term& y, Quotient q)
{
    const std::string fx = "(" + x.formula + ")", fy = "(" + y.formula + ")";
    if (s == "+")
        //: %1 and %2 are two quantities joined to "di" ("del primo numero"), %3 and %4 the
        //: same quantities on their own ("il primo numero"): use the ones your language needs.
        return Term { fill(translate("Rules", "la somma %1 e %2"),
                          { of(x.words), of(y.words), x.words, y.words }),
            fx + " + " + fy };
    if (s == "*")
        //: %1 and %2 are two quantities joined to "di" ("del primo numero"), %3 and %4 the
        //: same quantities on their own ("il primo numero"): use the ones your language needs.
        return Term { fill(translate("Rules", "il prodotto %1 e %2"),
                          { of(x.words), of(y.words), x.words, y.words }),
            fx + " * " + fy };
    if (s == "-")
        //: %1 and %2 are two quantities ("il primo numero", "7")
        return Term { fill(translate("Rules",
                               "la differenza tra %1 e %2 (si toglie sempre il numero minore dal "
                               "maggiore)"),
                          { x.words, y.words }),
            "diff(" + x.formula + "; " + y.formula + ")" };
    if (s == ":" && q == Quotient::Plain)
        //: %1 is the dividend joined to "di" ("del primo numero"), %2 the divisor ("7"); %3 and
        //: %4 the same on their own: use the ones your language needs.
        return Term {
            fill(translate("Rules", "la divisione %1 per %2 (il risultato può avere la virgola)"),
                { of(x.words), y.words, x.words, y.words }),
            fx + " : " + fy
        };
    if (s == ":")
        //: %1 is the dividend joined to "di" ("del primo numero"), %2 the divisor ("7"); %3 and
        //: %4 the same on their own: use the ones your language needs.
        return Term { fill(translate("Rules",
                               "il risultato della divisione %1 per %2, senza la parte dopo la "
                               "virgola"),
                          { of(x.words), y.words, x.words, y.words }),
            "intero(" + fx + " : " + fy + ")" };
    return std::nullopt;
}

std::optional<Term> calculation(const Value& code, const Term& x, const Term& y)
{
    const double k = code.number();
    const char* const symbols[] = { "+", "*", "-", ":" };
    for (int i = 1; i <= 4; ++i)
        if (k == i)
            return operation(symbols[i - 1], x, y, Quotient::RoundedDown);
    return std::nullopt;
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

std::string symbolInForce(const MachineState& s, const Value& counter)
{
    const bool choosing = counter + Value::int16(1) <= Value::int16(1) || s.opSymbol.empty();
    if (choosing)
        if (const char* symbol = symbolForIndex(s.opCode))
            return symbol;
    return s.opSymbol;
}

std::optional<std::string> secondSymbolInForce(const Machine& m)
{
    const MachineState& s = m.state();
    if (s.secondOpCount + Value::int16(1) <= Value::int16(1)) {
        // The next run chooses it: from a saved mechanism that had drawn it, or from the clock.
        if (!s.loadedFromFile || s.secondOpIndex == 0)
            return std::nullopt;
        const char* symbol = symbolForIndex(Value::int16(s.secondOpIndex));
        return symbol ? std::optional<std::string>(symbol) : std::nullopt;
    }
    return s.secondOpSymbol;
}

} // namespace quorvel
