#include "fakes/fakes.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::testing;

TEST(Experiment, AsksForALevelWhenNoneIsActive)
{
    Rig rig;
    EXPECT_EQ(rig.experiment("12", "3"), "");
    EXPECT_EQ(rig.log(), (std::vector<std::string> { "Beep 800 100", "ClipPlay",
                             "Message Devi scegliere un livello!!", "ClipPlay" }));
}
