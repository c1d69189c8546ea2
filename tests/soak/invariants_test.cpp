// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The soak's own judge must neither cry wolf at a legal screen nor let a broken one pass.
#include "invariants.h"

#include "core/app/translation.h"

#include <gtest/gtest.h>

namespace quorvel::soak {
namespace {

TEST(SoakInvariants, TellLegalOutputsAndStatusLinesFromJunk)
{
    // An output display with its decimal separator, or a status line where that is 0.
    const std::tuple<const char*, char, bool> cases[] = {
        { "", '.', true },
        { "????", '.', true },
        { "-32768", '.', true },
        { "0,25", ',', true },
        { "1.23456789012345E+15", '.', true },
        { "3E-07", '.', true },
        { "0,25", '.', false },
        { "1.", '.', false },
        { ".5", '.', false },
        { "1E5", '.', false },
        { "12a", '.', false },
        { "???", '.', false },
        { "E'attivo il livello 5", 0, true },
        { "E' attivo il  ", 0, true },
        { "E' attivo il  livello3", 0, true },
        { "E' attivo il meccanismo recuperato  prova", 0, true },
        { "E'attivo il livello 6", 0, false },
        { "E' attivo il livello3", 0, false },
        { "E' attivo il meccanismo recuperato prova", 0, false },
    };
    for (const auto& [text, separator, legal] : cases)
        EXPECT_EQ(separator ? isDisplayedOutput(text, separator) : isStatusText(text), legal)
            << '"' << text << '"';
}

TEST(SoakInvariants, TellEnglishStatusLinesFromItalianOnesInEnglish)
{
    const std::pair<const char*, bool> cases[] = {
        { "", true },
        { "You are on level 5", true },
        { "New mechanism, level 3", true },
        { "No level chosen yet", true },
        { "Using the saved mechanism prova", true },
        { "You are on level 6", false },
        { "E'attivo il livello 5", false },
    };
    useLanguage(Language::english, nullptr);
    for (const auto& [text, legal] : cases)
        EXPECT_EQ(isStatusText(text), legal) << '"' << text << '"';
    useLanguage(Language::italian, nullptr);
    EXPECT_FALSE(isStatusText("You are on level 5"));
}

} // namespace
} // namespace quorvel::soak
