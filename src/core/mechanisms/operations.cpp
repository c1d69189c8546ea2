// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/mechanisms/operations.h"

#include "core/app/machine_state.h"
#include "core/app/translation.h"
#include "core/mechanisms/rule_terms.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quorvel {
namespace {

constexpr double top16 = 32767;

std::string inBrackets(const Term& t)
{
    return "(" + t.formula + ")";
}

// The four, in the order of the calculation codes.
constexpr Operation operations[] = {
    { "+", [](const Value& x, const Value& y, Quotient) { return x + y; },
        [](std::int16_t x, std::int16_t y) { return Value::int16(add16(x, y)); },
        [](int y) { return std::min(top16, top16 - y); },
        [](const Term& x, const Term& y, Quotient) {
            //: %1 and %2 are two quantities joined to "di" ("del primo numero"), %3 and %4 the
            //: same quantities on their own ("il primo numero"): use the ones your language needs.
            return Term { fill(translate("Rules", "la somma %1 e %2"),
                              { of(x.words), of(y.words), x.words, y.words }),
                inBrackets(x) + " + " + inBrackets(y) };
        } },
    { "*", [](const Value& x, const Value& y, Quotient) { return x * y; },
        [](std::int16_t x, std::int16_t y) { return Value::int16(mul16(x, y)); },
        [](int y) {
            return y == 0 ? top16
                          : std::min(top16, std::floor((y > 0 ? top16 : top16 + 1) / std::abs(y)));
        },
        [](const Term& x, const Term& y, Quotient) {
            //: %1 and %2 are two quantities joined to "di" ("del primo numero"), %3 and %4 the
            //: same quantities on their own ("il primo numero"): use the ones your language needs.
            return Term { fill(translate("Rules", "il prodotto %1 e %2"),
                              { of(x.words), of(y.words), x.words, y.words }),
                inBrackets(x) + " * " + inBrackets(y) };
        } },
    { "-", [](const Value& x, const Value& y, Quotient) { return absOf(x - y); },
        [](std::int16_t x, std::int16_t y) { return Value::int16(abs16(sub16(x, y))); },
        [](int y) { return std::min(top16, top16 + y); },
        [](const Term& x, const Term& y, Quotient) {
            //: %1 and %2 are two quantities ("il primo numero", "7")
            return Term { fill(translate("Rules",
                                   "la differenza tra %1 e %2 (si toglie sempre il numero minore "
                                   "dal maggiore)"),
                              { x.words, y.words }),
                "diff(" + x.formula + "; " + y.formula + ")" };
        } },
    { ":",
        [](const Value& x, const Value& y, Quotient q) {
            return q == Quotient::Plain ? divide(x, y) : floorOf(divide(x, y));
        },
        [](std::int16_t x, std::int16_t y) {
            return floorOf(divide(Value::dbl(x), Value::dbl(y)));
        },
        [](int) { return top16; },
        [](const Term& x, const Term& y, Quotient q) {
            if (q == Quotient::Plain)
                //: %1 is the dividend joined to "di" ("del primo numero"), %2 the divisor ("7");
                //: %3 and %4 the same on their own: use the ones your language needs.
                return Term { fill(translate("Rules",
                                       "la divisione %1 per %2 (il risultato può avere la "
                                       "virgola)"),
                                  { of(x.words), y.words, x.words, y.words }),
                    inBrackets(x) + " : " + inBrackets(y) };
            //: %1 is the dividend joined to "di" ("del primo numero"), %2 the divisor ("7"); %3
            //: and %4 the same on their own: use the ones your language needs.
            return Term { fill(translate("Rules",
                                   "il risultato della divisione %1 per %2, senza la parte dopo "
                                   "la virgola"),
                              { of(x.words), y.words, x.words, y.words }),
                "intero(" + inBrackets(x) + " : " + inBrackets(y) + ")" };
        } },
};

// The operation each index of the operation in force stands for, by its code.
constexpr int codeOfIndex[] = { 1, 3, 2, 4 };

const Operation* numbered(const Value& number, const int (&codes)[4])
{
    const double k = number.number();
    for (int i = 1; i <= 4; ++i)
        if (k == i)
            return &operations[codes[i - 1] - 1];
    return nullptr;
}

} // namespace

const Operation* Operation::byCode(const Value& code)
{
    static constexpr int sameOrder[] = { 1, 2, 3, 4 };
    return numbered(code, sameOrder);
}

const Operation* Operation::byIndex(const Value& index)
{
    return numbered(index, codeOfIndex);
}

const Operation* Operation::bySymbol(std::string_view symbol)
{
    for (const Operation& operation : operations)
        if (operation.symbol == symbol)
            return &operation;
    return nullptr;
}

const Operation* operationAtNextRun(const MachineState& s, const Value& counter)
{
    const bool choosing = counter + Value::int16(1) <= Value::int16(1) || s.opSymbol.empty();
    if (choosing)
        if (const Operation* chosen = Operation::byIndex(s.opCode))
            return chosen;
    return Operation::bySymbol(s.opSymbol);
}

std::optional<const Operation*> secondOperationAtNextRun(const MachineState& s)
{
    if (s.secondOpCount + Value::int16(1) <= Value::int16(1)) {
        if (!s.loadedFromFile || s.secondOpIndex == 0)
            return std::nullopt;
        if (const Operation* brought = Operation::byIndex(Value::int16(s.secondOpIndex)))
            return brought;
    }
    return Operation::bySymbol(s.secondOpSymbol);
}

void followOperationCode(MachineState& s, int code)
{
    const Operation* inForce = Operation::byIndex(Value::dbl(code));
    const Operation* ofCalc43 = Operation::byCode(Value::dbl(code));
    s.opSymbol = inForce ? std::string(inForce->symbol) : "";
    s.altOpSymbol = ofCalc43 ? std::string(ofCalc43->symbol) : "";
}

} // namespace quorvel
