#include "core/notebook/rule_descriptions.h"

#include "core/app/machine.h"
#include "core/mechanisms/dispatch.h"
#include "core/mechanisms/mechanisms.h"
#include "core/notebook/rule_terms.h"

namespace quorvel {
namespace {

const Term mean { "la media dei due numeri", "(A + B) : 2" };
const Term larger { "il più grande dei due numeri", "max(A; B)" };
const Term smaller { "il più piccolo dei due numeri", "min(A; B)" };

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
    return calculates(operation(op(m), first, second, Quotient::RoundedDown));
}

// The first result, then the second operation with y.
RuleDescription twoSteps(const Machine& m, const Term& x, const Term& y)
{
    const auto firstStep = operation(op(m), first, x, Quotient::RoundedDown);
    const Term result { "il risultato", firstStep ? firstStep->formula : "" };
    const auto both = operation(secondSymbolInForce(m), result, y, Quotient::RoundedDown);
    if (!firstStep || !both)
        return noResult();
    return fixed("La macchina calcola " + firstStep->words + "; poi calcola " + both->words + ".",
        both->formula);
}

RuleDescription d03(const Machine& m)
{
    return twoSteps(m, second, c2(m));
}
RuleDescription d04(const Machine& m)
{
    return twoSteps(m, c2(m), second);
}

RuleDescription d05(const Machine& m)
{
    return calculates(operation(op(m), squareOf(first), second, Quotient::RoundedDown));
}

RuleDescription d06(const Machine& m)
{
    const std::string s = op(m);
    if (s == ":")
        return calculates(operation(s, squareOf(second), first, Quotient::RoundedDown));
    return calculates(operation(s, first, squareOf(second), Quotient::RoundedDown));
}

RuleDescription d11(const Machine& m)
{
    return calculates(operation(op(m), mean, c2(m), Quotient::RoundedDown));
}

const Term remainderAB { "il resto della divisione del primo numero per il secondo",
    "resto(A; B)" };
const Term remainderBA { "il resto della divisione del secondo numero per il primo",
    "resto(B; A)" };

RuleDescription withC2(const Machine& m, const Term& x)
{
    return calculates(operation(op(m), x, c2(m), Quotient::Plain));
}

RuleDescription d18(const Machine& m)
{
    return withC2(m, remainderAB);
}
RuleDescription d19(const Machine& m)
{
    return withC2(m, remainderBA);
}
RuleDescription d22(const Machine& m)
{
    return withC2(m, larger);
}
RuleDescription d23(const Machine& m)
{
    return withC2(m, smaller);
}

RuleDescription d28(const Machine&)
{
    return between("Il risultato è un numero intero a caso tra la differenza dei due numeri (il "
                   "più grande meno il più piccolo) e la loro somma.",
        "diff(A; B)", "A + B");
}

RuleDescription d29(const Machine&)
{
    return between("Il risultato è il più grande dei due numeri più un numero a caso da 1 a 80.",
        "max(A; B) + 1", "max(A; B) + 80");
}

RuleDescription d30(const Machine&)
{
    return between("Il risultato è un numero intero a caso da 0 fino al più piccolo dei due "
                   "numeri meno 1 (ma mai sotto lo 0).",
        "0", "max(min(A; B) - 1; 0)");
}

// The same operation on both sides: (A s c1) s (B s c2).
RuleDescription d31(const Machine& m)
{
    const std::string s = symbolInForce(m.state(), m.state().calc31Count);
    const Term x = c1(m), y = c2(m);
    if (s == "+")
        return fixed("La macchina aggiunge " + x.words + " al primo numero e " + y.words
                + " al secondo, poi fa la somma dei due risultati.",
            "(A + " + x.formula + ") + (B + " + y.formula + ")");
    if (s == "*")
        return fixed("La macchina moltiplica il primo numero per " + x.words + " e il secondo per "
                + y.words + ", poi fa il prodotto dei due risultati.",
            "(A * " + x.formula + ") * (B * " + y.formula + ")");
    if (s == ":")
        return fixed("La macchina divide il primo numero per " + x.words + " e il secondo per "
                + y.words
                + ", tenendo le parti intere; poi divide il primo risultato "
                  "per il secondo e ne tiene la parte intera.",
            "intero(intero(A : " + x.formula + ") : intero(B : " + y.formula + "))");
    if (s == "-")
        return fixed("La macchina calcola la differenza tra il primo numero e " + x.words
                + " e quella tra il secondo numero e " + y.words
                + ", poi la differenza tra i due risultati (sempre il più grande meno "
                  "il più piccolo).",
            "diff(diff(A; " + x.formula + "); diff(B; " + y.formula + "))");
    return noResult();
}

// Two calculations with the two numbers, joined by a third.
RuleDescription d32(const Machine& m)
{
    const MachineState& s = m.state();
    const Term p = calculationOrZero(s.opCode, first, second);
    const Term q = calculationOrZero(s.partOpCode, first, second);
    const Term results[]
        = { { "il primo risultato", p.formula }, { "il secondo risultato", q.formula } };
    const auto joined = calculation(s.joinOpCode, results[0], results[1]);
    if (!joined)
        return noResult();
    return fixed("La macchina fa due calcoli con i due numeri: prima " + p.words + ", poi "
            + q.words + ". Il risultato è " + joined->words + ".",
        joined->formula);
}

RuleDescription d35(const Machine& m)
{
    return calculates(calculation(m.state().opCode, first, c1(m)));
}
RuleDescription d36(const Machine& m)
{
    return calculates(calculation(m.state().opCode, second, c2(m)));
}

RuleDescription d37(const Machine&)
{
    return { "Il risultato è, a caso, il primo o il secondo numero.", { "A", "B" }, "", "" };
}

RuleDescription d38(const Machine& m)
{
    const Term chosen { "il numero scelto", "" };
    const auto words = calculation(m.state().opCode, chosen, c2(m));
    const auto fromA = calculation(m.state().opCode, first, c2(m));
    const auto fromB = calculation(m.state().opCode, second, c2(m));
    if (!words)
        return noResult();
    return { "La macchina sceglie a caso uno dei due numeri e calcola " + words->words + ".",
        { fromA->formula, fromB->formula }, "", "" };
}

RuleDescription d39(const Machine&)
{
    return { "Il risultato è, a caso, il quadrato del primo o del secondo numero.",
        { "A^2", "B^2" }, "", "" };
}

RuleDescription d41(const Machine& m)
{
    const Term c = c2(m);
    return between("Il risultato è un numero intero a caso tra il più grande dei due numeri e "
            + c.words + ".",
        "min(max(A; B); " + c.formula + ")", "max(max(A; B); " + c.formula + ")");
}

// A chain of three calculations, drawn at the first run and kept from then on.
RuleDescription d42(const Machine& m)
{
    const MachineState& s = m.state();
    if (s.chainCount < Value::int16(1))
        return { "La macchina sceglie a caso tre calcoli al primo esperimento e poi li usa "
                 "sempre: due con i numeri nascosti e uno che unisce i risultati.",
            {}, "", "" };
    const Term x = calculationOrZero(s.chainOp1, first, c1(m));
    const Term y = calculationOrZero(s.chainOp2, second, c2(m));
    const Term results[]
        = { { "il primo risultato", x.formula }, { "il secondo risultato", y.formula } };
    const auto joined = calculation(Value::int16(s.chainOp3), results[0], results[1]);
    if (!joined)
        return noResult();
    return fixed("La macchina calcola prima " + x.words + ", poi " + y.words + ". Il risultato è "
            + joined->words + ".",
        joined->formula);
}

// The inputs in an order drawn at every experiment, with c2 and a symbol drawn at the first.
RuleDescription d43(const Machine& m)
{
    const MachineState& s = m.state();
    const Term c = c2(m);
    const std::string& op = s.altOpSymbol;
    if (s.calc43Count < Value::int16(1) || op.empty())
        return { "La macchina sceglie a caso, al primo esperimento, un'operazione da fare con "
                 "i due numeri e con "
                + c.words + ".",
            {}, "", "" };
    if (op == "+")
        return fixed("La macchina calcola la somma dei due numeri e " + of(c.words) + ".",
            "A + B + " + c.formula);
    if (op == "*")
        return fixed("La macchina calcola il prodotto dei due numeri e " + of(c.words) + ".",
            "A * B * " + c.formula);
    const std::string order = "La macchina mette i due numeri in un ordine a caso; ";
    if (op == "-")
        return { order + "al primo toglie " + c.words
                + " e poi il secondo, e tiene il risultato senza il segno meno.",
            { "abs(A - " + c.formula + " - B)", "abs(B - " + c.formula + " - A)" }, "", "" };
    return { order + "divide il primo per " + c.words
            + " e ne tiene la parte intera, poi la divide per il secondo e tiene di nuovo "
              "la parte intera.",
        { "intero(intero(A : " + c.formula + ") : B)",
            "intero(intero(B : " + c.formula + ") : A)" },
        "", "" };
}

RuleDescription d46(const Machine& m)
{
    const Term c = c1(m);
    return fixed("Il risultato è il minimo comune multiplo dei due numeri, moltiplicato per "
            + c.words + ".",
        "mcm(A; B) * " + c.formula);
}

RuleDescription d47(const Machine& m)
{
    const Term c = c2(m);
    return fixed("Il risultato è il massimo comune divisore dei due numeri, moltiplicato per "
            + c.words + ".",
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
        "Se i due numeri sono tutti e due pari, il risultato è 2; se sono tutti e due dispari, è "
        "1; "
        "se uno è pari e l'altro dispari, è 0.",
        "2 * (1 - resto(A; 2)) * (1 - resto(B; 2)) + resto(A; 2) * resto(B; 2)" },
    { calc08, "Il risultato è 1 se i due numeri sono tutti e due dispari, altrimenti è 0.",
        "resto(A; 2) * resto(B; 2)" },
    { calc09,
        "Se il primo numero è più piccolo del secondo, il risultato è 0; se è più grande, è 1; se "
        "i due numeri sono uguali, il risultato è il primo numero.",
        "min(max(A - B; 0); 1) + A * (1 - min(abs(A - B); 1))" },
    { calc10,
        "La macchina calcola la media dei due numeri: la loro somma divisa per 2 (anche con la "
        "virgola).",
        "(A + B) : 2" },
    { calc15, "La macchina calcola il quadrato della somma dei due numeri.", "(A + B)^2" },
    { calc16, "La macchina calcola il quadrato della differenza tra i due numeri.", "(A - B)^2" },
    { calc17,
        "La macchina calcola la radice quadrata della somma dei quadrati dei due numeri, e ne "
        "tiene "
        "la parte intera.",
        "intero(radice(A^2 + B^2))" },
    { calc20, "Il risultato è il resto della divisione del primo numero per il secondo.",
        "resto(A; B)" },
    { calc21, "Il risultato è il resto della divisione del secondo numero per il primo.",
        "resto(B; A)" },
    { calc24, "Il risultato è il più grande dei due numeri.", "max(A; B)" },
    { calc25, "Il risultato è il più piccolo dei due numeri.", "min(A; B)" },
    { calc26, "La macchina calcola la somma dei quadrati dei due numeri.", "A^2 + B^2" },
    { calc27,
        "La macchina calcola la differenza tra i quadrati dei due numeri (il più grande meno il "
        "più "
        "piccolo).",
        "diff(A^2; B^2)" },
    { calc33, "Il risultato è il quadrato del primo numero.", "A^2" },
    { calc34, "Il risultato è il quadrato del secondo numero.", "B^2" },
    { calc44, "Il risultato è il minimo comune multiplo dei due numeri.", "mcm(A; B)" },
    { calc45, "Il risultato è il massimo comune divisore dei due numeri.", "mcd(A; B)" },
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

} // namespace

std::optional<RuleDescription> describeRule(const Machine& m)
{
    try {
        const Mechanism mechanism = selectMechanism(m.state());
        for (const FixedRule& rule : fixedRules)
            if (rule.mechanism == mechanism)
                return fixed(rule.text, rule.formula);
        for (const auto& [candidate, describe] : describers)
            if (candidate == mechanism)
                return describe(m);
        return std::nullopt;
    } catch (const MechanismFault&) {
        // A code or scheme held as a text that spells no number: the experiment faults too.
        return noResult();
    }
}

} // namespace quorvel
