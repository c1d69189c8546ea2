// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One field as a spreadsheet set to Italian reads it back, and never runs it as a formula.
#include "core/storage/csv_table.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(CsvTable, EachFieldIsQuotedOnlyWhenNeededAndNeverRunAsAFormula)
{
    const struct
    {
        const char* text;
        const char* written;
    } cases[] = {
        { "Anna", "Anna" },
        { "", "" },
        { "dice \"ciao\"", "\"dice \"\"ciao\"\"\"" },
        { "a;b", "\"a;b\"" },
        { "due\nrighe", "\"due\nrighe\"" },
        { "=1+1", "'=1+1" },
        { "+39", "'+39" },
        { "@somma", "'@somma" },
        { "-x", "'-x" },
        { "-2+3", "'-2+3" },
        { "\tnome", "'\tnome" },
        { "\rnome", "\"'\rnome\"" },
        { "=\"a\";1", "\"'=\"\"a\"\";1\"" },
        { "-3", "-3" },
        { "2,5", "2,5" },
        { "-0,25", "-0,25" },
        { "1,2,3", "1,2,3" },
        { "x+1", "x+1" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(csvField(c.text), c.written) << c.text;
}

TEST(CsvTable, RowsAreSeparatedBySemicolonsAndEndWithCrLfAfterAByteOrderMark)
{
    CsvTable table;
    table.addRow({ "Prova", "Uscita" });
    table.addRow({ "1", "a;b" });
    EXPECT_EQ(table.text(), "\xEF\xBB\xBFProva;Uscita\r\n1;\"a;b\"\r\n");
}

} // namespace
} // namespace quorvel
