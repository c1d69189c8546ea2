// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/level.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

struct MachineState;

// A usable mechanism record, checked field by field. The numeric fields keep the digits they
// were read with, because opening restores some of them as text; `numbers` holds the same
// fields as 16-bit integers.
struct MechanismRecord
{
    enum Field {
        FirstConstant,
        SecondConstant,
        OpCode,
        PartOpCode,
        JoinOpCode,
        SecondOpIndex,
        Scheme
    };
    static constexpr std::size_t numericFields = 7;

    Level level;
    std::array<std::string, numericFields> texts;
    std::array<std::int16_t, numericFields> numbers {};
};

// How much of a file the reader looks at. Only the first line counts and a record is a few
// dozen bytes, so a huge or binary file is never loaded.
inline constexpr std::size_t mechanismFileReadLimit = 4096;

// The record of the mechanism in force: the level name and seven values joined by commas, or
// "" when no level is active. Values the state holds as text are written as that text.
std::string mechanismRecord(const MachineState& s);

// One line of a mechanism file: the record in double quotes, then CR LF.
void writeMechanismLine(std::ostream& out, const std::string& record);

// The record of a mechanism file, or nothing when the file holds no usable record. Reads at
// most `mechanismFileReadLimit` bytes; only the first line counts. Tolerates a UTF-8
// byte-order mark, LF or CR LF line ends and blanks after the closing quote.
std::optional<MechanismRecord> readMechanism(std::istream& in);

// The record between the quotes, checked as a whole: eight fields, a level name, whole
// 16-bit numbers written as digits, a scheme within the level's range.
std::optional<MechanismRecord> parseMechanismRecord(std::string_view record);

// Puts a record in force: level, constants, codes and scheme (levels 1-4 and the codes as
// text, as they were read), and the operation symbols that follow from the codes. Counters
// are left alone; loadedFromFile is the caller's business.
void restoreMechanism(MachineState& s, const MechanismRecord& record);

} // namespace quorvel
