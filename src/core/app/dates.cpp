// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/app/dates.h"

#include "core/app/translation.h"
#include "core/values/number_text.h"

namespace quorvel {
namespace {

struct Day
{
    long long year = 0;
    long long month = 0;
    long long day = 0;
};

Day partsOf(const std::string& isoDate)
{
    return { readWhole(isoDate.substr(0, 4)).value_or(0),
        readWhole(isoDate.substr(5, 2)).value_or(0), readWhole(isoDate.substr(8, 2)).value_or(0) };
}

long long daysInMonth(long long year, long long month)
{
    static const int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

} // namespace

bool isIsoDate(const std::string& text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (std::size_t i : { 0, 1, 2, 3, 5, 6, 8, 9 })
        if (text[i] < '0' || text[i] > '9')
            return false;
    const Day d = partsOf(text);
    return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= daysInMonth(d.year, d.month);
}

std::string writtenDate(const std::string& isoDate)
{
    static const char* const months[]
        = { QV_TRANSLATE_NOOP("Dates", "gennaio"), QV_TRANSLATE_NOOP("Dates", "febbraio"),
              QV_TRANSLATE_NOOP("Dates", "marzo"), QV_TRANSLATE_NOOP("Dates", "aprile"),
              QV_TRANSLATE_NOOP("Dates", "maggio"), QV_TRANSLATE_NOOP("Dates", "giugno"),
              QV_TRANSLATE_NOOP("Dates", "luglio"), QV_TRANSLATE_NOOP("Dates", "agosto"),
              QV_TRANSLATE_NOOP("Dates", "settembre"), QV_TRANSLATE_NOOP("Dates", "ottobre"),
              QV_TRANSLATE_NOOP("Dates", "novembre"), QV_TRANSLATE_NOOP("Dates", "dicembre") };
    if (!isIsoDate(isoDate))
        return isoDate;
    const Day d = partsOf(isoDate);
    //: a date: %1 the day, %2 the month's name, %3 the year
    return fill(translate("Dates", "%1 %2 %3"),
        { wholeText(d.day), translate("Dates", months[d.month - 1]), isoDate.substr(0, 4) });
}

std::string shortDate(const std::string& isoDate)
{
    if (!isIsoDate(isoDate))
        return isoDate;
    return isoDate.substr(8, 2) + "/" + isoDate.substr(5, 2) + "/" + isoDate.substr(0, 4);
}

} // namespace quorvel
