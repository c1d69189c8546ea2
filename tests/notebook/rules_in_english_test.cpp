// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The revealed rules, their formulas and the formulas' mistakes in English, read from the
// compiled translation beside the test; and the same cases still in Italian.
#include "core/mechanisms/rule_descriptions.h"
#include "core/notebook/formula.h"
#include "core/notebook/notebook.h"
#include "core/notebook/notebook_csv.h"
#include "fakes/fakes.h"
#include "language/language.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace quorvel::testing {
namespace {

QString testFolder()
{
    return QString::fromStdString(
        std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
}

class InEnglish : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(installLanguage(Language::english, testFolder())); }
    void TearDown() override { installLanguage(Language::italian, testFolder()); }
};

struct RuleRow
{
    int level, scheme;
    int op; // the operation code (calc32: its first calculation)
    int c1, c2;
    const char* english;
    const char* englishFormula;
    // The Italian only where its sentence is put together apart from the English one's: every
    // Italian piece is the key of its translation, so a piece changed alone fails its English row.
    const char* italian;
    const char* italianFormula;
};

const RuleRow ruleRows[] = {
    { 1, 1, 1, 3, 7,
        "The machine works out the sum of the first number and the second number. The machine "
        "shows “????” if the second number is larger than 32767.",
        "(A) + (B)",
        "La macchina calcola la somma del primo numero e del secondo numero. La macchina mostra "
        "«????» se il secondo numero è più grande di 32767.",
        "(A) + (B)" },
    { 1, 1, 4, 3, 7,
        "The machine works out the first number divided by the second number, without the "
        "decimals."
        " The machine shows “????” if the second number is larger than 32767.",
        "whole((A) : (B))", nullptr, "intero((A) : (B))" },
    { 1, 1, 0, 3, 7, "The machine can't work anything out: it always shows “????”.", "0 : 0",
        "La macchina non riesce a calcolare niente: mostra sempre «????».", "0 : 0" },
    // calc03: the product, then the sum with c2
    { 2, 10, 3, 3, 7,
        "The machine works out the product of the first number and the second number; then it "
        "works out the sum of the result and 7."
        " The machine shows “????” if the second number is larger than 32767.",
        "((A) * (B)) + (7)",
        "La macchina calcola il prodotto del primo numero e del secondo numero; poi calcola la "
        "somma del risultato e di 7."
        " La macchina mostra «????» se il secondo numero è più grande di 32767.",
        "((A) * (B)) + (7)" },
    // calc35, code 3: the difference with c1
    { 2, 14, 3, 4, 7,
        "The machine works out the difference between the first number and 4 (always the "
        "smaller number taken from the larger).",
        "diff(A; 4)",
        "La macchina calcola la differenza tra il primo numero e 4 (si toglie sempre il numero "
        "minore dal maggiore).",
        "diff(A; 4)" },
    // calc05: the square of A and B
    { 3, 17, 2, 3, 7,
        "The machine works out the difference between the square of the first number and the "
        "second number (always the smaller number taken from the larger)."
        " The machine shows “????” if the second number is larger than 32767.",
        "diff((A)^2; B)", nullptr, "diff((A)^2; B)" },
    // calc11: the mean and c2
    { 3, 12, 1, 3, 7,
        "The machine works out the sum of the average of the two numbers and 7. The answer can "
        "have decimals."
        " The machine shows “????” if the second number is larger than 32767.",
        "((A + B) : 2) + (7)", nullptr, "((A + B) : 2) + (7)" },
    // calc31 dividing both sides
    { 4, 13, 4, 3, 5,
        "The machine divides the first number by 3 and the second by 5, and drops the decimals of "
        "both results; then it divides the first result by the second, and drops the decimals "
        "again."
        " The machine shows “????” if the second number is larger than 32767.",
        "whole(whole(A : 3) : whole(B : 5))", nullptr, "intero(intero(A : 3) : intero(B : 5))" },
    // calc32: a sum and a quotient, joined by a product
    { 4, 14, 1, 3, 5,
        "The machine does two calculations with the two numbers: first the sum of the first "
        "number and the second number, then the first number divided by the second number, "
        "without the decimals. The result is the product of the first result and the second "
        "result."
        " The machine shows “????” if the second number is larger than 32767.",
        "((A) + (B)) * (whole((A) : (B)))", nullptr, "((A) + (B)) * (intero((A) : (B)))" },
    { 4, 19, 1, 4, 7,
        "The result is the lowest common multiple of the two numbers, multiplied by 4. The machine "
        "shows “????” if the second number is larger than 32767, if one of the two numbers is 0 "
        "or if the lowest common multiple is larger than 2147483647.",
        "lcm(A; B) * 4",
        "Il risultato è il minimo comune multiplo dei due numeri, moltiplicato per 4. La macchina "
        "mostra «????» se il secondo numero è più grande di 32767, se uno dei due numeri è 0 o "
        "se il minimo comune multiplo è più grande di 2147483647.",
        "mcm(A; B) * 4" },
    { 4, 20, 1, 4, 7,
        "The result is the highest common factor of the two numbers, multiplied by 7. The machine "
        "shows “????” if the second number is larger than 32767, if one of the two numbers is 0 "
        "or if the first number is larger than 2147483647.",
        "hcf(A; B) * 7", nullptr, "mcd(A; B) * 7" },
    // calc17, a rule with nothing hidden
    { 5, 3, 1, 3, 7,
        "The machine works out the square root of the sum of the squares of the two numbers, "
        "without the decimals."
        " The machine shows “????” if the second number is larger than 32767.",
        "whole(root(A^2 + B^2))", nullptr, "intero(radice(A^2 + B^2))" },
};

