// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/mechanisms/operations.h"

#include "core/app/machine.h"

namespace quorvel {

std::optional<Value> applySymbol(
    const std::string& symbol, const Value& x, const Value& y, Quotient quotient)
{
    if (symbol == "+")
        return x + y;
    if (symbol == "*")
        return x * y;
    if (symbol == ":")
        return quotient == Quotient::Plain ? divide(x, y) : floorOf(divide(x, y));
    if (symbol == "-")
        return absOf(x - y);
    return std::nullopt;
}

const char* symbolForIndex(const Value& index)
{
    static const char* const symbols[] = { "+", "-", "*", ":" };
    const double k = index.number();
    for (int i = 1; i <= 4; ++i)
        if (k == i)
            return symbols[i - 1];
    return nullptr;
}

const char* altSymbolForIndex(int index)
{
    static const char* const symbols[] = { "+", "*", "-", ":" };
    return index >= 1 && index <= 4 ? symbols[index - 1] : nullptr;
}

std::optional<Value> applyCode(const Value& code, const Value& v, const Value& w)
{
    const double k = code.number();
    if (k == 1)
        return v + w;
    if (k == 2)
        return v * w;
    if (k == 3)
        return absOf(v - w);
    if (k == 4)
        return floorOf(divide(v, w));
    return std::nullopt;
}

std::optional<Value> applyCode16(const Value& code, std::int16_t input, std::int16_t constant)
{
    const double k = code.number();
    if (k == 1)
        return Value::int16(add16(constant, input));
    if (k == 2)
        return Value::int16(mul16(constant, input));
    if (k == 3)
        return Value::int16(abs16(sub16(input, constant)));
    if (k == 4)
        return floorOf(divide(Value::dbl(input), Value::dbl(constant)));
    return std::nullopt;
}

const std::string& chooseOperation(Machine& m, Value& counter)
{
    MachineState& s = m.state();
    counter = counter + Value::int16(1);
    if (counter <= Value::int16(1) || s.opSymbol.empty()) {
        if (const char* symbol = symbolForIndex(s.opCode))
            s.opSymbol = symbol;
    }
    return s.opSymbol;
}

} // namespace quorvel
