// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// A table for a spreadsheet set to Italian: UTF-8 with a byte-order mark, ";" between fields,
// a line end of CR LF after every row. The notebook's and the class's exports both write
// through it, so both follow one rule.
class CsvTable
{
public:
    void addRow(const std::vector<std::string>& fields);
    const std::string& text() const { return m_text; }

private:
    std::string m_text = "\xEF\xBB\xBF";
};

// One field as the spreadsheet reads it back: quoted (its quotes doubled) when it holds a ";",
// a quote or a line end; and, unless it is a plain number such as "-3" or "2,5", kept as text
// with an apostrophe when it begins as a formula would (=, +, -, @, a tab or a carriage
// return), so that a name or a prediction typed as "=1+1" is never run by the spreadsheet.
std::string csvField(std::string_view text);

} // namespace quorvel
