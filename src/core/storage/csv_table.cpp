// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/storage/csv_table.h"

#include <algorithm>

namespace quorvel {
namespace {

// Digits with at most one decimal separator, after an optional minus: what a spreadsheet
// reads as a number, never as a formula.
bool plainNumber(std::string_view text)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const auto digits
        = std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const auto separators
        = std::count_if(text.begin(), text.end(), [](char c) { return c == ',' || c == '.'; });
    return digits > 0 && separators <= 1
        && digits + separators == static_cast<std::ptrdiff_t>(text.size());
}

bool startsAsFormula(std::string_view text)
{
    return !text.empty()
        && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos
        && !plainNumber(text);
}

} // namespace

std::string csvField(std::string_view text)
{
    std::string field = startsAsFormula(text) ? "'" : "";
    field += text;
    if (field.find_first_of(";\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (const char c : field) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

void CsvTable::addRow(const std::vector<std::string>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        m_text += (i > 0 ? ";" : "") + csvField(fields[i]);
    m_text += "\r\n";
}

} // namespace quorvel
