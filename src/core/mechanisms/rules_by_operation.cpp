// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules that follow the operation in force or a calculation code, told with the
// operation the next experiment uses.

#include "core/app/machine_state.h"
#include "core/app/translation.h"
#include "core/mechanisms/operations.h"
#include "core/mechanisms/rule_terms.h"
#include "core/mechanisms/rules.h"

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

Term c1(const MachineState& s)
{
    return number(s.c1());
}
Term c2(const MachineState& s)
{
    return number(s.c2());
}

// The operation in force at the next experiment of a mechanism counted in experimentCount.
const Operation* op(const MachineState& s)
{
    return operationAtNextRun(s, s.experimentCount);
}

// The first result, then the second operation with y; the second operation is drawn at the
// first experiment, and until then only the first can be told.
RuleDescription twoSteps(const MachineState& s, const Term& x, const Term& y)
{
    const auto firstStep = operation(op(s), first(), x, Quotient::RoundedDown);
    if (!firstStep)
        return noResult();
    const std::optional<const Operation*> second = secondOperationAtNextRun(s);
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

RuleDescription withC2(const MachineState& s, const Term& x)
{
    return calculates(operation(op(s), x, c2(s), Quotient::Plain));
}

// The remainder first, then the operation in force with c2: two steps, so that the sentence
// never reads as the remainder of a longer division.
RuleDescription remainderThen(const MachineState& s, const Term& remainderTerm)
{
    const Term theRemainder = term(QV_TRANSLATE_NOOP("Rules", "il resto"), remainderTerm.formula);
    const auto then = operation(op(s), theRemainder, c2(s), Quotient::Plain);
    if (!then)
        return noResult();
    //: %1 is a remainder in words, %2 a calculation with it
    return fixed(fill(translate("Rules", "La macchina calcola %1; poi calcola %2."),
                     { remainderTerm.words, then->words }),
        then->formula);
}

} // namespace

RuleDescription rule01(const MachineState& s)
{
    return calculates(operation(op(s), first(), second(), Quotient::RoundedDown));
}

RuleDescription rule03(const MachineState& s)
{
    return twoSteps(s, second(), c2(s));
}

RuleDescription rule04(const MachineState& s)
{
    return twoSteps(s, c2(s), second());
}

RuleDescription rule05(const MachineState& s)
{
    return calculates(operation(op(s), squareOf(first()), second(), Quotient::RoundedDown));
}

RuleDescription rule06(const MachineState& s)
{
    const Operation* o = op(s);
    if (o && o->symbol == ":")
        return calculates(operation(o, squareOf(second()), first(), Quotient::RoundedDown));
    return calculates(operation(o, first(), squareOf(second()), Quotient::RoundedDown));
}

// Half of a sum may end in ",5": every operation but the rounded-down quotient keeps it.
RuleDescription rule11(const MachineState& s)
{
    const Operation* o = op(s);
    const auto calculation = operation(o, mean(), c2(s), Quotient::RoundedDown);
    RuleDescription rule = calculates(calculation);
    if (calculation && o->symbol != ":")
        rule.text += " " + translate("Rules", "Il risultato può avere la virgola.");
    return rule;
}

RuleDescription rule18(const MachineState& s)
{
    return remainderThen(s, remainderAB());
}

RuleDescription rule19(const MachineState& s)
{
    return remainderThen(s, remainderBA());
}

RuleDescription rule22(const MachineState& s)
{
    return withC2(s, larger());
}

RuleDescription rule23(const MachineState& s)
{
    return withC2(s, smaller());
}

// The same operation on both sides: (A s c1) s (B s c2).
RuleDescription rule31(const MachineState& s)
{
    const Operation* o = operationAtNextRun(s, s.calc31Count);
    const std::string_view symbol = o ? o->symbol : "";
    const Term x = c1(s), y = c2(s);
    if (symbol == "+")
        //: %1 and %2 are numbers
        return fixed(fill(translate("Rules",
                              "La macchina calcola la somma del primo numero e di %1 e la somma "
                              "del secondo numero e di %2; poi calcola la somma dei due "
                              "risultati."),
                         { x.words, y.words }),
            "(A + " + x.formula + ") + (B + " + y.formula + ")");
    if (symbol == "*")
        //: %1 and %2 are numbers
        return fixed(fill(translate("Rules",
                              "La macchina moltiplica il primo numero per %1 e il secondo per %2, "
                              "poi fa il prodotto dei due risultati."),
                         { x.words, y.words }),
            "(A * " + x.formula + ") * (B * " + y.formula + ")");
    if (symbol == ":")
        //: %1 and %2 are numbers
        return fixed(fill(translate("Rules",
                              "La macchina divide il primo numero per %1 e il secondo per %2, e "
                              "toglie ai due risultati la parte dopo la virgola; poi divide il "
                              "primo risultato per il secondo, e toglie di nuovo la parte dopo la "
                              "virgola."),
                         { x.words, y.words }),
            "intero(intero(A : " + x.formula + ") : intero(B : " + y.formula + "))");
    if (symbol == "-")
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
RuleDescription rule32(const MachineState& s)
{
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

RuleDescription rule35(const MachineState& s)
{
    return calculates(calculation(s.opCode, first(), c1(s)));
}

RuleDescription rule36(const MachineState& s)
{
    return calculates(calculation(s.opCode, second(), c2(s)));
}

RuleDescription rule38(const MachineState& s)
{
    const Term chosen = term(QV_TRANSLATE_NOOP("Rules", "il numero scelto"), "");
    const auto words = calculation(s.opCode, chosen, c2(s));
    const auto fromA = calculation(s.opCode, first(), c2(s));
    const auto fromB = calculation(s.opCode, second(), c2(s));
    if (!words)
        return noResult();
    //: %1 is a calculation with the chosen number
    return { fill(translate("Rules", "La macchina sceglie a caso uno dei due numeri e calcola %1."),
                 { words->words }),
        true, { fromA->formula, fromB->formula }, "", "", {} };
}

// A chain of three calculations, drawn at the first run and kept from then on.
RuleDescription rule42(const MachineState& s)
{
    if (s.chainCount < Value::int16(1))
        return { translate("Rules",
                     "La macchina sceglie a caso tre calcoli al primo esperimento e poi li usa "
                     "sempre: due con i numeri nascosti e uno che unisce i risultati."),
            false, {}, "", "", {} };
    const Term x = calculationOrZero(s.chainOp1, first(), c1(s));
    const Term y = calculationOrZero(s.chainOp2, second(), c2(s));
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
RuleDescription rule43(const MachineState& s)
{
    const Term c = c2(s);
    const std::string& symbol = s.altOpSymbol;
    if (s.calc43Count < Value::int16(1) || symbol.empty())
        //: %1 is a number
        return { fill(translate("Rules",
                          "La macchina sceglie a caso, al primo esperimento, un'operazione da fare "
                          "con i due numeri e con %1."),
                     { c.words }),
            false, {}, "", "", {} };
    if (symbol == "+")
        //: %1 is a number joined to "di" ("di 7"), %2 the number on its own
        return fixed(fill(translate("Rules", "La macchina calcola la somma dei due numeri e %1."),
                         { of(c.words), c.words }),
            "A + B + " + c.formula);
    if (symbol == "*")
        //: %1 is a number joined to "di" ("di 7"), %2 the number on its own
        return fixed(
            fill(translate("Rules", "La macchina calcola il prodotto dei due numeri e %1."),
                { of(c.words), c.words }),
            "A * B * " + c.formula);
    if (symbol == "-")
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

} // namespace quorvel