RuleDescription describe(const RuleRow& row)
{
    Rig rig;
    rig.use(row.level, row.scheme);
    rig.setConstants(row.c1, row.c2);
    MachineState& s = rig.s();
    s.opCode = Value::int16(row.op);
    s.partOpCode = Value::int16(4); // calc32's second calculation: the quotient
    s.joinOpCode = Value::int16(2); // joined by the product
    s.calc31Count = Value::int16(0);
    s.loadedFromFile = true; // calc03's second operation: "+"
    s.secondOpIndex = 1;
    s.secondOpCount = Value::int16(0);
    const auto rule = describeRule(rig.s());
    EXPECT_TRUE(rule) << "level " << row.level << " scheme " << row.scheme;
    return rule.value_or(RuleDescription {});
}

std::string onlyFormula(const RuleDescription& rule)
{
    return rule.outcomes.size() == 1 ? rule.outcomes[0] : "(not one formula)";
}

TEST(RulesInItalian, StayWordForWord)
{
    for (const RuleRow& row : ruleRows) {
        const RuleDescription rule = describe(row);
        if (row.italian) {
            EXPECT_EQ(rule.text, row.italian);
        }
        EXPECT_EQ(onlyFormula(rule), row.italianFormula) << row.english;
    }
}

TEST_F(InEnglish, RulesReadAsEnglishSentencesWithEnglishFormulas)
{
    for (const RuleRow& row : ruleRows) {
        const RuleDescription rule = describe(row);
        EXPECT_EQ(rule.text, row.english);
        EXPECT_EQ(onlyFormula(rule), row.englishFormula) << row.english;
    }
}

// Each English name beside the Italian one it stands for.
const std::pair<const char*, const char*> sameFormulas[] = {
    { "whole(A : B)", "intero(A : B)" },
    { "remainder(A; B)", "resto(A; B)" },
    { "root(A * B)", "radice(A * B)" },
    { "lcm(A; B)", "mcm(A; B)" },
    { "hcf(A; B)", "mcd(A; B)" },
    { "gcd(A, B)", "mcd(A, B)" },
    { "WHOLE(Root(A) + Remainder(B; 4))", "intero(radice(A) + resto(B; 4))" },
};

