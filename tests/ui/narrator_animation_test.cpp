#include "ui/narrator/character_window.h"
#include "ui/narrator/wizard_animations.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

TEST(WizardAnimations, KnowsTheNineNamesInAnyCaseAndNothingElse)
{
    const struct
    {
        const char* name;
        std::optional<Gesture> gesture;
    } table[] = {
        { "gestureup", Gesture::GestureUp },
        { "getattention", Gesture::GetAttention },
        { "search", Gesture::Search },
        { "DoMagic2", Gesture::DoMagic2 },
        { "GestureDown", Gesture::GestureDown },
        { "gestureleft", Gesture::GestureLeft },
        { "read", Gesture::Read },
        { "gestureright", Gesture::GestureRight },
        { "DoMagic1", Gesture::DoMagic1 },
        { "READ", Gesture::Read },
        { "domagic2", Gesture::DoMagic2 },
        { "", std::nullopt },
        { "wave", std::nullopt },
        { "read ", std::nullopt },
        { "DoMagic3", std::nullopt },
    };
    for (const auto& row : table)
        EXPECT_EQ(gestureByName(row.name), row.gesture) << row.name;
}

TEST(WizardAnimations, EveryGestureLastsAboutASecondAndStartsAndEndsAtRest)
{
    for (int g = 0; g <= static_cast<int>(Gesture::DoMagic1); ++g) {
        const auto gesture = static_cast<Gesture>(g);
        const int duration = gestureDurationMs(gesture);
        EXPECT_GE(duration, 800);
        EXPECT_LE(duration, 2000);
        const WizardPose rest = idlePose(0);
        for (int at : { 0, duration }) {
            const WizardPose p = gesturePose(gesture, at, 0);
            EXPECT_DOUBLE_EQ(p.leftArm, rest.leftArm) << g << " at " << at;
            EXPECT_DOUBLE_EQ(p.rightArm, rest.rightArm) << g << " at " << at;
            EXPECT_DOUBLE_EQ(p.wandAngle, rest.wandAngle) << g << " at " << at;
            EXPECT_DOUBLE_EQ(p.sparks, 0) << g << " at " << at;
        }
        const WizardPose middle = gesturePose(gesture, duration / 2, 0);
        EXPECT_TRUE(middle.leftArm != rest.leftArm || middle.rightArm != rest.rightArm)
            << "gesture " << g << " moves an arm";
    }
}

TEST(WizardAnimations, IdleWizardBlinksNowAndThenAndOtherwiseKeepsHisPose)
{
    int blinks = 0, changes = 0;
    WizardPose last = idlePose(0);
    for (int ms = 0; ms < 10000; ms += 50) {
        const WizardPose p = idlePose(ms);
        blinks += p.eyeOpen == 0;
        changes += !(p == last);
        last = p;
    }
    EXPECT_GT(blinks, 0);
    EXPECT_LT(blinks, 20);
    EXPECT_LE(changes, 6) << "each change of pose redraws the window: a few in ten seconds";
}

TEST(CharacterWindow, ARaisedArmChangesTheClickableShape)
{
    CharacterWindow window;
    window.setPose(idlePose(1000), 1);
    const QRegion atRest = window.shape();
    window.setPose(gesturePose(Gesture::GestureLeft, 500, 1000), 0.3);
    EXPECT_NE(window.shape(), atRest);
    EXPECT_TRUE(window.shape().contains(QPoint(25, 80))) << "the pointing arm can be clicked";
    EXPECT_DOUBLE_EQ(window.opacity(), 0.3);
}

} // namespace
} // namespace quorvel
