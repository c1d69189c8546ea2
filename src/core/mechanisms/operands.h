// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/machine.h"

namespace quorvel::operands {

// What the mechanisms calculate with: the first input as read, the second as a 16-bit number,
// and the two hidden constants.
inline Value A(const Machine& m)
{
    return m.state().inputA;
}

inline Value B(const Machine& m)
{
    return Value::int16(m.state().inputB);
}

inline Value c1(const Machine& m)
{
    return Value::int16(m.state().c1());
}

inline Value c2(const Machine& m)
{
    return Value::int16(m.state().c2());
}

} // namespace quorvel::operands