double valueOf(const std::string& text, double a, double b)
{
    auto read = Formula::read(text);
    if (auto* error = std::get_if<FormulaError>(&read)) {
        ADD_FAILURE() << text << ": " << error->message;
        return NAN;
    }
    return std::get<Formula>(read).valueAt(a, b).value_or(NAN);
}

void expectSameValues()
{
    for (const auto& [english, italian] : sameFormulas)
        for (const auto& [a, b] : { std::pair { 36.0, 8.0 }, { 7.0, 21.0 }, { 100.0, 15.0 } })
            EXPECT_EQ(valueOf(english, a, b), valueOf(italian, a, b))
                << english << " at " << a << ", " << b;
}

TEST(FormulaNames, EnglishNamesReadInItalian)
{
    expectSameValues();
}

TEST_F(InEnglish, ItalianNamesStillRead)
{
    expectSameValues();
}

TEST(FormulaNames, ShownInItalianWhateverTheyWereWrittenIn)
{
    EXPECT_EQ(formulaInLanguage("whole(root(A) + gcd(A; B))"), "intero(radice(A) + mcd(A; B))");
    EXPECT_EQ(formulaInLanguage("max(A; B) - resto(A; 2)"), "max(A; B) - resto(A; 2)");
}

TEST_F(InEnglish, FormulasShownWithEnglishNames)
{
    const std::pair<const char*, const char*> rows[] = {
        { "intero(radice(A^2 + B^2))", "whole(root(A^2 + B^2))" },
        { "resto(B; A) * mcm(A; B) + MCD(A; 2)", "remainder(B; A) * lcm(A; B) + hcf(A; 2)" },
        { "max(min(A; B) - 1; 0) + diff(A; B) + abs(A)",
            "max(min(A; B) - 1; 0) + diff(A; B) + abs(A)" },
        { "gcd(A; B)", "hcf(A; B)" },
    };
    for (const auto& [italian, english] : rows)
        EXPECT_EQ(formulaInLanguage(italian), english);
}

TEST_F(InEnglish, FormulaMistakesAreExplainedInEnglish)
{
    const std::pair<std::string, const char*> rows[] = {
        { "", "write a formula with A and B, for example A + B" },
        { "A + C", "I don't know “C”: use A for the first number and B for the second" },
        { "AB", "an operation sign is missing between “A” and “B”" },
        { "(A + B", "a closing bracket is missing" },
        { "A + $", "this sign can't be used in a formula" },
        { "whole(A; B)", "the function has too many numbers in its brackets" },
        { "A; B",
            "the sign “;” separates the numbers inside a function's brackets, as in max(A; B)" },
        { "2(A + B)", "an operation sign is missing before “(”" },
        { "A²", "for powers use the sign ^: instead of “²” write ^2" },
        { std::string(1001, '1'), "the formula is too long: 1000 characters at most" },
    };
    for (const auto& [formula, message] : rows) {
        const auto read = Formula::read(formula);
        const auto* error = std::get_if<FormulaError>(&read);
        ASSERT_TRUE(error) << formula;
        EXPECT_EQ(error->message, message) << formula;
    }
}

TEST_F(InEnglish, NotebookExportHasEnglishHeadings)
{
    Notebook notebook;
    notebook.beginPage(Level::number(1));
    notebook.setPrediction("9");
    notebook.record("4", "5", 4, 5, "9");
    const std::string csv = notebookCsv(notebook);
    EXPECT_EQ(csv.substr(3, csv.find("\r\n") + 2 - 3),
        "Page;Level;Trial;First number;Second number;Output;Prediction;Outcome;Discovery\r\n");
    EXPECT_NE(csv.find("Mechanism 1;1;1;4;5;9;9;right;\r\n"), std::string::npos) << csv;
}

} // namespace
} // namespace quorvel::testing
