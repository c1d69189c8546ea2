// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/values/value.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quorvel {

class Machine;

// How ":" divides: rounded down, or the plain quotient of the remainder, larger and smaller
// members.
enum class Quotient { RoundedDown, Plain };

// X s Y for an operation symbol: "+" sum, "*" product, ":" quotient, "-" absolute
// difference. Any other symbol computes nothing.
std::optional<Value> applySymbol(const std::string& symbol, const Value& x, const Value& y,
    Quotient quotient = Quotient::RoundedDown);

// The symbol an operation index 1..4 stands for: "+", "-", "*", ":"; nullptr otherwise.
const char* symbolForIndex(const Value& index);
// The alternate reading of an operation index 1..4, which calc43 uses: "+", "*", "-", ":";
// nullptr otherwise.
const char* altSymbolForIndex(int index);

// The four numbered calculations: 1 sum, 2 product, 3 absolute difference, 4 quotient rounded
// down, in number-value arithmetic. Any other code computes nothing.
std::optional<Value> applyCode(const Value& code, const Value& v, const Value& w);

// The same four with a 16-bit input and constant: the first three as 16-bit calculations
// (constant + input, constant × input, |input − constant|), the quotient input / constant in
// doubles, rounded down.
std::optional<Value> applyCode16(const Value& code, std::int16_t input, std::int16_t constant);

// Choosing the operation: counts the run, and at a first counted run sets opSymbol from
// opCode. Returns the symbol in force; an empty symbol is first set from opCode, so the
// member never silently repeats the previous output.
const std::string& chooseOperation(Machine& m, Value& counter);

} // namespace quorvel
