#include "core/notebook/rule_terms.h"

#include "core/app/machine.h"

#include <utility>

namespace quorvel {

const Term first = { "il primo numero", "A" };
const Term second = { "il secondo numero", "B" };

Term number(int n)
{
    const std::string digits = std::to_string(n);
    return { digits, n < 0 ? "(" + digits + ")" : digits };
}

Term squareOf(const Term& t)
{
    const std::string words
        = t.words.rfind("il ", 0) == 0 ? "del " + t.words.substr(3) : "di " + t.words;
    return { "il quadrato " + words, "(" + t.formula + ")^2" };
}

std::string of(const std::string& words)
{
    for (const auto& [article, joined] : { std::pair { "il ", "del " }, { "la ", "della " } })
        if (words.rfind(article, 0) == 0)
            return joined + words.substr(std::string(article).size());
    return "di " + words;
}

std::optional<Term> operation(const std::string& s, const Term& x, const Term& y, Quotient q)
{
    const std::string fx = "(" + x.formula + ")", fy = "(" + y.formula + ")";
    if (s == "+")
        return Term { "la somma " + of(x.words) + " e " + of(y.words), fx + " + " + fy };
    if (s == "*")
        return Term { "il prodotto " + of(x.words) + " e " + of(y.words), fx + " * " + fy };
    if (s == "-")
        return Term { "la differenza tra " + x.words + " e " + y.words
                + " (il più grande meno il più piccolo)",
            "diff(" + x.formula + "; " + y.formula + ")" };
    if (s == ":" && q == Quotient::Plain)
        return Term { x.words + " diviso " + y.words + " (anche con la virgola)", fx + " : " + fy };
    if (s == ":")
        return Term { "la parte intera " + of(x.words + " diviso " + y.words),
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
    return { "La macchina non riesce a calcolare niente: mostra sempre «????».", { "0 : 0" }, "",
        "" };
}

RuleDescription fixed(const std::string& sentence, const std::string& formula)
{
    return { sentence, { formula }, "", "" };
}

RuleDescription calculates(const std::optional<Term>& t)
{
    if (!t)
        return noResult();
    return fixed("La macchina calcola " + t->words + ".", t->formula);
}

RuleDescription between(
    const std::string& sentence, const std::string& low, const std::string& high)
{
    return { sentence, {}, low, high };
}

std::string symbolInForce(const MachineState& s, const Value& counter)
{
    const bool choosing = counter + Value::int16(1) <= Value::int16(1) || s.opSymbol.empty();
    if (choosing)
        if (const char* symbol = symbolForIndex(s.opCode))
            return symbol;
    return s.opSymbol;
}

std::string secondSymbolInForce(const Machine& m)
{
    const MachineState& s = m.state();
    if (s.secondOpCount + Value::int16(1) <= Value::int16(1)) {
        const int index = s.loadedFromFile ? s.secondOpIndex : m.clockOperation();
        if (const char* symbol = symbolForIndex(Value::int16(index)))
            return symbol;
    }
    return s.secondOpSymbol;
}

} // namespace quorvel
