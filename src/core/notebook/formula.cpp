// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/notebook/formula.h"

#include "core/app/translation.h"
#include "core/values/value.h"

#include <muParser.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numeric>
#include <vector>

namespace quorvel {
namespace {

// Each function's Italian name and its English one; the pupil may write either, in any
// language.
struct FunctionName
{
    std::string_view italian;
    std::string_view english;
};

constexpr FunctionName functionNames[] = { { "max", "max" }, { "min", "min" },
    { "resto", "remainder" }, { "radice", "root" }, { "intero", "whole" }, { "diff", "diff" },
    { "abs", "abs" }, { "mcm", "lcm" }, { "mcd", "hcf" } };

// Another name the pupil may write: the greatest common divisor, as some books call it.
constexpr FunctionName otherNames[] = { { "mcd", "gcd" } };

// The function a name the pupil may write stands for (in lower case); none for any other word.
const FunctionName* functionNamed(std::string_view name)
{
    for (const FunctionName& f : functionNames)
        if (f.italian == name || f.english == name)
            return &f;
    for (const FunctionName& other : otherNames)
        if (other.english == name)
            for (const FunctionName& f : functionNames)
                if (f.italian == other.italian)
                    return &f;
    return nullptr;
}

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

// The formula in the parser's notation, and for each of its characters the position (from 1)
// of the pupil's character it stands for.
struct Translation
{
    std::string text;
    std::vector<int> positions;
    std::optional<FormulaError> error;

    void put(char c, int position)
    {
        text += c;
        positions.push_back(position);
    }
};

// One character of UTF-8 text, as a code point, and how many bytes it takes.
char32_t decode(std::string_view s, std::size_t at, std::size_t& length)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[at + i]); };
    const unsigned char first = byte(0);
    length = first < 0x80 ? 1 : first >> 5 == 0x6 ? 2 : first >> 4 == 0xE ? 3 : 4;
    if (at + length > s.size())
        length = 1;
    if (length == 1)
        return first;
    char32_t c = first & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i)
        c = (c << 6) | (byte(i) & 0x3F);
    return c;
}

bool isLetter(char32_t c)
{
    return c < 0x80 && std::isalpha(static_cast<int>(c));
}
bool isDigit(char32_t c)
{
    return c >= '0' && c <= '9';
}

std::string lower(std::string word)
{
    for (char& c : word)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word;
}

// A run of letters: a function's name, or A, B and x (times) written together.
void translateWord(const std::string& word, int position, Translation& out)
{
    const std::string name = lower(word);
    if (functionNamed(name)) {
        for (std::size_t i = 0; i < name.size(); ++i)
            out.put(name[i], position + static_cast<int>(i));
        return;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(word[i])));
        if (c != 'A' && c != 'B' && c != 'X') {
            //: %1 is the word the pupil wrote
            out.error = FormulaError { fill(translate("Formula",
                                                "non conosco «%1»: usa A per il primo numero e B "
                                                "per il secondo"),
                                           { word }),
                position };
            return;
        }
        const bool follows = i > 0 && out.text.back() != '*';
        if (c != 'X' && follows) {
            //: %1 and %2 are two letters written together ("A", "B")
            out.error = FormulaError {
                fill(translate("Formula", "manca un segno di operazione tra «%1» e «%2»"),
                    { std::string(1, out.text.back()), std::string(1, c) }),
                position + static_cast<int>(i)
            };
            return;
        }
        out.put(c == 'X' ? '*' : c, position + static_cast<int>(i));
    }
}

// A sign the parser writes otherwise, or 0 for one it does not take. A comma between digits
// is a decimal comma; elsewhere it separates a function's numbers, as ";" does.
char translateSign(char32_t c, char32_t previous, char32_t next)
{
    if (isDigit(c) || c == '.' || c == ' ' || c == '+' || c == '-' || c == '*' || c == '/'
        || c == '^' || c == '(' || c == ')')
        return static_cast<char>(c);
    if (c == ',')
        return isDigit(previous) && isDigit(next) ? '.' : ',';
    if (c == ';')
        return ',';
    if (c == ':' || c == U'\u00F7')
        return '/';
    if (c == U'\u00D7' || c == U'\u00B7')
        return '*';
    if (c == U'\u2212')
        return '-';
    return c == '\t' ? ' ' : 0;
}

// The pupil's notation in the parser's, character by character.
Translation toParserNotation(std::string_view text)
{
    Translation out;
    std::string word;
    int wordStart = 0;
    char32_t previous = 0;
    int position = 0;
    for (std::size_t at = 0; at < text.size() && !out.error;) {
        std::size_t length = 1;
        const char32_t c = decode(text, at, length);
        ++position;
        at += length;
        if (isLetter(c)) {
            wordStart = word.empty() ? position : wordStart;
            word += static_cast<char>(c);
        } else {
            if (!word.empty())
                translateWord(word, wordStart, out);
            word.clear();
            if (out.error)
                break;
            const char32_t next = at < text.size() ? static_cast<unsigned char>(text[at]) : 0;
            if (const char sign = translateSign(c, previous, next))
                out.put(sign, position);
            else
                out.error = FormulaError {
                    translate("Formula", "questo segno non si può usare in una formula"), position
                };
        }
        previous = c;
    }
    if (!word.empty() && !out.error)
        translateWord(word, wordStart, out);
    return out;
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
        //: %1 is a number, a letter or a function's name from the formula
        return fill(translate("Formula", "manca un segno di operazione prima di «%1»"), { token });
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
    p.DefineFun(std::string(italian), f);
    for (const FunctionName& names : functionNames)
        if (names.italian == italian && names.english != italian)
            p.DefineFun(std::string(names.english), f);
    for (const FunctionName& names : otherNames)
        if (names.italian == italian)
            p.DefineFun(std::string(names.english), f);
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
    Translation t = toParserNotation(text);
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
