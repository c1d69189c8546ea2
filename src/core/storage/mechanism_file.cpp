// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/storage/mechanism_file.h"

#include "core/app/machine_state.h"
#include "core/mechanisms/dispatch.h"
#include "core/mechanisms/operations.h"
#include "core/values/number_text.h"

#include <charconv>
#include <istream>
#include <ostream>

namespace quorvel {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The field as the file holds it: digits for numbers, the text itself for a value the
// state holds as text (the same digits after an open).
std::string fieldText(const Value& v)
{
    return v.display('.');
}

// A whole number written with digits only (a minus sign allowed) that fits 16 bits.
std::optional<std::int16_t> wholeNumber(std::string_view field)
{
    const std::string_view digits = field.substr(!field.empty() && field[0] == '-' ? 1 : 0);
    if (digits.empty())
        return std::nullopt;
    for (char c : digits)
        if (!isDigit(c))
            return std::nullopt;
    std::int16_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size())
        return std::nullopt;
    return value;
}

// The first line of what was read, without its line end and a leading byte-order mark;
// nothing when the line does not end within the bytes read and the file goes on.
std::optional<std::string_view> firstLine(std::string_view bytes, bool fileGoesOn)
{
    if (bytes.starts_with(byteOrderMark))
        bytes.remove_prefix(byteOrderMark.size());
    const std::size_t end = bytes.find_first_of("\r\n");
    if (end == std::string_view::npos)
        return fileGoesOn ? std::nullopt : std::optional(bytes);
    return bytes.substr(0, end);
}

// The text between the quotes of a line; only blanks may follow the closing quote.
std::optional<std::string_view> quotedRecord(std::string_view line)
{
    if (line.empty() || line[0] != '"')
        return std::nullopt;
    const std::size_t close = line.find('"', 1);
    if (close == std::string_view::npos)
        return std::nullopt;
    for (char c : line.substr(close + 1))
        if (!isBlank(c))
            return std::nullopt;
    return line.substr(1, close - 1);
}

} // namespace

std::string mechanismRecord(const MachineState& s)
{
    if (s.activeLevel.isNone())
        return "";
    return s.activeLevel.name() + ',' + wholeText(s.c1()) + ',' + wholeText(s.c2()) + ','
        + fieldText(s.opCode) + ',' + fieldText(s.partOpCode) + ',' + fieldText(s.joinOpCode) + ','
        + wholeText(s.secondOpIndex) + ',' + fieldText(s.activeScheme());
}

void writeMechanismLine(std::ostream& out, const std::string& record)
{
    out << '"' << record << "\"\r\n";
}

std::optional<MechanismRecord> readMechanism(std::istream& in)
{
    std::string bytes(mechanismFileReadLimit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return std::nullopt;
    const bool fileGoesOn
        = bytes.size() == mechanismFileReadLimit && in.peek() != std::char_traits<char>::eof();
    const std::optional<std::string_view> line = firstLine(bytes, fileGoesOn);
    if (!line)
        return std::nullopt;
    const std::optional<std::string_view> record = quotedRecord(*line);
    if (!record)
        return std::nullopt;
    return parseMechanismRecord(*record);
}

std::optional<MechanismRecord> parseMechanismRecord(std::string_view record)
{
    MechanismRecord result;
    const std::size_t firstComma = record.find(',');
    if (firstComma == std::string_view::npos)
        return std::nullopt;
    const std::optional<Level> level = Level::parse(record.substr(0, firstComma));
    if (!level)
        return std::nullopt;
    result.level = *level;
    const int schemes = schemeCount(result.level);

    std::string_view rest = record.substr(firstComma + 1);
    for (std::size_t i = 0; i < MechanismRecord::numericFields; ++i) {
        const std::size_t comma = rest.find(',');
        const bool last = i + 1 == MechanismRecord::numericFields;
        if (last != (comma == std::string_view::npos))
            return std::nullopt; // fewer or more than eight fields
        const std::string_view field = rest.substr(0, comma);
        const std::optional<std::int16_t> number = wholeNumber(field);
        if (!number)
            return std::nullopt;
        result.texts[i] = std::string(field);
        result.numbers[i] = *number;
        rest = last ? std::string_view() : rest.substr(comma + 1);
    }

    using R = MechanismRecord;
    const int scheme = result.numbers[R::Scheme];
    if (scheme < 1 || scheme > schemes)
        return std::nullopt;
    // The game writes operation codes 1 to 4, and 0 for a second operation not drawn yet: any
    // other code would hide a calculation no rule describes.
    for (const R::Field code : { R::OpCode, R::PartOpCode, R::JoinOpCode })
        if (result.numbers[code] < 1 || result.numbers[code] > 4)
            return std::nullopt;
    if (result.numbers[R::SecondOpIndex] < 0 || result.numbers[R::SecondOpIndex] > 4)
        return std::nullopt;
    return result;
}

void restoreMechanism(MachineState& s, const MechanismRecord& record)
{
    using R = MechanismRecord;
    s.activeLevel = record.level;
    s.paramGrid[1][1] = record.numbers[R::FirstConstant];
    s.paramGrid[2][2] = record.numbers[R::SecondConstant];
    s.opCode = Value::text(record.texts[R::OpCode]);
    s.partOpCode = Value::text(record.texts[R::PartOpCode]);
    s.joinOpCode = Value::text(record.texts[R::JoinOpCode]);
    s.secondOpIndex = record.numbers[R::SecondOpIndex];
    // Levels 1 to 4 keep the scheme as the text that was read; level 5 takes its number.
    s.setScheme(record.level, Value::text(record.texts[R::Scheme]));

    // The symbols follow the restored codes, as "Operazioni" pairs them; a code outside the
    // table clears them, so no symbol of the previous mechanism stays in force.
    followOperationCode(s, record.numbers[R::OpCode]);
    if (const Operation* second = Operation::byIndex(Value::int16(s.secondOpIndex)))
        s.secondOpSymbol = second->symbol;
    // A mechanism saved before its second operation was drawn draws it at its next run, as it
    // would have without the save.
    if (s.secondOpIndex == 0)
        s.secondOpCount = Value::int16(0);
}

} // namespace quorvel
