// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/mechanisms/rule_descriptions.h"

#include <vector>

namespace quorvel {

struct MachineState;

// What the catalogue says of each mechanism: ruleNN is the rule of calcNN in words and
// formulas, before its last sentence tells where it stops.

// The rules that follow the operation in force or a calculation code.
RuleDescription rule01(const MachineState& s);
RuleDescription rule03(const MachineState& s);
RuleDescription rule04(const MachineState& s);
RuleDescription rule05(const MachineState& s);
RuleDescription rule06(const MachineState& s);
RuleDescription rule11(const MachineState& s);
RuleDescription rule18(const MachineState& s);
RuleDescription rule19(const MachineState& s);
RuleDescription rule22(const MachineState& s);
RuleDescription rule23(const MachineState& s);
RuleDescription rule31(const MachineState& s);
RuleDescription rule32(const MachineState& s);
RuleDescription rule35(const MachineState& s);
RuleDescription rule36(const MachineState& s);
RuleDescription rule38(const MachineState& s);
RuleDescription rule42(const MachineState& s);
RuleDescription rule43(const MachineState& s);

// The rules that depend on nothing hidden, or on the hidden constants alone.
RuleDescription rule07(const MachineState& s);
RuleDescription rule08(const MachineState& s);
RuleDescription rule09(const MachineState& s);
RuleDescription rule10(const MachineState& s);
RuleDescription rule15(const MachineState& s);
RuleDescription rule16(const MachineState& s);
RuleDescription rule17(const MachineState& s);
RuleDescription rule20(const MachineState& s);
RuleDescription rule21(const MachineState& s);
RuleDescription rule24(const MachineState& s);
RuleDescription rule25(const MachineState& s);
RuleDescription rule26(const MachineState& s);
RuleDescription rule27(const MachineState& s);
RuleDescription rule33(const MachineState& s);
RuleDescription rule34(const MachineState& s);
RuleDescription rule44(const MachineState& s);
RuleDescription rule45(const MachineState& s);
RuleDescription rule46(const MachineState& s);
RuleDescription rule47(const MachineState& s);

// The rules of the mechanisms that draw at every experiment.
RuleDescription rule28(const MachineState& s);
RuleDescription rule29(const MachineState& s);
RuleDescription rule30(const MachineState& s);
RuleDescription rule37(const MachineState& s);
RuleDescription rule39(const MachineState& s);
RuleDescription rule40(const MachineState& s);
RuleDescription rule41(const MachineState& s);

// Where the machine shows "????" although the words give a number.
std::vector<Limit> secondIn16Bits(const MachineState& s); // most mechanisms
std::vector<Limit> readsNoSecond(const MachineState& s); // calc33, calc35
std::vector<Limit> squaredSecondIn16Bits(const MachineState& s); // calc06
std::vector<Limit> bothSidesIn16Bits(const MachineState& s); // calc31
std::vector<Limit> codeWithC2In16Bits(const MachineState& s); // calc36
std::vector<Limit> chainIn16Bits(const MachineState& s); // calc42
std::vector<Limit> remainderOfFirst(const MachineState& s); // a remainder of the first number
std::vector<Limit> commonMultiple(const MachineState& s); // calc44, calc46
std::vector<Limit> commonDivisor(const MachineState& s); // calc45, calc47

} // namespace quorvel
