// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The operation-driven mechanisms: the calculation follows the operation in force.

#include "core/app/machine.h"
#include "core/mechanisms/mechanisms.h"
#include "core/mechanisms/operands.h"
#include "core/mechanisms/operations.h"

#include <cmath>

namespace quorvel {
namespace {

using operands::A;
using operands::B;
using operands::c1;
using operands::c2;

void assignIfAny(Machine& m, const std::optional<Value>& v)
{
    if (v)
        m.setResult(*v);
}

// x s y with the operation in force, counted in experimentCount.
void applyOperation(Machine& m, const Value& x, const Value& y, Quotient q = Quotient::RoundedDown)
{
    const std::string& s = chooseOperation(m, m.state().experimentCount);
    assignIfAny(m, applySymbol(s, x, y, q));
}

// The second operation of calc03/calc04, drawn from the clock at their first counted run
// unless a saved mechanism brought its index (a mechanism saved before its first run brought
// none: 0).
void applySecondOperation(Machine& m, const Value& y)
{
    MachineState& s = m.state();
    const Value r = s.resultValue;
    s.secondOpCount = s.secondOpCount + Value::int16(1);
    if (s.secondOpCount <= Value::int16(1)) {
        if (!s.loadedFromFile || s.secondOpIndex == 0)
            s.secondOpIndex = static_cast<std::int16_t>(m.clockOperation());
        if (const char* symbol = symbolForIndex(Value::int16(s.secondOpIndex)))
            s.secondOpSymbol = symbol;
    }
    assignIfAny(m, applySymbol(s.secondOpSymbol, r, y));
}

} // namespace

void calc01(Machine& m)
{
    m.readInputs();
    applyOperation(m, A(m), B(m));
}

void calc02(Machine& m)
{
    m.readInputs();
    applyOperation(m, A(m), c2(m));
}

void calc03(Machine& m)
{
    calc01(m);
    applySecondOperation(m, c2(m));
}

void calc04(Machine& m)
{
    calc02(m);
    applySecondOperation(m, B(m));
}

void calc05(Machine& m)
{
    m.readInputs();
    m.state().inputA = power(A(m), Value::int16(2));
    applyOperation(m, A(m), B(m));
}

void calc06(Machine& m)
{
    m.readInputs();
    MachineState& s = m.state();
    s.inputB = toInt16(power(B(m), Value::int16(2))); // faults from B = 182 on
    const std::string& symbol = chooseOperation(m, s.experimentCount);
    if (symbol == ":")
        m.setResult(floorOf(divide(B(m), A(m)))); // the squared second input over the first
    else
        assignIfAny(m, applySymbol(symbol, A(m), B(m)));
}

void calc11(Machine& m)
{
    m.readInputs();
    const Value mean = divide(A(m) + B(m), Value::int16(2));
    applyOperation(m, mean, c2(m));
}

void calc18(Machine& m)
{
    m.readInputs();
    m.state().remainderAB = remainder(A(m), B(m));
    applyOperation(m, m.state().remainderAB, c2(m), Quotient::Plain);
}

void calc19(Machine& m)
{
    m.readInputs();
    m.state().remainderBA = remainder(B(m), A(m));
    applyOperation(m, m.state().remainderBA, c2(m), Quotient::Plain);
}

void calc22(Machine& m)
{
    m.readInputs();
    m.state().largerInput = A(m) >= B(m) ? A(m) : B(m);
    applyOperation(m, m.state().largerInput, c2(m), Quotient::Plain);
}

void calc23(Machine& m)
{
    m.readInputs();
    m.state().smallerInput = A(m) <= B(m) ? A(m) : B(m);
    applyOperation(m, m.state().smallerInput, c2(m), Quotient::Plain);
}

// The same operation on both sides: (A s c1) s (c2 s B), the right side in 16 bits.
void calc31(Machine& m)
{
    m.readInputs();
    MachineState& s = m.state();
    const std::string& symbol = chooseOperation(m, s.calc31Count);
    const std::int16_t b = s.inputB;
    if (symbol == "+") {
        m.setResult((A(m) + c1(m)) + Value::int16(add16(s.c2(), b)));
    } else if (symbol == "*") {
        m.setResult((A(m) * c1(m)) * Value::int16(mul16(s.c2(), b)));
    } else if (symbol == ":") {
        const Value p = floorOf(divide(A(m), c1(m)));
        const Value q = floorOf(divide(B(m), c2(m)));
        m.setResult(floorOf(divide(p, q)));
    } else if (symbol == "-") {
        const Value d1 = absOf(A(m) - c1(m));
        const Value d2 = Value::int16(abs16(sub16(b, s.c2())));
        m.setResult(absOf(d1 - d2));
    }
}

// Two partial results joined, each by its own operation index.
void calc32(Machine& m)
{
    m.readInputs();
    const MachineState& s = m.state();
    const Value p = applyCode(s.opCode, A(m), B(m)).value_or(Value());
    const Value q = applyCode(s.partOpCode, A(m), B(m)).value_or(Value());
    assignIfAny(m, applyCode(s.joinOpCode, p, q));
}

// The inputs in random order, combined with c2 by a symbol drawn at the first run.
void calc43(Machine& m)
{
    m.readInputs();
    MachineState& s = m.state();
    s.calc43Count = s.calc43Count + Value::int16(1);
    if (s.calc43Count <= Value::int16(1)) {
        const int k = static_cast<int>(std::floor(4.0 * m.reseedAndDraw() + 1));
        s.altOpSymbol = altSymbolForIndex(k);
    }
    const bool inOrder = std::floor(2.0 * m.reseedAndDraw() + 1) == 1;
    const Value first = inOrder ? A(m) : B(m);
    const Value second = inOrder ? B(m) : A(m);
    const std::string& symbol = s.altOpSymbol;
    if (symbol == "+")
        m.setResult((first + c2(m)) + second);
    else if (symbol == "*")
        m.setResult((first * c2(m)) * second);
    else if (symbol == "-")
        m.setResult(absOf((first - c2(m)) - second));
    else if (symbol == ":")
        m.setResult(floorOf(divide(floorOf(divide(first, c2(m))), second)));
}

} // namespace quorvel
