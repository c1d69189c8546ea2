// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The varying-output mechanisms: a draw at every experiment keeps the output within a rule.

#include "core/app/machine.h"
#include "core/mechanisms/mechanisms.h"
#include "core/mechanisms/operands.h"
#include "core/mechanisms/operations.h"

namespace quorvel {
namespace {

using operands::A;
using operands::B;
const Value one = Value::int16(1);
const Value two = Value::int16(2);

// A coin: 1 or 2 with equal chances, after a reseed.
bool coinGivesOne(Machine& m)
{
    const Value r = Value::single(m.reseedAndDraw());
    return floorOf(two * r + one) == one;
}

// A whole number from low to high: ⌊(high − low + 1)·r + low⌋. Worked in doubles: in single
// precision a draw just below 1 rounds the sum up to high + 1.
Value between(const Value& low, const Value& high, float r)
{
    return floorOf((high - low + one) * Value::dbl(r) + low);
}

} // namespace

// A whole number from |A − B| to A + B.
void calc28(Machine& m)
{
    m.readInputs();
    const Value high = A(m) + B(m);
    const Value low = absOf(A(m) - B(m));
    m.setResult(between(low, high, m.reseedAndDraw()));
}

void calc40(Machine& m)
{
    m.readInputs();
    const Value low = absOf(A(m) - B(m));
    const Value high = A(m) + B(m);
    m.setResult(between(low, high, m.reseedAndDraw()));
}

// The larger input plus 1..80.
void calc29(Machine& m)
{
    m.readInputs();
    const Value larger = A(m) <= B(m) ? B(m) : A(m);
    const Value k = floorOf(Value::int16(80) * Value::single(m.reseedAndDraw()) + one);
    m.setResult(larger + k);
}

// Below the smaller input: 0..m − 1, never negative.
void calc30(Machine& m)
{
    m.readInputs();
    const Value smaller = A(m) <= B(m) ? A(m) : B(m);
    const Value r = Value::single(m.reseedAndDraw());
    const Value out = smaller - floorOf(smaller * r + one);
    m.setResult(out < Value::int16(0) ? Value::int16(0) : out);
}

// One of the two inputs, by a coin.
void calc37(Machine& m)
{
    m.readInputs();
    m.setResult(coinGivesOne(m) ? A(m) : B(m));
}

// One of the two inputs by a coin, combined with c2 by opCode read as a calculation code.
void calc38(Machine& m)
{
    m.readInputs();
    const Value x = coinGivesOne(m) ? A(m) : B(m);
    if (const Operation* operation = Operation::byCode(m.state().opCode))
        m.setResult(operation->apply(x, Value::int16(m.state().c2()), Quotient::RoundedDown));
}

// The square of one of the two inputs, by a coin.
void calc39(Machine& m)
{
    m.readInputs();
    m.setResult(power(coinGivesOne(m) ? A(m) : B(m), two));
}

// A whole number between the larger input and c2, in whichever order they stand.
void calc41(Machine& m)
{
    m.readInputs();
    MachineState& s = m.writableState();
    s.largerInput = A(m) >= B(m) ? A(m) : B(m);
    const Value c2 = Value::int16(s.c2());
    if (s.largerInput >= c2)
        m.setResult(between(c2, s.largerInput, m.reseedAndDraw()));
    else
        m.setResult(between(s.largerInput, c2, m.draw()));
}

// A chain of three calculations drawn at the first run and kept until the program ends.
// All three codes are drawn before anything is computed, so a fault in the first run
// cannot leave the chain half drawn.
void calc42(Machine& m)
{
    m.readInputs();
    MachineState& s = m.writableState();
    s.chainCount = s.chainCount + one;
    if (s.chainCount <= one) {
        s.chainOp1 = m.drawWhole(4);
        s.chainOp2 = m.drawWhole(4);
        s.chainOp3 = toInt16(m.drawWhole(4));
    }
    const Operation* first = Operation::byCode(s.chainOp1);
    const Operation* second = Operation::byCode(s.chainOp2);
    const Value x
        = first ? first->apply(A(m), Value::int16(s.c1()), Quotient::RoundedDown) : Value();
    const Value y = second ? second->apply16(s.inputB, s.c2()) : Value();
    if (const Operation* join = Operation::byCode(Value::int16(s.chainOp3)))
        m.setResult(join->apply(x, y, Quotient::RoundedDown));
}

} // namespace quorvel
