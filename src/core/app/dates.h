// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace quorvel {

// Dates are kept as "2026-12-07" (what the clock's today() gives and the stores keep) and
// written for people only here.

// Whether a text is a day of the calendar written "YYYY-MM-DD" (no 31 April, no 29 February
// outside a leap year).
bool isIsoDate(const std::string& text);

// "2026-12-07" as "7 dicembre 2026", in the language in use; another text as it is.
std::string writtenDate(const std::string& isoDate);

// "2026-12-07" as "07/12/2026", as a spreadsheet set to Italian reads a date; another text as
// it is.
std::string shortDate(const std::string& isoDate);

} // namespace quorvel
