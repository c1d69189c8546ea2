// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/notebook/rule_descriptions.h"

#include "core/app/machine.h"
#include "core/app/translation.h"
#include "core/mechanisms/dispatch.h"
#include "core/mechanisms/mechanisms.h"
#include "core/notebook/formula.h"
#include "core/notebook/rule_terms.h"

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

// The first result, then the second operation with y.
RuleDescription twoSteps(const Machine& m, const Term& x, const Term& y)
{
    const auto firstStep = operation(op(m), first(), x, Quotient::RoundedDown);
    const Term result
        = term(QV_TRANSLATE_NOOP("Rules", "il risultato"), firstStep ? firstStep->formula : "");
    const auto both = operation(secondSymbolInForce(m), result, y, Quotient::RoundedDown);
    if (!firstStep || !both)
        return noResult();
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

RuleDescription d11(const Machine& m)
{
    return calculates(operation(op(m), mean(), c2(m), Quotient::RoundedDown));
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

RuleDescription d18(const Machine& m)
{
    return withC2(m, remainderAB());
}
RuleDescription d19(const Machine& m)
{
    return withC2(m, remainderBA());
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
    return between(
        translate("Rules",
            "Il risultato è un numero intero a caso tra la differenza dei due numeri (il "
            "più grande meno il più piccolo) e la loro somma."),
        "diff(A; B)", "A + B");
}

RuleDescription d29(const Machine&)
{
    return between(
        translate(
            "Rules", "Il risultato è il più grande dei due numeri più un numero a caso da 1 a 80."),
        "max(A; B) + 1", "max(A; B) + 80");
}

RuleDescription d30(const Machine&)
{
    return between(translate("Rules",
                       "Il risultato è un numero intero a caso da 0 fino al più piccolo dei due "
                       "numeri meno 1 (ma mai sotto lo 0)."),
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
                              "La macchina aggiunge %1 al primo numero e %2 al secondo, poi fa la "
                              "somma dei due risultati."),
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
                              "La macchina divide il primo numero per %1 e il secondo per %2, "
                              "tenendo le parti intere; poi divide il primo risultato per il "
                              "secondo e ne tiene la parte intera."),
                         { x.words, y.words }),
            "intero(intero(A : " + x.formula + ") : intero(B : " + y.formula + "))");
    if (s == "-")
        //: %1 and %2 are numbers
        return fixed(fill(translate("Rules",
                              "La macchina calcola la differenza tra il primo numero e %1 e quella "
                              "tra il secondo numero e %2, poi la differenza tra i due risultati "
                              "(sempre il più grande meno il più piccolo)."),
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
    return { translate("Rules", "Il risultato è, a caso, il primo o il secondo numero."),
        { "A", "B" }, "", "" };
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
        { fromA->formula, fromB->formula }, "", "" };
}

RuleDescription d39(const Machine&)
{
    return { translate(
                 "Rules", "Il risultato è, a caso, il quadrato del primo o del secondo numero."),
        { "A^2", "B^2" }, "", "" };
}

RuleDescription d41(const Machine& m)
{
    const Term c = c2(m);
    //: %1 is a number
    return between(fill(translate("Rules",
                            "Il risultato è un numero intero a caso tra il più grande dei due "
                            "numeri e %1."),
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
            {}, "", "" };
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
            {}, "", "" };
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
            { "abs(A - " + c.formula + " - B)", "abs(B - " + c.formula + " - A)" }, "", "" };
    //: %1 is a number
    return { fill(translate("Rules",
                      "La macchina mette i due numeri in un ordine a caso; divide il primo per %1 "
                      "e ne tiene la parte intera, poi la divide per il secondo e tiene di nuovo "
                      "la parte intera."),
                 { c.words }),
        { "intero(intero(A : " + c.formula + ") : B)",
            "intero(intero(B : " + c.formula + ") : A)" },
        "", "" };
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
            "La macchina calcola la media dei due numeri: la loro somma divisa per 2 (anche con la "
            "virgola)."),
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
            "La macchina calcola la radice quadrata della somma dei quadrati dei due numeri, e ne "
            "tiene "
            "la parte intera."),
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
            "La macchina calcola la differenza tra i quadrati dei due numeri (il più grande meno "
            "il "
            "più "
            "piccolo)."),
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

// The formulas with the functions' names of the language in use.
RuleDescription inLanguage(RuleDescription rule)
{
    for (std::string& outcome : rule.outcomes)
        outcome = formulaInLanguage(outcome);
    rule.low = formulaInLanguage(rule.low);
    rule.high = formulaInLanguage(rule.high);
    return rule;
}

} // namespace

std::optional<RuleDescription> describeRule(const Machine& m)
{
    try {
        const Mechanism mechanism = selectMechanism(m.state());
        for (const FixedRule& rule : fixedRules)
            if (rule.mechanism == mechanism)
                return inLanguage(fixed(translate("Rules", rule.text), rule.formula));
        for (const auto& [candidate, describe] : describers)
            if (candidate == mechanism)
                return inLanguage(describe(m));
        return std::nullopt;
    } catch (const MechanismFault&) {
        // A code or scheme held as a text that spells no number: the experiment faults too.
        return inLanguage(noResult());
    }
}

} // namespace quorvel
