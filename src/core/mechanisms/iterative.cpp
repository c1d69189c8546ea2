// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The iterative mechanisms: common multiples and divisors found by counting through
// candidates. The loops work on plain numbers with the remainder's 32-bit rule, so that the
// worst case (32767 passes) stays well under a millisecond.

#include "core/app/machine.h"
#include "core/mechanisms/mechanisms.h"

#include <optional>

namespace quorvel {
namespace {

struct Ordered
{
    Value smaller; // A when the inputs are equal
    Value larger;
};

Ordered order(const Machine& m)
{
    const Value a = m.state().inputA;
    const Value b = Value::int16(m.state().inputB);
    return a <= b ? Ordered { a, b } : Ordered { b, a };
}

// The loop counter takes the kind of the value it starts from.
Value counterValue(const Value& start, double i)
{
    return start.kind() == Value::Kind::Int16 ? Value::int16(static_cast<int>(i)) : Value::dbl(i);
}

// The least common multiple by trial: the first multiple of the larger input that the
// smaller divides. Nothing when the smaller input is below 1; a fault as soon as a multiple
// tried leaves the 32-bit range.
std::optional<Value> multipleSearch(const Machine& m)
{
    const Ordered o = order(m);
    const double smaller = o.smaller.number();
    const double larger = o.larger.number();
    if (smaller < 1)
        return std::nullopt;
    const std::int32_t divisor = remainderOperand(smaller);
    for (double i = 1; i <= smaller; ++i) {
        if (remainderOperand(larger * i) % divisor == 0)
            return o.larger * Value::int32(static_cast<std::int64_t>(i));
    }
    return std::nullopt;
}

// The greatest common divisor by trial, counting down from the smaller input. Every pass
// takes the remainders of both inputs, so an input out of the 32-bit range is a fault at
// the first pass: it is checked there once.
std::optional<Value> divisorSearch(const Machine& m)
{
    const Ordered o = order(m);
    const double smaller = o.smaller.number();
    if (smaller < 1)
        return std::nullopt;
    const std::int32_t big = remainderOperand(o.larger.number());
    const std::int32_t small = remainderOperand(smaller);
    for (double i = smaller; i >= 1; --i) {
        const std::int32_t candidate = remainderOperand(i);
        if (big % candidate == 0 && small % candidate == 0)
            return counterValue(o.smaller, i);
    }
    return std::nullopt;
}

} // namespace

void calc44(Machine& m)
{
    m.readInputs();
    if (auto v = multipleSearch(m))
        m.setResult(*v);
}

void calc45(Machine& m)
{
    m.readInputs();
    if (auto v = divisorSearch(m))
        m.setResult(*v);
}

void calc46(Machine& m)
{
    m.readInputs();
    if (auto v = multipleSearch(m))
        m.setResult(*v * Value::int16(m.state().c1()));
}

void calc47(Machine& m)
{
    m.readInputs();
    if (auto v = divisorSearch(m))
        m.setResult(*v * Value::int16(m.state().c2()));
}

} // namespace quorvel
