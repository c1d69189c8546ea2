// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The formula reader's own part, not for the rest of the program: the pupil's notation of a
// formula and muparser's.

#include "core/notebook/formula.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// A function's Italian name and its English one; the pupil may write either, in any language.
struct FunctionName
{
    std::string_view italian;
    std::string_view english;
};

// The function a name the pupil may write stands for (in lower case); none for any other word.
const FunctionName* functionNamed(std::string_view name);

// Every name the pupil may write for the function of this Italian name, that one first.
std::vector<std::string_view> namesOf(std::string_view italian);

// A letter of the English alphabet, and a word in lower case: the functions' names are
// written with these.
bool isLetter(char32_t c);
std::string lower(std::string word);

// The pupil's formula in muparser's notation, and for each of its characters the position
// (from 1) of the pupil's character it stands for; or the first mistake found on the way that
// muparser would not find, or would report less clearly.
struct ParserNotation
{
    std::string text;
    std::vector<int> positions;
    std::optional<FormulaError> error;
};

ParserNotation toParserNotation(std::string_view text);

// What the pupil is told when an operation sign is missing before token.
std::string missingSignBefore(const std::string& token);

} // namespace quorvel
