// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pupil's hypothesis formulas: the school notation read, evaluated, and its mistakes
// pointed at.
#include "core/notebook/formula.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvel {
namespace {

std::optional<double> valueOf(const std::string& text, double a, double b)
{
    auto read = Formula::read(text);
    if (auto* error = std::get_if<FormulaError>(&read)) {
        ADD_FAILURE() << text << ": " << error->message;
        return std::nullopt;
    }
    return std::get<Formula>(read).valueAt(a, b);
}

TEST(Formula, ReadsTheSchoolNotation)
{
    struct Row
    {
        const char* text;
        double a, b;
        double value;
    };
    const Row rows[] = {
        { "A + B", 7, 2, 9 },
        { "AxB", 7, 2, 14 },
        { "2 x 3", 0, 0, 6 },
        { "A × B − 1", 7, 2, 13 },
        { "A*B", 7, 2, 14 },
        { "A:B", 7, 2, 3.5 },
        { "A ÷ B", 7, 2, 3.5 },
        { "2,5 * a", 2, 0, 5 }, // decimal comma, lower-case name
        { "A^2 + B^2", 3, 4, 25 },
        { "(A + B) x (A - B)", 5, 3, 16 },
        { "Ax(B+1)", 7, 2, 21 },
        { "max(A; B)", 3, 8, 8 },
        { "MIN(A, B)", 3, 8, 3 },
        { "resto(A; B)", 17, 5, 2 },
        { "resto(-17; 5)", 0, 0, -2 }, // the sign of the first, as the machine's remainder
        { "radice(A)", 49, 0, 7 },
        { "intero(A : 2)", 7, 0, 3 },
        { "intero(-7 : 2)", 0, 0, -4 }, // rounded down, as the machine does
        { "diff(A; B)", 3, 10, 7 },
        { "abs(A - B)", 3, 10, 7 },
        // Separators between a function's numbers, wherever the function stands.
        { "max(A; (B))", 3, 8, 8 },
        { "max(min(A; B); 3)", 5, 8, 5 },
        { "mcd(A, B)", 12, 18, 6 },
        { "mcm(A; max(B; 2))", 4, 6, 12 },
        { "max (A; B)", 3, 8, 8 }, // a space before a function's parenthesis
        { "max(2,5; A)", 1, 0, 2.5 }, // a decimal comma among a function's numbers
        { "2,5 x A", 2, 0, 5 },
        { "2 x (A + B)", 3, 4, 14 },
        { "-(A - B)", 3, 4, 1 },
    };
    for (const Row& r : rows) {
        const auto v = valueOf(r.text, r.a, r.b);
        ASSERT_TRUE(v.has_value()) << r.text;
        EXPECT_DOUBLE_EQ(*v, r.value) << r.text;
    }
}

TEST(Formula, HasNoValueWhereTheArithmeticHasNone)
{
    EXPECT_FALSE(valueOf("A / B", 7, 0).has_value());
    EXPECT_FALSE(valueOf("resto(A; B)", 7, 0).has_value());
    EXPECT_FALSE(valueOf("A : (B - 2)", 7, 2).has_value());
    EXPECT_FALSE(valueOf("radice(A)", -4, 0).has_value());
}

TEST(Formula, PointsAtTheMistakeInItalian)
{
    struct Row
    {
        const char* text;
        const char* message;
        int position;
    };
    const Row rows[] = {
        { "(A + B", "manca una parentesi chiusa", 7 },
        { "A +", "la formula finisce a metà", 4 },
        { "AB", "manca un segno di operazione tra «A» e «B»", 2 },
        { "2A", "manca un segno di operazione prima di «A»", 2 },
        { "A ? B", "questo segno non si può usare in una formula", 3 },
        { "C + 1", "non conosco «C»: usa A per il primo numero e B per il secondo", 1 },
        { "A + sin(B)", "non conosco «sin»: usa A per il primo numero e B per il secondo", 5 },
        { "max(A)", "la funzione vuole più numeri tra le parentesi", 6 },
        { ")", "c'è una parentesi fuori posto", 1 },
        { "  ", "scrivi una formula con A e B, per esempio A + B", 0 },
        // A separator outside a function's parentheses: muparser would take the last part.
        { "1; A + B",
            "il segno «;» separa i numeri dentro le parentesi di una funzione, come in max(A; B)",
            2 },
        { "A; B",
            "il segno «;» separa i numeri dentro le parentesi di una funzione, come in max(A; B)",
            2 },
        { "A, B",
            "il segno «,» separa i numeri dentro le parentesi di una funzione, come in max(A, B)",
            2 },
        { "A + 1, 2",
            "il segno «,» separa i numeri dentro le parentesi di una funzione, come in max(A, B)",
            6 },
        { "(A; B)",
            "il segno «;» separa i numeri dentro le parentesi di una funzione, come in max(A; B)",
            3 },
        { "max((A; B))",
            "il segno «;» separa i numeri dentro le parentesi di una funzione, come in max(A; B)",
            7 },
        { "max(A; B); 3",
            "il segno «;» separa i numeri dentro le parentesi di una funzione, come in max(A; B)",
            10 },
        // A parenthesis opening straight after a number, a letter or a parenthesis.
        { "2(A+B)", "manca un segno di operazione prima di «(»", 2 },
        { "A (B)", "manca un segno di operazione prima di «(»", 3 },
        { "2,5(A)", "manca un segno di operazione prima di «(»", 4 },
        { "(A+B)(A-B)", "manca un segno di operazione prima di «(»", 6 },
        { "max(A; B)(2)", "manca un segno di operazione prima di «(»", 10 },
        // A power written as on paper.
        { "A²", "per le potenze usa il segno ^: al posto di «²» scrivi ^2", 2 },
        { "A³ + B", "per le potenze usa il segno ^: al posto di «³» scrivi ^3", 2 },
        { "(A + B)²", "per le potenze usa il segno ^: al posto di «²» scrivi ^2", 8 },
        { "2 × A¹⁰", "per le potenze usa il segno ^: al posto di «¹⁰» scrivi ^10", 6 },
    };
    for (const Row& r : rows) {
        auto read = Formula::read(r.text);
        ASSERT_TRUE(std::holds_alternative<FormulaError>(read)) << r.text;
        const auto& error = std::get<FormulaError>(read);
        EXPECT_EQ(error.message, r.message) << r.text;
        EXPECT_EQ(error.position, r.position) << r.text;
    }
}

// The length is counted in characters, not in bytes: × takes two.
TEST(Formula, ReadsAFormulaOfAThousandCharacters)
{
    std::string sums = "A";
    std::string products = "A"; // in 1333 bytes
    for (int i = 0; i < 333; ++i) {
        sums += "+ A";
        products += "×1 ";
    }
    EXPECT_EQ(valueOf(sums, 2, 0), 334 * 2.0);
    EXPECT_EQ(valueOf(products, 2, 0), 2.0);
}

// A very long formula is turned down for its length, at its first character beyond the limit,
// before the parser sees it (whose own limit is twenty thousand characters).
TEST(Formula, TurnsDownAFormulaTooLong)
{
    std::string justOver = "A";
    for (int i = 0; i < 500; ++i)
        justOver += "+A";
    std::string huge = "A";
    for (int i = 0; i < 10000; ++i)
        huge += "+A";
    for (const std::string& text : { justOver, huge }) {
        auto read = Formula::read(text);
        ASSERT_TRUE(std::holds_alternative<FormulaError>(read)) << text.size();
        const auto& error = std::get<FormulaError>(read);
        EXPECT_EQ(error.message, "la formula è troppo lunga: al massimo 1000 caratteri");
        EXPECT_EQ(error.position, 1001);
    }
}

} // namespace
} // namespace quorvel
