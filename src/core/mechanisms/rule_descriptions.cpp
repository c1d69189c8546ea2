// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/mechanisms/rule_descriptions.h"

#include "core/app/machine.h"
#include "core/app/translation.h"
#include "core/mechanisms/dispatch.h"
#include "core/mechanisms/mechanisms.h"
#include "core/mechanisms/rule_terms.h"
#include "core/notebook/formula.h"
#include "core/values/number_text.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace quorvel {
namespace {

Term mean()
{
    return term(QV_TRANSLATE_NOOP("Rules", "la media dei due numeri"), "(A + B) : 2");
}
Term larger()
{
    return term(QV_TRANSLATE_NOOP("Rules", "il più grande dei due numeri"), "max(A; B)");
}
Term smaller()
{
    return term(QV_TRANSLATE_NOOP("Rules", "il più piccolo dei due numeri"), "min(A; B)");
}

using Describer = RuleDescription (*)(const Machine&);

Term c1(const Machine& m)
{
    return number(m.state().c1());
}
Term c2(const Machine& m)
{
    return number(m.state().c2());
}
std::string op(const Machine& m)
{
    return symbolInForce(m.state(), m.state().experimentCount);
}

RuleDescription d01(const Machine& m)
{
    return calculates(operation(op(m), first(), second(), Quotient::RoundedDown));
}

// The first result, then the second operation with y; the second operation is drawn at the
// first experiment, and until then only the first can be told.
RuleDescription twoSteps(const Machine& m, const Term& x, const Term& y)
{
    const auto firstStep = operation(op(m), first(), x, Quotient::RoundedDown);
    if (!firstStep)
        return noResult();
    const std::optional<std::string> second = secondSymbolInForce(m);
    if (!second) {
        //: %1 is a calculation with the two numbers, %2 a number or "il secondo numero"
        RuleDescription rule { fill(translate("Rules",
                                        "La macchina calcola %1; poi fa un'altra operazione tra il "
                                        "risultato e %2, che sceglie a caso al primo esperimento."),
                                   { firstStep->words, y.words }),
            false, {}, "", "", {} };
        return rule;
    }
    const Term result = term(QV_TRANSLATE_NOOP("Rules", "il risultato"), firstStep->formula);
    const auto both = operation(*second, result, y, Quotient::RoundedDown);
    if (!both)
        return fixed(fill(translate("Rules", "La macchina calcola %1."), { firstStep->words }),
            firstStep->formula);
    //: %1 is a calculation with the two numbers, %2 one with its result
    return fixed(fill(translate("Rules", "La macchina calcola %1; poi calcola %2."),
                     { firstStep->words, both->words }),
        both->formula);
}

RuleDescription d03(const Machine& m)
{
    return twoSteps(m, second(), c2(m));
}
RuleDescription d04(const Machine& m)
{
    return twoSteps(m, c2(m), second());
}

RuleDescription d05(const Machine& m)
{
    return calculates(operation(op(m), squareOf(first()), second(), Quotient::RoundedDown));
}

RuleDescription d06(const Machine& m)
{
    const std::string s = op(m);
    if (s == ":")
        return calculates(operation(s, squareOf(second()), first(), Quotient::RoundedDown));
    return calculates(operation(s, first(), squareOf(second()), Quotient::RoundedDown));
}

// Half of a sum may end in ",5": every operation but the rounded-down quotient keeps it.
RuleDescription d11(const Machine& m)
{
    const std::string symbol = op(m);
    const auto calculation = operation(symbol, mean(), c2(m), Quotient::RoundedDown);
    RuleDescription rule = calculates(calculation);
    if (calculation && symbol != ":")
        rule.text += " " + translate("Rules", "Il risultato può avere la virgola.");
    return rule;
}

Term remainderAB()
{
    return term(
        QV_TRANSLATE_NOOP("Rules", "il resto della divisione del primo numero per il secondo"),
        "resto(A; B)");
}
Term remainderBA()
{
    return term(
        QV_TRANSLATE_NOOP("Rules", "il resto della divisione del secondo numero per il primo"),
        "resto(B; A)");
}

RuleDescription withC2(const Machine& m, const Term& x)
{
    return calculates(operation(op(m), x, c2(m), Quotient::Plain));
}

// The remainder first, then the operation in force with c2: two steps, so that the sentence
// never reads as the remainder of a longer division.
RuleDescription remainderThen(const Machine& m, const Term& remainderTerm)
{
    const Term theRemainder = term(QV_TRANSLATE_NOOP("Rules", "il resto"), remainderTerm.formula);
    const auto then = operation(op(m), theRemainder, c2(m), Quotient::Plain);
    if (!then)
        return noResult();
    //: %1 is a remainder in words, %2 a calculation with it
    return fixed(fill(translate("Rules", "La macchina calcola %1; poi calcola %2."),
                     { remainderTerm.words, then->words }),
        then->formula);
}

RuleDescription d18(const Machine& m)
{
    return remainderThen(m, remainderAB());
}
RuleDescription d19(const Machine& m)
{
    return remainderThen(m, remainderBA());
}
RuleDescription d22(const Machine& m)
{
    return withC2(m, larger());
}
RuleDescription d23(const Machine& m)
{
    return withC2(m, smaller());
}

RuleDescription d28(const Machine&)
{
    return between(translate("Rules",
                       "Il risultato è un numero intero a caso dalla differenza dei due numeri (si "
                       "toglie sempre il numero minore dal maggiore) fino alla loro somma, "
                       "compresi."),
        "diff(A; B)", "A + B");
}

RuleDescription d29(const Machine&)
{
    return between(translate("Rules",
                       "Il risultato è il più grande dei due numeri più un numero intero a caso da "
                       "1 fino a 80, compresi."),
        "max(A; B) + 1", "max(A; B) + 80");
}

RuleDescription d30(const Machine&)
{
    return between(translate("Rules",
                       "Il risultato è un numero intero a caso da 0 fino al più piccolo dei due "
                       "numeri meno 1, compresi (ma mai sotto lo 0)."),
        "0", "max(min(A; B) - 1; 0)");
}

// The same operation on both sides: (A s c1) s (B s c2).
RuleDescription d31(const Machine& m)
{
    const std::string s = symbolInForce(m.state(), m.state().calc31Count);
    const Term x = c1(m), y = c2(m);
    if (s == "+")
        //: %1 and %2 are numbers
        return fixed(fill(translate("Rules",
                              "La macchina calcola la somma del primo numero e di %1 e la somma "
                              "del secondo numero e di %2; poi calcola la somma dei due "
                              "risultati."),
                         { x.words, y.words }),
            "(A + " + x.formula + ") + (B + " + y.formula + ")");
    if (s == "*")
        //: %1 and %2 are numbers
        return fixed(fill(translate("Rules",
                              "La macchina moltiplica il primo numero per %1 e il secondo per %2, "
                              "poi fa il prodotto dei due risultati."),
                         { x.words, y.words }),
            "(A * " + x.formula + ") * (B * " + y.formula + ")");
    if (s == ":")
        //: %1 and %2 are numbers
        return fixed(fill(translate("Rules",
                              "La macchina divide il primo numero per %1 e il secondo per %2, e "
                              "toglie ai due risultati la parte dopo la virgola; poi divide il "
                              "primo risultato per il secondo, e toglie di nuovo la parte dopo la "
                              "virgola."),
                         { x.words, y.words }),
            "intero(intero(A : " + x.formula + ") : intero(B : " + y.formula + "))");
    if (s == "-")
        //: %1 and %2 are numbers
        return fixed(fill(translate("Rules",
                              "La macchina calcola la differenza tra il primo numero e %1 e quella "
                              "tra il secondo numero e %2; poi la differenza tra i due risultati "
                              "(si toglie sempre il numero minore dal maggiore)."),
                         { x.words, y.words }),
            "diff(diff(A; " + x.formula + "); diff(B; " + y.formula + "))");
    return noResult();
}

// Two calculations with the two numbers, joined by a third.
RuleDescription d32(const Machine& m)
{
    const MachineState& s = m.state();
    const Term p = calculationOrZero(s.opCode, first(), second());
    const Term q = calculationOrZero(s.partOpCode, first(), second());
    const Term results[] = { term(QV_TRANSLATE_NOOP("Rules", "il primo risultato"), p.formula),
        term(QV_TRANSLATE_NOOP("Rules", "il secondo risultato"), q.formula) };
    const auto joined = calculation(s.joinOpCode, results[0], results[1]);
    if (!joined)
        return noResult();
    //: %1 and %2 are two calculations with the two numbers, %3 one with their results
    return fixed(fill(translate("Rules",
                          "La macchina fa due calcoli con i due numeri: prima %1, poi %2. Il "
                          "risultato è %3."),
                     { p.words, q.words, joined->words }),
        joined->formula);
}

RuleDescription d35(const Machine& m)
{
    return calculates(calculation(m.state().opCode, first(), c1(m)));
}
RuleDescription d36(const Machine& m)
{
    return calculates(calculation(m.state().opCode, second(), c2(m)));
}

RuleDescription d37(const Machine&)
{
    return { translate("Rules", "Il risultato è, a caso, il primo o il secondo numero."), true,
        { "A", "B" }, "", "", {} };
}

RuleDescription d38(const Machine& m)
{
    const Term chosen = term(QV_TRANSLATE_NOOP("Rules", "il numero scelto"), "");
    const auto words = calculation(m.state().opCode, chosen, c2(m));
    const auto fromA = calculation(m.state().opCode, first(), c2(m));
    const auto fromB = calculation(m.state().opCode, second(), c2(m));
    if (!words)
        return noResult();
    //: %1 is a calculation with the chosen number
    return { fill(translate("Rules", "La macchina sceglie a caso uno dei due numeri e calcola %1."),
                 { words->words }),
        true, { fromA->formula, fromB->formula }, "", "", {} };
}

RuleDescription d39(const Machine&)
{
    return { translate(
                 "Rules", "Il risultato è, a caso, il quadrato del primo o del secondo numero."),
        true, { "A^2", "B^2" }, "", "", {} };
}

RuleDescription d41(const Machine& m)
{
    const Term c = c2(m);
    //: %1 is a number
    return between(fill(translate("Rules",
                            "Il risultato è un numero intero a caso tra il più grande dei due "
                            "numeri e %1, compresi tutti e due."),
                       { c.words }),
        "min(max(A; B); " + c.formula + ")", "max(max(A; B); " + c.formula + ")");
}

// A chain of three calculations, drawn at the first run and kept from then on.
RuleDescription d42(const Machine& m)
{
    const MachineState& s = m.state();
    if (s.chainCount < Value::int16(1))
        return { translate("Rules",
                     "La macchina sceglie a caso tre calcoli al primo esperimento e poi li usa "
                     "sempre: due con i numeri nascosti e uno che unisce i risultati."),
            false, {}, "", "", {} };
    const Term x = calculationOrZero(s.chainOp1, first(), c1(m));
    const Term y = calculationOrZero(s.chainOp2, second(), c2(m));
    const Term results[] = { term(QV_TRANSLATE_NOOP("Rules", "il primo risultato"), x.formula),
        term(QV_TRANSLATE_NOOP("Rules", "il secondo risultato"), y.formula) };
    const auto joined = calculation(Value::int16(s.chainOp3), results[0], results[1]);
    if (!joined)
        return noResult();
    //: %1 and %2 are two calculations, %3 one with their results
    return fixed(
        fill(translate("Rules", "La macchina calcola prima %1, poi %2. Il risultato è %3."),
            { x.words, y.words, joined->words }),
        joined->formula);
}

// The inputs in an order drawn at every experiment, with c2 and a symbol drawn at the first.
RuleDescription d43(const Machine& m)
{
    const MachineState& s = m.state();
    const Term c = c2(m);
    const std::string& op = s.altOpSymbol;
    if (s.calc43Count < Value::int16(1) || op.empty())
        //: %1 is a number
        return { fill(translate("Rules",
                          "La macchina sceglie a caso, al primo esperimento, un'operazione da fare "
                          "con i due numeri e con %1."),
                     { c.words }),
            false, {}, "", "", {} };
    if (op == "+")
        //: %1 is a number joined to "di" ("di 7"), %2 the number on its own
        return fixed(fill(translate("Rules", "La macchina calcola la somma dei due numeri e %1."),
                         { of(c.words), c.words }),
            "A + B + " + c.formula);
    if (op == "*")
        //: %1 is a number joined to "di" ("di 7"), %2 the number on its own
        return fixed(
            fill(translate("Rules", "La macchina calcola il prodotto dei due numeri e %1."),
                { of(c.words), c.words }),
            "A * B * " + c.formula);
    if (op == "-")
        //: %1 is a number
        return { fill(translate("Rules",
                          "La macchina mette i due numeri in un ordine a caso; al primo toglie %1 "
                          "e poi il secondo, e tiene il risultato senza il segno meno."),
                     { c.words }),
            true, { "abs(A - " + c.formula + " - B)", "abs(B - " + c.formula + " - A)" }, "", "",
            {} };
    //: %1 is a number
    return { fill(translate("Rules",
                      "La macchina mette i due numeri in un ordine a caso; divide il primo per %1 "
                      "senza la parte dopo la virgola, poi divide questo risultato per il "
                      "secondo, di nuovo senza la parte dopo la virgola."),
                 { c.words }),
        true,
        { "intero(intero(A : " + c.formula + ") : B)",
            "intero(intero(B : " + c.formula + ") : A)" },
        "", "", {} };
}

RuleDescription d46(const Machine& m)
{
    const Term c = c1(m);
    //: %1 is a number
    return fixed(fill(translate("Rules",
                          "Il risultato è il minimo comune multiplo dei due numeri, moltiplicato "
                          "per %1."),
                     { c.words }),
        "mcm(A; B) * " + c.formula);
}

RuleDescription d47(const Machine& m)
{
    const Term c = c2(m);
    //: %1 is a number
    return fixed(fill(translate("Rules",
                          "Il risultato è il massimo comune divisore dei due numeri, moltiplicato "
                          "per %1."),
                     { c.words }),
        "mcd(A; B) * " + c.formula);
}

// The rules that depend on nothing hidden: a sentence and its formula.
struct FixedRule
{
    Mechanism mechanism;
    const char* text;
    const char* formula;
};

const FixedRule fixedRules[] = {
    { calc07,
        QV_TRANSLATE_NOOP("Rules",
            "Se i due numeri sono tutti e due pari, il risultato è 2; se sono tutti e due dispari, "
            "è "
            "1; "
            "se uno è pari e l'altro dispari, è 0."),
        "2 * (1 - resto(A; 2)) * (1 - resto(B; 2)) + resto(A; 2) * resto(B; 2)" },
    { calc08,
        QV_TRANSLATE_NOOP(
            "Rules", "Il risultato è 1 se i due numeri sono tutti e due dispari, altrimenti è 0."),
        "resto(A; 2) * resto(B; 2)" },
    { calc09,
        QV_TRANSLATE_NOOP("Rules",
            "Se il primo numero è più piccolo del secondo, il risultato è 0; se è più grande, è 1; "
            "se "
            "i due numeri sono uguali, il risultato è il primo numero."),
        "min(max(A - B; 0); 1) + A * (1 - min(abs(A - B); 1))" },
    { calc10,
        QV_TRANSLATE_NOOP("Rules",
            "La macchina calcola la media dei due numeri: la loro somma divisa per 2 (il risultato "
            "può avere la virgola)."),
        "(A + B) : 2" },
    { calc15,
        QV_TRANSLATE_NOOP("Rules", "La macchina calcola il quadrato della somma dei due numeri."),
        "(A + B)^2" },
    { calc16,
        QV_TRANSLATE_NOOP(
            "Rules", "La macchina calcola il quadrato della differenza tra i due numeri."),
        "(A - B)^2" },
    { calc17,
        QV_TRANSLATE_NOOP("Rules",
            "La macchina calcola la radice quadrata della somma dei quadrati dei due numeri, senza "
            "la "
            "parte dopo la virgola."),
        "intero(radice(A^2 + B^2))" },
    { calc20,
        QV_TRANSLATE_NOOP(
            "Rules", "Il risultato è il resto della divisione del primo numero per il secondo."),
        "resto(A; B)" },
    { calc21,
        QV_TRANSLATE_NOOP(
            "Rules", "Il risultato è il resto della divisione del secondo numero per il primo."),
        "resto(B; A)" },
    { calc24, QV_TRANSLATE_NOOP("Rules", "Il risultato è il più grande dei due numeri."),
        "max(A; B)" },
    { calc25, QV_TRANSLATE_NOOP("Rules", "Il risultato è il più piccolo dei due numeri."),
        "min(A; B)" },
    { calc26,
        QV_TRANSLATE_NOOP("Rules", "La macchina calcola la somma dei quadrati dei due numeri."),
        "A^2 + B^2" },
    { calc27,
        QV_TRANSLATE_NOOP("Rules",
            "La macchina calcola la differenza tra i quadrati dei due numeri (si toglie sempre il "
            "numero minore dal maggiore)."),
        "diff(A^2; B^2)" },
    { calc33, QV_TRANSLATE_NOOP("Rules", "Il risultato è il quadrato del primo numero."), "A^2" },
    { calc34, QV_TRANSLATE_NOOP("Rules", "Il risultato è il quadrato del secondo numero."), "B^2" },
    { calc44,
        QV_TRANSLATE_NOOP("Rules", "Il risultato è il minimo comune multiplo dei due numeri."),
        "mcm(A; B)" },
    { calc45,
        QV_TRANSLATE_NOOP("Rules", "Il risultato è il massimo comune divisore dei due numeri."),
        "mcd(A; B)" },
};

// Every other mechanism a level reaches, with the description that fills in what is hidden.
const std::pair<Mechanism, Describer> describers[] = {
    { calc01, d01 },
    { calc03, d03 },
    { calc04, d04 },
    { calc05, d05 },
    { calc06, d06 },
    { calc11, d11 },
    { calc18, d18 },
    { calc19, d19 },
    { calc22, d22 },
    { calc23, d23 },
    { calc28, d28 },
    { calc29, d29 },
    { calc30, d30 },
    { calc31, d31 },
    { calc32, d32 },
    { calc35, d35 },
    { calc36, d36 },
    { calc37, d37 },
    { calc38, d38 },
    { calc39, d39 },
    { calc40, d28 },
    { calc41, d41 },
    { calc42, d42 },
    { calc43, d43 },
    { calc46, d46 },
    { calc47, d47 },
};

// The largest second number a 16-bit calculation of the machine takes with the constant c
// before it overflows: c + B for code 1, c × B for code 2, B − c for code 3; the 16-bit range
// itself for the quotient, which is worked in doubles.
double secondBound16(const Value& code, int c)
{
    constexpr double top = 32767;
    const double k = code.number();
    if (k == 1)
        return std::min(top, top - c);
    if (k == 2 && c != 0)
        return std::min(top, std::floor((c > 0 ? top : top + 1) / std::abs(c)));
    if (k == 3)
        return std::min(top, top + c);
    return top;
}

// The code of the calculation a symbol of the operation in force stands for in a 16-bit
// calculation with the second number.
Value codeOfSymbol(const std::string& symbol)
{
    return Value::int16(symbol == "+" ? 1 : symbol == "*" ? 2 : symbol == "-" ? 3 : 4);
}

constexpr double largestSecond = 32767;
constexpr double largestRemainderOperand = 2147483647;

// Where each mechanism shows "????" although its words give a number.
std::vector<Limit> limitsOf(Mechanism mechanism, const Machine& m)
{
    using K = Limit::Kind;
    const MachineState& s = m.state();
    if (mechanism == calc33 || mechanism == calc35)
        return {}; // they never read the second number
    if (mechanism == calc06)
        return { { K::SecondAbove, 181 } }; // its square must stay within 32767
    if (mechanism == calc31)
        return { { K::SecondAbove,
            secondBound16(codeOfSymbol(symbolInForce(s, s.calc31Count)), s.c2()) } };
    if (mechanism == calc36)
        return { { K::SecondAbove, secondBound16(s.opCode, s.c2()) } };
    if (mechanism == calc42 && s.chainCount >= Value::int16(1))
        return { { K::SecondAbove, secondBound16(s.chainOp2, s.c2()) } };
    std::vector<Limit> limits { { K::SecondAbove, largestSecond } };
    for (const Mechanism remainderOfFirst : { calc07, calc08, calc18, calc19, calc20, calc21 })
        if (mechanism == remainderOfFirst)
            limits.push_back({ K::FirstAbove, largestRemainderOperand });
    if (mechanism == calc44 || mechanism == calc46) {
        limits.push_back({ K::EitherZero });
        limits.push_back({ K::CommonMultipleAbove, largestRemainderOperand });
    }
    if (mechanism == calc45 || mechanism == calc47) {
        limits.push_back({ K::EitherZero });
        limits.push_back({ K::FirstAbove, largestRemainderOperand });
    }
    return limits;
}

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
std::optional<RuleDescription> describeMechanism(Mechanism mechanism, const Machine& m)
{
    std::optional<RuleDescription> rule;
    for (const FixedRule& fixedRule : fixedRules)
        if (fixedRule.mechanism == mechanism)
            rule = fixed(translate("Rules", fixedRule.text), fixedRule.formula);
    for (const auto& [candidate, describe] : describers)
        if (candidate == mechanism)
            rule = describe(m);
    if (!rule)
        return std::nullopt;
    if (rule->known && rule->outcomes != noResult().outcomes) {
        rule->limits = limitsOf(mechanism, m);
        if (const std::string limits = limitsSentence(rule->limits); !limits.empty())
            rule->text += " " + limits;
    }
    return inLanguage(*rule);
}

} // namespace

std::optional<RuleDescription> describeRule(const Machine& m)
{
    try {
        return describeMechanism(selectMechanism(m.state()), m);
    } catch (const MechanismFault&) {
        // A code or scheme held as a text that spells no number: the experiment faults too.
        return inLanguage(noResult());
    }
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
