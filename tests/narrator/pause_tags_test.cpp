// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/narrator/pause_tags.h"
#include "core/narrator/scenes.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

const auto say = [](std::string text) { return SpeechPiece { std::move(text), 0 }; };
const auto pause = [](int ms) { return SpeechPiece { "", ms }; };

struct TagCase
{
    const char* name;
    std::string text;
    std::vector<SpeechPiece> pieces;
};

void PrintTo(const TagCase& c, std::ostream* out)
{
    *out << c.text;
}

class PauseTags : public ::testing::TestWithParam<TagCase>
{
};

TEST_P(PauseTags, Split)
{
    EXPECT_EQ(splitSpeech(GetParam().text), GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(Speech, PauseTags,
    ::testing::Values(TagCase { "LowerCase", "a\\pau=500\\b", { say("a"), pause(500), say("b") } },
        TagCase { "UpperCase", "a\\Pau=1000\\b", { say("a"), pause(1000), say("b") } },
        TagCase { "AtStart", "\\pau=2000\\Buon Lavoro!", { pause(2000), say("Buon Lavoro!") } },
        TagCase { "AtEnd", "intero.\\pau=2000\\", { say("intero."), pause(2000) } },
        TagCase { "TrailingBlankAfterTag", "x\\pau=2000\\ ", { say("x"), pause(2000), say(" ") } },
        TagCase {
            "AdjacentTagsStaySeparate", "\\pau=500\\\\Pau=300\\", { pause(500), pause(300) } },
        TagCase { "ZeroPause", "a\\pau=0\\b", { say("a"), pause(0), say("b") } },
        TagCase { "HugePauseCapped", "\\pau=99999999999999\\", { pause(600000) } },
        TagCase { "NoClosingBackslash", "a\\pau=500 b", { say("a\\pau=500 b") } },
        TagCase { "NoDigits", "a\\pau=\\b", { say("a\\pau=\\b") } },
        TagCase { "OtherWord", "a\\pause=5\\b", { say("a\\pause=5\\b") } },
        TagCase { "LoneBackslash", "a\\b", { say("a\\b") } },
        TagCase { "BackslashBeforeTag", "\\\\pau=5\\", { say("\\"), pause(5) } },
        TagCase { "Empty", "", {} },
        TagCase { "TypographicQuotesKept", "“Benvenuti”", { say("“Benvenuti”") } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpeechText, BalloonTextKeepsDoubleBlanksAndAccents)
{
    EXPECT_EQ(withoutPauseTags("presta attenzione\\pau=500\\,in questo  livello è"),
        "presta attenzione,in questo  livello è");
}

} // namespace
} // namespace quorvel
