// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules that depend on nothing hidden or on the hidden constants alone, and those of the
// mechanisms that draw at every experiment.

#include "core/app/machine_state.h"
#include "core/app/translation.h"
#include "core/mechanisms/rule_terms.h"
#include "core/mechanisms/rules.h"

namespace quorvel {

RuleDescription rule07(const MachineState&)
{
    return fixed(translate("Rules",
                     "Se i due numeri sono tutti e due pari, il risultato è 2; se sono tutti e "
                     "due dispari, è 1; se uno è pari e l'altro dispari, è 0."),
        "2 * (1 - resto(A; 2)) * (1 - resto(B; 2)) + resto(A; 2) * resto(B; 2)");
}

RuleDescription rule08(const MachineState&)
{
    return fixed(translate("Rules",
                     "Il risultato è 1 se i due numeri sono tutti e due dispari, altrimenti è "
                     "0."),
        "resto(A; 2) * resto(B; 2)");
}

RuleDescription rule09(const MachineState&)
{
    return fixed(translate("Rules",
                     "Se il primo numero è più piccolo del secondo, il risultato è 0; se è più "
                     "grande, è 1; se i due numeri sono uguali, il risultato è il primo numero."),
        "min(max(A - B; 0); 1) + A * (1 - min(abs(A - B); 1))");
}

RuleDescription rule10(const MachineState&)
{
    return fixed(translate("Rules",
                     "La macchina calcola la media dei due numeri: la loro somma divisa per 2 "
                     "(il risultato può avere la virgola)."),
        "(A + B) : 2");
}

RuleDescription rule15(const MachineState&)
{
    return fixed(translate("Rules", "La macchina calcola il quadrato della somma dei due numeri."),
        "(A + B)^2");
}

RuleDescription rule16(const MachineState&)
{
    return fixed(
        translate("Rules", "La macchina calcola il quadrato della differenza tra i due numeri."),
        "(A - B)^2");
}

RuleDescription rule17(const MachineState&)
{
    return fixed(translate("Rules",
                     "La macchina calcola la radice quadrata della somma dei quadrati dei due "
                     "numeri, senza la parte dopo la virgola."),
        "intero(radice(A^2 + B^2))");
}

RuleDescription rule20(const MachineState&)
{
    return fixed(translate("Rules",
                     "Il risultato è il resto della divisione del primo numero per il secondo."),
        "resto(A; B)");
}

RuleDescription rule21(const MachineState&)
{
    return fixed(translate("Rules",
                     "Il risultato è il resto della divisione del secondo numero per il primo."),
        "resto(B; A)");
}

RuleDescription rule24(const MachineState&)
{
    return fixed(translate("Rules", "Il risultato è il più grande dei due numeri."), "max(A; B)");
}

RuleDescription rule25(const MachineState&)
{
    return fixed(translate("Rules", "Il risultato è il più piccolo dei due numeri."), "min(A; B)");
}

RuleDescription rule26(const MachineState&)
{
    return fixed(translate("Rules", "La macchina calcola la somma dei quadrati dei due numeri."),
        "A^2 + B^2");
}

RuleDescription rule27(const MachineState&)
{
    return fixed(translate("Rules",
                     "La macchina calcola la differenza tra i quadrati dei due numeri (si "
                     "toglie sempre il numero minore dal maggiore)."),
        "diff(A^2; B^2)");
}

RuleDescription rule33(const MachineState&)
{
    return fixed(translate("Rules", "Il risultato è il quadrato del primo numero."), "A^2");
}

RuleDescription rule34(const MachineState&)
{
    return fixed(translate("Rules", "Il risultato è il quadrato del secondo numero."), "B^2");
}

RuleDescription rule44(const MachineState&)
{
    return fixed(translate("Rules", "Il risultato è il minimo comune multiplo dei due numeri."),
        "mcm(A; B)");
}

RuleDescription rule45(const MachineState&)
{
    return fixed(translate("Rules", "Il risultato è il massimo comune divisore dei due numeri."),
        "mcd(A; B)");
}

// The least common multiple and the greatest common divisor times a hidden constant.
RuleDescription rule46(const MachineState& s)
{
    const Term c = number(s.c1());
    //: %1 is a number
    return fixed(fill(translate("Rules",
                          "Il risultato è il minimo comune multiplo dei due numeri, moltiplicato "
                          "per %1."),
                     { c.words }),
        "mcm(A; B) * " + c.formula);
}

RuleDescription rule47(const MachineState& s)
{
    const Term c = number(s.c2());
    //: %1 is a number
    return fixed(fill(translate("Rules",
                          "Il risultato è il massimo comune divisore dei due numeri, moltiplicato "
                          "per %1."),
                     { c.words }),
        "mcd(A; B) * " + c.formula);
}

RuleDescription rule28(const MachineState&)
{
    return between(translate("Rules",
                       "Il risultato è un numero intero a caso dalla differenza dei due numeri (si "
                       "toglie sempre il numero minore dal maggiore) fino alla loro somma, "
                       "compresi."),
        "diff(A; B)", "A + B");
}

RuleDescription rule29(const MachineState&)
{
    return between(translate("Rules",
                       "Il risultato è il più grande dei due numeri più un numero intero a caso da "
                       "1 fino a 80, compresi."),
        "max(A; B) + 1", "max(A; B) + 80");
}

RuleDescription rule30(const MachineState&)
{
    return between(translate("Rules",
                       "Il risultato è un numero intero a caso da 0 fino al più piccolo dei due "
                       "numeri meno 1, compresi (ma mai sotto lo 0)."),
        "0", "max(min(A; B) - 1; 0)");
}

RuleDescription rule37(const MachineState&)
{
    return { translate("Rules", "Il risultato è, a caso, il primo o il secondo numero."), true,
        { "A", "B" }, "", "", {} };
}

RuleDescription rule39(const MachineState&)
{
    return { translate(
                 "Rules", "Il risultato è, a caso, il quadrato del primo o del secondo numero."),
        true, { "A^2", "B^2" }, "", "", {} };
}

// calc40 draws from the same range as calc28, its bounds only worked out in the other order.
RuleDescription rule40(const MachineState& s)
{
    return rule28(s);
}

RuleDescription rule41(const MachineState& s)
{
    const Term c = number(s.c2());
    //: %1 is a number
    return between(fill(translate("Rules",
                            "Il risultato è un numero intero a caso tra il più grande dei due "
                            "numeri e %1, compresi tutti e due."),
                       { c.words }),
        "min(max(A; B); " + c.formula + ")", "max(max(A; B); " + c.formula + ")");
}

} // namespace quorvel
