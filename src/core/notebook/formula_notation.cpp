// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/notebook/formula_notation.h"

#include "core/app/translation.h"
#include "core/values/utf8.h"

#include <cctype>
#include <charconv>
#include <iterator>
#include <utility>

namespace quorvel {
namespace {

constexpr FunctionName functionNames[] = { { "max", "max" }, { "min", "min" },
    { "resto", "remainder" }, { "radice", "root" }, { "intero", "whole" }, { "diff", "diff" },
    { "abs", "abs" }, { "mcm", "lcm" }, { "mcd", "hcf" } };

// Another name the pupil may write: the greatest common divisor, as some books call it.
constexpr FunctionName otherNames[] = { { "mcd", "gcd" } };

bool isDigit(char32_t c)
{
    return c >= '0' && c <= '9';
}

// The longest formula read, in characters: a pupil's rule rarely takes more than a couple of
// hundred. The parser has a limit of its own, far beyond this one.
constexpr int longestFormula = 1000;

// The formula in the parser's notation as it is written, and what it needs to know of what
// it has written so far.
struct Translation
{
    std::string text;
    std::vector<int> positions;
    std::optional<FormulaError> error;
    // For each parenthesis still open, whether it holds a function's numbers.
    std::vector<bool> openParentheses;

    void put(char c, int position)
    {
        if (c == '(') {
            const bool afterFunction = std::islower(static_cast<unsigned char>(lastSign())) != 0;
            // The parser wants a function's parenthesis straight after its name.
            while (afterFunction && text.back() == ' ') {
                text.pop_back();
                positions.pop_back();
            }
            openParentheses.push_back(afterFunction);
        } else if (c == ')' && !openParentheses.empty())
            openParentheses.pop_back();
        text += c;
        positions.push_back(position);
    }

    // The last sign written so far, spaces aside; 0 before the first.
    char lastSign() const
    {
        const std::size_t at = text.find_last_not_of(' ');
        return at == std::string::npos ? 0 : text[at];
    }

    // Whether the text so far ends with a number, A, B or a closed parenthesis: something
    // that an operation sign must follow before another parenthesis opens.
    bool endsWithOperand() const
    {
        const char c = lastSign();
        return (c >= '0' && c <= '9') || c == '.' || c == 'A' || c == 'B' || c == ')';
    }

    bool insideFunction() const { return !openParentheses.empty() && openParentheses.back(); }
};

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

// The formula is longer than the reader takes; position is its first character beyond that.
FormulaError tooLong(int position)
{
    char digits[16];
    const char* end = std::to_chars(std::begin(digits), std::end(digits), longestFormula).ptr;
    //: %1 is the largest number of characters a formula may have
    return FormulaError { fill(translate(
                                   "Formula", "la formula è troppo lunga: al massimo %1 caratteri"),
                              { std::string_view(digits, static_cast<std::size_t>(end - digits)) }),
        position };
}

// The digit a superscript stands for (¹, ², ³, ⁴...), or -1 for any other character.
int superscriptDigit(char32_t c)
{
    if (c == U'\u00B9')
        return 1;
    if (c == U'\u00B2' || c == U'\u00B3')
        return static_cast<int>(c - U'\u00B2') + 2;
    if (c == U'\u2070' || (c >= U'\u2074' && c <= U'\u2079'))
        return static_cast<int>(c - U'\u2070');
    return -1;
}

// A power written as on paper, A² or A¹⁰, from the superscript that starts at the byte at:
// the pupil is shown how to write it with ^.
FormulaError powerWithoutCaret(std::string_view text, std::size_t at, int position)
{
    std::string typed;
    std::string exponent;
    while (at < text.size()) {
        std::size_t length = 1;
        const int digit = superscriptDigit(decodeUtf8(text, at, length));
        if (digit < 0)
            break;
        typed += text.substr(at, length);
        exponent += static_cast<char>('0' + digit);
        at += length;
    }
    //: %1 is the small raised number the pupil typed ("²"), %2 the same in ordinary digits
    return FormulaError {
        fill(translate("Formula", "per le potenze usa il segno ^: al posto di «%1» scrivi ^%2"),
            { typed, exponent }),
        position
    };
}

// One sign of the pupil's formula in the parser's notation, or why it cannot stand where it
// is: a separator stands only between a function's numbers, and a parenthesis that opens
// after a number, a letter or another parenthesis wants an operation sign before it.
void translateSignAt(char32_t c, char32_t previous, char32_t next, int position, Translation& out)
{
    const char sign = translateSign(c, previous, next);
    if (!sign) {
        out.error
            = FormulaError { translate("Formula", "questo segno non si può usare in una formula"),
                  position };
        return;
    }
    if (sign == '(' && out.endsWithOperand()) {
        out.error = FormulaError { missingSignBefore("("), position };
        return;
    }
    if (sign == ',' && !out.insideFunction()) {
        //: %1 is the separator the pupil typed, ";" or ","
        out.error = FormulaError { fill(translate("Formula",
                                            "il segno «%1» separa i numeri dentro le parentesi "
                                            "di una funzione, come in max(A%1 B)"),
                                       { std::string(1, static_cast<char>(c)) }),
            position };
        return;
    }
    out.put(sign, position);
}

} // namespace

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

std::vector<std::string_view> namesOf(std::string_view italian)
{
    std::vector<std::string_view> names { italian };
    for (const FunctionName& f : functionNames)
        if (f.italian == italian && f.english != italian)
            names.push_back(f.english);
    for (const FunctionName& other : otherNames)
        if (other.italian == italian)
            names.push_back(other.english);
    return names;
}

bool isLetter(char32_t c)
{
    return c < 0x80 && std::isalpha(static_cast<int>(c));
}

std::string lower(std::string word)
{
    for (char& c : word)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word;
}

std::string missingSignBefore(const std::string& token)
{
    //: %1 is a number, a letter, a function's name or a parenthesis from the formula
    return fill(translate("Formula", "manca un segno di operazione prima di «%1»"), { token });
}

// The pupil's notation in the parser's, character by character.
ParserNotation toParserNotation(std::string_view text)
{
    Translation out;
    std::string word;
    int wordStart = 0;
    char32_t previous = 0;
    int position = 0;
    for (std::size_t at = 0; at < text.size() && !out.error;) {
        std::size_t length = 1;
        const char32_t c = decodeUtf8(text, at, length);
        at += length;
        if (++position > longestFormula) {
            out.error = tooLong(position);
            break;
        }
        if (isLetter(c)) {
            wordStart = word.empty() ? position : wordStart;
            word += static_cast<char>(c);
        } else {
            if (!word.empty())
                translateWord(word, wordStart, out);
            word.clear();
            if (out.error)
                break;
            if (superscriptDigit(c) >= 0) {
                out.error = powerWithoutCaret(text, at - length, position);
                break;
            }
            const char32_t next = at < text.size() ? static_cast<unsigned char>(text[at]) : 0;
            translateSignAt(c, previous, next, position, out);
        }
        previous = c;
    }
    if (!word.empty() && !out.error)
        translateWord(word, wordStart, out);
    return { std::move(out.text), std::move(out.positions), std::move(out.error) };
}

} // namespace quorvel
