// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The fixed-formula mechanisms: the same inputs always give the same output.

#include "core/app/machine.h"
#include "core/mechanisms/mechanisms.h"
#include "core/mechanisms/operands.h"
#include "core/mechanisms/operations.h"

#include <cmath>

namespace quorvel {
namespace {

using operands::A;
using operands::B;
const Value two = Value::int16(2);

bool isEven(const Value& v)
{
    return remainder(v, two) == Value::int16(0);
}

} // namespace

// Parity table: both even 2, both odd 1, mixed 0.
void calc07(Machine& m)
{
    m.readInputs();
    if (isEven(A(m)))
        m.setResult(Value::int16(isEven(B(m)) ? 2 : 0));
    else
        m.setResult(Value::int16(isEven(B(m)) ? 0 : 1));
}

// Both odd: 1, otherwise 0.
void calc08(Machine& m)
{
    m.readInputs();
    const Value p = Value::int16(isEven(A(m)) ? 0 : 1);
    const Value q = Value::int16(isEven(B(m)) ? 0 : 1);
    m.setResult(p * q);
}

// Three-way comparison; the difference replaces the experiment count before it is compared.
void calc09(Machine& m)
{
    m.readInputs();
    MachineState& s = m.writableState();
    s.experimentCount = A(m) - B(m);
    const Value& d = s.experimentCount;
    if (d < Value::int16(0))
        m.setResult(Value::int16(0));
    else if (d == Value::int16(0))
        m.setResult(A(m));
    else
        m.setResult(Value::int16(1));
}

// The mean, fraction kept.
void calc10(Machine& m)
{
    m.readInputs();
    m.setResult(divide(A(m) + B(m), two));
}

void calc15(Machine& m)
{
    m.readInputs();
    m.setResult(power(A(m) + B(m), two));
}

void calc16(Machine& m)
{
    m.readInputs();
    m.setResult(power(A(m) - B(m), two));
}

// The hypotenuse, rounded down.
void calc17(Machine& m)
{
    m.readInputs();
    const Value sumOfSquares = power(A(m), two) + power(B(m), two);
    m.setResult(floorOf(Value::dbl(std::sqrt(sumOfSquares.number()))));
}

void calc20(Machine& m)
{
    m.readInputs();
    m.setResult(remainder(A(m), B(m)));
}

void calc21(Machine& m)
{
    m.readInputs();
    m.setResult(remainder(B(m), A(m)));
}

void calc24(Machine& m)
{
    m.readInputs();
    m.setResult(A(m) >= B(m) ? A(m) : B(m));
}

void calc25(Machine& m)
{
    m.readInputs();
    m.setResult(A(m) <= B(m) ? A(m) : B(m));
}

void calc26(Machine& m)
{
    m.readInputs();
    m.setResult(power(A(m), two) + power(B(m), two));
}

void calc27(Machine& m)
{
    m.readInputs();
    m.setResult(absOf(power(A(m), two) - power(B(m), two)));
}

// Reads the first input only.
void calc33(Machine& m)
{
    m.readFirstInput();
    m.setResult(power(A(m), two));
}

// Reads the second input only; the square is taken in doubles.
void calc34(Machine& m)
{
    m.readSecondInput();
    m.setResult(power(B(m), two));
}

// The first input with c1, by opCode read as a calculation code.
void calc35(Machine& m)
{
    m.readFirstInput();
    if (const Operation* operation = Operation::byCode(m.state().opCode))
        m.setResult(operation->apply(A(m), Value::int16(m.state().c1()), Quotient::RoundedDown));
}

// The second input with c2, in 16-bit arithmetic but for the quotient.
void calc36(Machine& m)
{
    m.readSecondInput();
    if (const Operation* operation = Operation::byCode(m.state().opCode))
        m.setResult(operation->apply16(m.state().inputB, m.state().c2()));
}

} // namespace quorvel
