// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/values/value.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvel {

struct MachineState;
struct Term;

// How ":" divides: rounded down, or the plain quotient of the remainder, larger and smaller
// members.
enum class Quotient { RoundedDown, Plain };

// One of the machine's four operations: its symbol, its calculation and its words. Two
// numberings choose one: the calculation codes and the index of the operation in force.
struct Operation
{
    std::string_view symbol; // "+", "*", "-", ":"
    // x s y: the sum, the product, the difference (never negative) or the quotient.
    Value (*apply)(const Value& x, const Value& y, Quotient quotient);
    // The same as a 16-bit calculation, where a result out of range faults; the quotient is
    // worked in doubles and rounded down.
    Value (*apply16)(std::int16_t x, std::int16_t y);
    // The largest x that apply16 takes with y before it overflows.
    double (*largestX16)(int y);
    // x s y in words and as a formula.
    Term (*words)(const Term& x, const Term& y, Quotient quotient);

    // By the calculation codes (opCode as calc32, calc35, calc36 and calc38 read it, calc32's
    // other codes, calc42's chain, calc43's draw): 1 sum, 2 product, 3 difference, 4
    // quotient; nullptr for any other code. A code held as a text that spells no number faults.
    static const Operation* byCode(const Value& code);
    // By the index of the operation in force (opCode for opSymbol, secondOpIndex for
    // secondOpSymbol, the clip shown): 1 sum, 2 difference, 3 product, 4 quotient; nullptr
    // otherwise.
    static const Operation* byIndex(const Value& index);
    // By its symbol; nullptr for any other text (an empty one: none chosen yet).
    static const Operation* bySymbol(std::string_view symbol);
};

// The operation an operation-driven mechanism that counts its runs in `counter` uses at its
// next run: chosen again from opCode at a first run or when none is in force, the one in
// force otherwise; nullptr when there is none. The mechanisms run it and the rules tell it.
const Operation* operationAtNextRun(const MachineState& s, const Value& counter);

// The second operation of calc03 and calc04 at their next run (nullptr: none, and the first
// result stands), or nothing while that run is still to draw it from the clock: at their first
// run, unless a saved mechanism brought it.
std::optional<const Operation*> secondOperationAtNextRun(const MachineState& s);

// The symbols "Operazioni" puts in force with an operation code: opSymbol by index, calc43's
// altOpSymbol by code; a code outside 1..4 clears them.
void followOperationCode(MachineState& s, int code);

} // namespace quorvel
