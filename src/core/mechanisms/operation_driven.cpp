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

// The operation in force for this run, counted in `counter`; nullptr when there is none.
const Operation* chooseOperation(Machine& m, Value& counter)
{
    MachineState& s = m.writableState();
    const Operation* chosen = operationAtNextRun(s, counter);
    counter = counter + Value::int16(1);
    if (chosen)
        s.opSymbol = chosen->symbol;
    return chosen;
}

// x s y with the operation in force, counted in experimentCount.
void applyOperation(Machine& m, const Value& x, const Value& y, Quotient q = Quotient::RoundedDown)
{
    if (const Operation* chosen = chooseOperation(m, m.writableState().experimentCount))
        m.setResult(chosen->apply(x, y, q));
}

// The second operation of calc03/calc04 on the first result, drawn from the clock at their
// first counted run unless a saved mechanism brought its index (a mechanism saved before its
// first run brought none: 0).
void applySecondOperation(Machine& m, const Value& y)
{
    MachineState& s = m.writableState();
    std::optional<const Operation*> second = secondOperationAtNextRun(s);
    s.secondOpCount = s.secondOpCount + Value::int16(1);
    if (!second) {
        s.secondOpIndex = static_cast<std::int16_t>(m.clockOperation());
        second = Operation::byIndex(Value::int16(s.secondOpIndex));
    }
    if (const Operation* chosen = *second) {
        s.secondOpSymbol = chosen->symbol;
        m.setResult(chosen->apply(s.resultValue, y, Quotient::RoundedDown));
    }
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
    m.writableState().inputA = power(A(m), Value::int16(2));
    applyOperation(m, A(m), B(m));
}

void calc06(Machine& m)
{
    m.readInputs();
    MachineState& s = m.writableState();
    s.inputB = toInt16(power(B(m), Value::int16(2))); // faults from B = 182 on
    const Operation* chosen = chooseOperation(m, s.experimentCount);
    if (!chosen)
        return;
    if (chosen->symbol == ":")
        m.setResult(floorOf(divide(B(m), A(m)))); // the squared second input over the first
    else
        m.setResult(chosen->apply(A(m), B(m), Quotient::RoundedDown));
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
    m.writableState().remainderAB = remainder(A(m), B(m));
    applyOperation(m, m.state().remainderAB, c2(m), Quotient::Plain);
}

void calc19(Machine& m)
{
    m.readInputs();
    m.writableState().remainderBA = remainder(B(m), A(m));
    applyOperation(m, m.state().remainderBA, c2(m), Quotient::Plain);
}

void calc22(Machine& m)
{
    m.readInputs();
    m.writableState().largerInput = A(m) >= B(m) ? A(m) : B(m);
    applyOperation(m, m.state().largerInput, c2(m), Quotient::Plain);
}

void calc23(Machine& m)
{
    m.readInputs();
    m.writableState().smallerInput = A(m) <= B(m) ? A(m) : B(m);
    applyOperation(m, m.state().smallerInput, c2(m), Quotient::Plain);
}

// The same operation on both sides: (A s c1) s (B s c2), the right side in 16 bits.
void calc31(Machine& m)
{
    m.readInputs();
    MachineState& s = m.writableState();
    if (const Operation* chosen = chooseOperation(m, s.calc31Count)) {
        const Value left = chosen->apply(A(m), c1(m), Quotient::RoundedDown);
        const Value right = chosen->apply16(s.inputB, s.c2());
        m.setResult(chosen->apply(left, right, Quotient::RoundedDown));
    }
}

// Two partial results joined, each by its own operation index.
void calc32(Machine& m)
{
    m.readInputs();
    const MachineState& s = m.writableState();
    const auto partial = [&](const Value& code) {
        const Operation* operation = Operation::byCode(code);
        return operation ? operation->apply(A(m), B(m), Quotient::RoundedDown) : Value();
    };
    const Value p = partial(s.opCode);
    const Value q = partial(s.partOpCode);
    if (const Operation* join = Operation::byCode(s.joinOpCode))
        m.setResult(join->apply(p, q, Quotient::RoundedDown));
}

// The inputs in random order, combined with c2 by a symbol drawn at the first run.
void calc43(Machine& m)
{
    m.readInputs();
    MachineState& s = m.writableState();
    s.calc43Count = s.calc43Count + Value::int16(1);
    if (s.calc43Count <= Value::int16(1)) {
        const int k = static_cast<int>(std::floor(4.0 * m.reseedAndDraw() + 1));
        if (const Operation* drawn = Operation::byCode(Value::int16(k)))
            s.altOpSymbol = drawn->symbol;
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
