// The soak's own judge must neither cry wolf at a legal screen nor let a broken one pass.
#include "invariants.h"

#include <gtest/gtest.h>

namespace quorvel::soak {
namespace {

struct Shown
{
    const char* text;
    char separator;
    bool legal;
};

TEST(SoakInvariants, TellsTheOutputDisplayFormsFromJunk)
{
    const Shown cases[] = {
        { "", '.', true },
        { "out", '.', true },
        { "????", '.', true },
        { "0", '.', true },
        { "-32768", '.', true },
        { "0.25", '.', true },
        { "0,25", ',', true },
        { "1.23456789012345E+15", '.', true },
        { "3E-07", '.', true },
        { "0,25", '.', false },
        { "-", '.', false },
        { "1.", '.', false },
        { ".5", '.', false },
        { "1E5", '.', false },
        { "1E+", '.', false },
        { "12a", '.', false },
        { "???", '.', false },
        { "in", '.', false },
        { " 12", '.', false },
    };
    for (const Shown& c : cases)
        EXPECT_EQ(isDisplayedOutput(c.text, c.separator), c.legal) << '"' << c.text << '"';
}

TEST(SoakInvariants, KnowsEveryStatusLine)
{
    const std::pair<const char*, bool> cases[] = {
        { "", true },
        { "E'attivo il livello 1", true },
        { "E'attivo il livello 5", true },
        { "E' attivo il  ", true },
        { "E' attivo il  livello3", true },
        { "E' attivo il meccanismo recuperato  prova", true },
        { "E'attivo il livello 6", false },
        { "E' attivo il  livello9", false },
        { "E' attivo il livello3", false },
        { "E' attivo il meccanismo recuperato prova", false },
    };
    for (const auto& [status, legal] : cases)
        EXPECT_EQ(isStatusText(status), legal) << '"' << status << '"';
}

} // namespace
} // namespace quorvel::soak
