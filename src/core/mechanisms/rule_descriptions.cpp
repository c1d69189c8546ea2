// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/mechanisms/rule_descriptions.h"

#include "core/app/machine_state.h"
#include "core/app/translation.h"
#include "core/mechanisms/catalogue.h"
#include "core/mechanisms/dispatch.h"
#include "core/mechanisms/operations.h"
#include "core/mechanisms/rule_terms.h"
#include "core/mechanisms/rules.h"
#include "core/notebook/formula.h"
#include "core/values/number_text.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace quorvel {
namespace {

constexpr double largestSecond = 32767;
constexpr double largestRemainderOperand = 2147483647;

// The largest second number a 16-bit calculation with c2 by a code takes; the 16-bit range
// for no calculation.
double secondBound16(const Value& code, int c2)
{
    const Operation* operation = Operation::byCode(code);
    return operation ? operation->largestX16(c2) : largestSecond;
}

} // namespace

std::vector<Limit> secondIn16Bits(const MachineState&)
{
    return { { Limit::Kind::SecondAbove, largestSecond } };
}

std::vector<Limit> readsNoSecond(const MachineState&)
{
    return {};
}

std::vector<Limit> squaredSecondIn16Bits(const MachineState&)
{
    return { { Limit::Kind::SecondAbove, 181 } }; // its square must stay within 32767
}

std::vector<Limit> bothSidesIn16Bits(const MachineState& s)
{
    const Operation* operation = operationAtNextRun(s, s.calc31Count);
    return { { Limit::Kind::SecondAbove,
        operation ? operation->largestX16(s.c2()) : largestSecond } };
}

std::vector<Limit> codeWithC2In16Bits(const MachineState& s)
{
    return { { Limit::Kind::SecondAbove, secondBound16(s.opCode, s.c2()) } };
}

std::vector<Limit> chainIn16Bits(const MachineState& s)
{
    if (s.chainCount < Value::int16(1))
        return secondIn16Bits(s); // the chain is not drawn yet
    return { { Limit::Kind::SecondAbove, secondBound16(s.chainOp2, s.c2()) } };
}

std::vector<Limit> remainderOfFirst(const MachineState& s)
{
    std::vector<Limit> limits = secondIn16Bits(s);
    limits.push_back({ Limit::Kind::FirstAbove, largestRemainderOperand });
    return limits;
}

std::vector<Limit> commonMultiple(const MachineState& s)
{
    std::vector<Limit> limits = secondIn16Bits(s);
    limits.push_back({ Limit::Kind::EitherZero });
    limits.push_back({ Limit::Kind::CommonMultipleAbove, largestRemainderOperand });
    return limits;
}

std::vector<Limit> commonDivisor(const MachineState& s)
{
    std::vector<Limit> limits = secondIn16Bits(s);
    limits.push_back({ Limit::Kind::EitherZero });
    limits.push_back({ Limit::Kind::FirstAbove, largestRemainderOperand });
    return limits;
}

