// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quorvel {

class Machine;

// The hidden calculation schemes. Each reads its inputs from the two operands, works on the
// state record and leaves its output in resultValue. There is no calc12, calc13 or calc14:
// no level selects them and no mechanism runs them.

// Operation-driven: the operation in force decides the calculation.
void calc01(Machine& m);
void calc02(Machine& m);
void calc03(Machine& m);
void calc04(Machine& m);
void calc05(Machine& m);
void calc06(Machine& m);
void calc11(Machine& m);
void calc18(Machine& m);
void calc19(Machine& m);
void calc22(Machine& m);
void calc23(Machine& m);
void calc31(Machine& m);
void calc32(Machine& m);
void calc43(Machine& m);

// Fixed formula: the same inputs always give the same output.
void calc07(Machine& m);
void calc08(Machine& m);
void calc09(Machine& m);
void calc10(Machine& m);
void calc15(Machine& m);
void calc16(Machine& m);
void calc17(Machine& m);
void calc20(Machine& m);
void calc21(Machine& m);
void calc24(Machine& m);
void calc25(Machine& m);
void calc26(Machine& m);
void calc27(Machine& m);
void calc33(Machine& m);
void calc34(Machine& m);
void calc35(Machine& m);
void calc36(Machine& m);

// Varying output: a draw at every experiment, or a chain drawn once per run.
void calc28(Machine& m);
void calc29(Machine& m);
void calc30(Machine& m);
void calc37(Machine& m);
void calc38(Machine& m);
void calc39(Machine& m);
void calc40(Machine& m);
void calc41(Machine& m);
void calc42(Machine& m);

// Iterative: common multiples and divisors found by trial.
void calc44(Machine& m);
void calc45(Machine& m);
void calc46(Machine& m);
void calc47(Machine& m);

} // namespace quorvel
