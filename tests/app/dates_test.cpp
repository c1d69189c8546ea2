// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The days a card, a console's --date and the stores accept, and how they are written.
#include "core/app/dates.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(Dates, OnlyDaysOfTheCalendarAreDates)
{
    const struct
    {
        const char* text;
        bool date;
    } cases[] = {
        { "2026-12-07", true },
        { "2026-12-31", true },
        { "2026-12-32", false },
        { "2026-12-00", false },
        { "2026-13-01", false },
        { "2026-00-10", false },
        { "2026-04-30", true },
        { "2026-04-31", false },
        { "2028-02-29", true },
        { "2027-02-29", false },
        { "2000-02-29", true },
        { "1900-02-29", false },
        { "2026-2-07", false },
        { "2026/12/07", false },
        { "2026-12-07 ", false },
        { "domani", false },
        { "", false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(isIsoDate(c.text), c.date) << c.text;
}

TEST(Dates, ADayIsWrittenInWordsOrForASpreadsheet)
{
    const struct
    {
        const char* iso;
        const char* written;
        const char* shortly;
    } cases[] = {
        { "2026-12-07", "7 dicembre 2026", "07/12/2026" },
        { "2027-01-31", "31 gennaio 2027", "31/01/2027" },
        { "2028-02-29", "29 febbraio 2028", "29/02/2028" },
        { "2027-02-30", "2027-02-30", "2027-02-30" },
        { "domani", "domani", "domani" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(writtenDate(c.iso), c.written) << c.iso;
        EXPECT_EQ(shortDate(c.iso), c.shortly) << c.iso;
    }
}

} // namespace
} // namespace quorvel