namespace {

std::string bound(double b)
{
    return formatNumber(b, 15, '.');
}

// The last sentence of a rule: when the machine shows "????".
std::string limitsSentence(const std::vector<Limit>& limits)
{
    std::vector<std::string> clauses;
    for (const Limit& limit : limits) {
        switch (limit.kind) {
        case Limit::Kind::SecondAbove:
            //: %1 is a number
            clauses.push_back(fill(translate("Rules", "se il secondo numero è più grande di %1"),
                { bound(limit.bound) }));
            break;
        case Limit::Kind::FirstAbove:
            //: %1 is a number
            clauses.push_back(fill(translate("Rules", "se il primo numero è più grande di %1"),
                { bound(limit.bound) }));
            break;
        case Limit::Kind::EitherZero:
            clauses.push_back(translate("Rules", "se uno dei due numeri è 0"));
            break;
        case Limit::Kind::CommonMultipleAbove:
            //: %1 is a number
            clauses.push_back(
                fill(translate("Rules", "se il minimo comune multiplo è più grande di %1"),
                    { bound(limit.bound) }));
            break;
        }
    }
    switch (clauses.size()) {
    case 0:
        return "";
    case 1:
        //: %1 is when: "se il secondo numero è più grande di 32767"
        return fill(translate("Rules", "La macchina mostra «????» %1."), { clauses[0] });
    case 2:
        //: %1 and %2 are when: "se il secondo numero è più grande di 32767"
        return fill(
            translate("Rules", "La macchina mostra «????» %1 o %2."), { clauses[0], clauses[1] });
    default:
        //: %1, %2 and %3 are when: "se il secondo numero è più grande di 32767"
        return fill(translate("Rules", "La macchina mostra «????» %1, %2 o %3."),
            { clauses[0], clauses[1], clauses[2] });
    }
}

std::optional<double> lowestCommonMultiple(double a, double b)
{
    if (a < 1 || b < 1 || a != std::floor(a) || b != std::floor(b) || a > 9e15 || b > 9e15)
        return std::nullopt;
    const auto x = static_cast<long long>(a), y = static_cast<long long>(b);
    return a / static_cast<double>(std::gcd(x, y)) * b;
}

// The formulas with the functions' names of the language in use.
RuleDescription inLanguage(RuleDescription rule)
{
    for (std::string& outcome : rule.outcomes)
        outcome = formulaInLanguage(outcome);
    rule.low = formulaInLanguage(rule.low);
    rule.high = formulaInLanguage(rule.high);
    return rule;
}

// The rule of a mechanism, with its limits, told in its last sentence.
std::optional<RuleDescription> describeMechanism(
    const CatalogueEntry* mechanism, const MachineState& s)
{
    if (!mechanism || !mechanism->describe)
        return std::nullopt;
    RuleDescription rule = mechanism->describe(s);
    if (rule.known && rule.outcomes != noResult().outcomes) {
        rule.limits = mechanism->limits(s);
        if (const std::string limits = limitsSentence(rule.limits); !limits.empty())
            rule.text += " " + limits;
    }
    return inLanguage(rule);
}

} // namespace

std::optional<RuleDescription> describeRule(const MachineState& s)
{
    try {
        return describeMechanism(selectMechanism(s), s);
    } catch (const MechanismFault&) {
        // A code or scheme held as a text that spells no number: the experiment faults too.
        return inLanguage(noResult());
    }
}

std::optional<SchemeRule> ruleOfScheme(const MachineState& s, Level level, int scheme)
{
    MachineState chosen = s;
    chosen.activeLevel = level;
    chosen.setScheme(level, Value::single(scheme));
    const CatalogueEntry* mechanism = selectMechanism(chosen);
    std::optional<RuleDescription> rule = describeRule(chosen);
    if (!mechanism || !rule)
        return std::nullopt;
    return SchemeRule { mechanism->number, std::move(*rule) };
}

bool showsNoValue(const RuleDescription& rule, double a, double b)
{
    for (const Limit& limit : rule.limits) {
        switch (limit.kind) {
        case Limit::Kind::SecondAbove:
            if (b > limit.bound)
                return true;
            break;
        case Limit::Kind::FirstAbove:
            if (a > limit.bound)
                return true;
            break;
        case Limit::Kind::EitherZero:
            if (a < 1 || b < 1)
                return true;
            break;
        case Limit::Kind::CommonMultipleAbove: {
            const auto multiple = lowestCommonMultiple(a, b);
            if (a >= 1 && b >= 1 && (!multiple || *multiple > limit.bound))
                return true;
            break;
        }
        }
    }
    return false;
}

PossibleOutputs possibleOutputs(const RuleDescription& rule, double a, double b)
{
    PossibleOutputs out;
    out.varies = rule.outcomes.size() > 1 || !rule.low.empty();
    if (!out.varies)
        return out;
    if (showsNoValue(rule, a, b)) {
        out.members = { std::nullopt };
        return out;
    }
    const auto valueOf = [&](const std::string& text) -> std::optional<double> {
        auto read = Formula::read(text);
        if (const Formula* formula = std::get_if<Formula>(&read))
            return formula->valueAt(a, b);
        return std::nullopt;
    };
    if (!rule.low.empty()) {
        const auto low = valueOf(rule.low), high = valueOf(rule.high);
        if (low && high)
            out.range = std::pair { *low, *high };
        else
            out.members = { std::nullopt };
        return out;
    }
    for (const std::string& outcome : rule.outcomes)
        out.members.push_back(valueOf(outcome));
    return out;
}

} // namespace quorvel
