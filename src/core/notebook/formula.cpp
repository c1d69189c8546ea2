// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/notebook/formula.h"

#include "core/app/translation.h"
#include "core/notebook/formula_notation.h"
#include "core/values/value.h"

#include <muParser.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace quorvel {
namespace {

double maxOf(double a, double b)
{
    return std::max(a, b);
}
double minOf(double a, double b)
{
    return std::min(a, b);
}
double diffOf(double a, double b)
{
    return std::fabs(a - b);
}
double magnitude(double a)
{
    return std::fabs(a);
}
double wholePart(double a)
{
    return std::floor(a);
}
double rootOf(double a)
{
    return a < 0 ? NAN : std::sqrt(a);
}

// The machine's own remainder: both numbers rounded to whole numbers, the result with the
// sign of the first.
double remainderOf(double a, double b)
{
    try {
        return remainder32(a, b);
    } catch (const MechanismFault&) {
        return NAN;
    }
}

// The least common multiple and the greatest common divisor of two whole numbers from 1 up,
// as the machine finds them by trial; none for anything else.
bool wholeFromOne(double v)
{
    return v >= 1 && v <= 2147483647.0 && v == std::floor(v);
}

double commonDivisor(double a, double b)
{
    if (!wholeFromOne(a) || !wholeFromOne(b))
        return NAN;
    return static_cast<double>(std::gcd(static_cast<long long>(a), static_cast<long long>(b)));
}

double commonMultiple(double a, double b)
{
    const double d = commonDivisor(a, b);
    return std::isnan(d) ? NAN : a / d * b;
}

std::string whatWentWrong(const mu::ParserError& e)
{
    const std::string token = e.GetToken();
    switch (e.GetCode()) {
    case mu::ecUNEXPECTED_OPERATOR:
        return translate("Formula", "c'è un segno di operazione fuori posto");
    case mu::ecUNEXPECTED_EOF:
        return translate("Formula", "la formula finisce a metà");
    case mu::ecUNEXPECTED_ARG_SEP:
    case mu::ecUNEXPECTED_ARG:
        return translate("Formula", "c'è una virgola fuori posto");
    case mu::ecUNEXPECTED_VAL:
    case mu::ecUNEXPECTED_VAR:
    case mu::ecUNEXPECTED_FUN:
        return missingSignBefore(token);
    case mu::ecUNEXPECTED_PARENS:
        return translate("Formula", "c'è una parentesi fuori posto");
    case mu::ecMISSING_PARENS:
        return translate("Formula", "manca una parentesi chiusa");
    case mu::ecTOO_MANY_PARAMS:
        return translate("Formula", "la funzione ha troppi numeri tra le parentesi");
    case mu::ecTOO_FEW_PARAMS:
        return translate("Formula", "la funzione vuole più numeri tra le parentesi");
    default:
        return translate("Formula", "la formula non è scritta bene");
    }
}

// A function under its Italian name and under every other name the pupil may write.
template <typename Function>
void defineFunction(mu::Parser& p, std::string_view italian, Function f)
{
    for (const std::string_view name : namesOf(italian))
        p.DefineFun(std::string(name), f);
}

} // namespace

std::string formulaInLanguage(std::string_view formula)
{
    const bool english = currentLanguage() == Language::english;
    std::string out;
    std::size_t at = 0;
    while (at < formula.size()) {
        std::size_t end = at;
        while (end < formula.size() && isLetter(static_cast<unsigned char>(formula[end])))
            ++end;
        if (end == at) {
            out += formula[at++];
            continue;
        }
        const std::string word(formula.substr(at, end - at));
        const FunctionName* f = functionNamed(lower(word));
        out += f ? std::string(english ? f->english : f->italian) : word;
        at = end;
    }
    return out;
}

struct Formula::Engine
{
    mu::Parser parser;
    double a = 0;
    double b = 0;
};

std::variant<Formula, FormulaError> Formula::read(std::string_view text)
{
    ParserNotation t = toParserNotation(text);
    if (t.error)
        return *t.error;
    if (t.text.find_first_not_of(' ') == std::string::npos)
        return FormulaError {
            translate("Formula", "scrivi una formula con A e B, per esempio A + B"), 0
        };

    auto engine = std::make_unique<Engine>();
    mu::Parser& p = engine->parser;
    try {
        p.ClearConst();
        p.ClearFun();
        p.DefineVar("A", &engine->a);
        p.DefineVar("B", &engine->b);
        defineFunction(p, "max", maxOf);
        defineFunction(p, "min", minOf);
        defineFunction(p, "diff", diffOf);
        defineFunction(p, "resto", remainderOf);
        defineFunction(p, "radice", rootOf);
        defineFunction(p, "intero", wholePart);
        defineFunction(p, "abs", magnitude);
        defineFunction(p, "mcm", commonMultiple);
        defineFunction(p, "mcd", commonDivisor);
        p.SetExpr(t.text);
        p.Eval(); // reads the whole formula now, so every mistake shows here
    } catch (const mu::ParserError& e) {
        const int at = e.GetPos();
        int position = 0;
        if (at >= 0 && static_cast<std::size_t>(at) < t.positions.size())
            position = t.positions[static_cast<std::size_t>(at)];
        else if (at >= 0)
            position = t.positions.empty() ? 0 : t.positions.back() + 1;
        return FormulaError { whatWentWrong(e), position };
    }
    return Formula(std::string(text), std::move(engine));
}

Formula::Formula(std::string text, std::unique_ptr<Engine> engine)
    : m_text(std::move(text))
    , m_engine(std::move(engine))
{
}

Formula::Formula(Formula&&) noexcept = default;
Formula& Formula::operator=(Formula&&) noexcept = default;
Formula::~Formula() = default;

std::optional<double> Formula::valueAt(double a, double b) const
{
    m_engine->a = a;
    m_engine->b = b;
    try {
        const double v = m_engine->parser.Eval();
        if (std::isfinite(v))
            return v;
    } catch (const mu::ParserError&) {
    }
    return std::nullopt;
}

} // namespace quorvel
