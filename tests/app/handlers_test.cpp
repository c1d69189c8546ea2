// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The machine's own handlers on the fake rig: start-up, keypads, experiment, level commands,
// "cambia meccanismo di calcolo", "Operazioni", the light cycle and the first-output scene.

#include "fakes/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace quorvel;
using namespace quorvel::testing;
using Log = std::vector<std::string>;

namespace {

const float top = std::nextafter(1.0f, 0.0f); // the highest draw

// The status line, both inputs and the output, as the face shows them.
const auto face = [](const Machine& m) {
    return m.text(Control::StatusLine) + "|" + m.text(Control::FirstInput) + "|"
        + m.text(Control::SecondInput) + "|" + m.text(Control::Output);
};

} // namespace

TEST(Activation, FillsTheConstantsGridStopsTheRedClipAndWelcomes)
{
    Rig rig;
    for (int k = 0; k < 16; ++k)
        rig.random.draws.push_back(ScriptedRandom::forWhole(k % 9 + 1, 9));
    rig.random.draws.insert(rig.random.draws.end(), { 0.3f, 0.6f }); // partOpCode, joinOpCode
    rig.machine.start();
    for (int i = 0; i <= 4; ++i)
        for (int j = 0; j <= 4; ++j)
            EXPECT_EQ(rig.s().paramGrid[i][j], i && j ? ((i - 1) * 4 + j - 1) % 9 + 1 : 0);
    EXPECT_EQ(rig.s().partOpCode.number(), 2);
    EXPECT_EQ(rig.s().joinOpCode.number(), 3);
    EXPECT_EQ(rig.random.reseeds, 18);
    EXPECT_EQ(rig.log(),
        (Log { "Clip 1", "StopPlay", "GotoFrame 1", "Language it", "Show", "Top 100",
            std::string("Speak ") + speech::welcome, "Play gestureup" }));
}

TEST(Activation, TakesTheStartingOperationFromTheClocksLastDigit)
{
    const int operations[] = { 1, 1, 2, 3, 4, 1, 1, 2, 3, 4 };
    for (int digit = 0; digit <= 9; ++digit) {
        Rig rig;
        rig.clock.digit = digit;
        rig.machine.start();
        EXPECT_EQ(rig.s().opCode.number(), operations[digit]) << "digit " << digit;
    }
}

TEST(Activation, WithoutTheCharacterTheMachineGoesOnSilently)
{
    Rig rig;
    rig.characters.available = false;
    rig.machine.start();
    rig.machine.chooseLevel(4);
    EXPECT_FALSE(rig.machine.narratorLoaded());
    EXPECT_EQ(rig.log(), (Log { "Clip 1", "StopPlay", "GotoFrame 1", "Beep 650 100" }));
}

TEST(Experiment, ReadsKeypadsAndPlaysTheClipAroundTheOutput)
{
    Rig rig;
    rig.machine.pressDigit(Keypad::First, 1);
    rig.machine.pressDigit(Keypad::First, 2);
    rig.machine.pressDigit(Keypad::Second, 0);
    EXPECT_EQ(face(rig.machine), "|in12|in0|out"); // digits follow what the display shows
    rig.machine.clearFirstInput();
    EXPECT_EQ(face(rig.machine), "||in0|out");
    rig.machine.clearSecondInput();
    EXPECT_EQ(face(rig.machine), "|||out");
    EXPECT_EQ(rig.experiment("12", "3"), "");
    rig.use(1, 1);
    rig.s().opCode = Value::int16(4);
    EXPECT_EQ(rig.experiment("12", "3"), "4");
    EXPECT_EQ(rig.experiment("12", "0"), "????");
    EXPECT_EQ(rig.log(),
        (Log { "Beep 800 100", "ClipPlay", "Message Devi scegliere un livello!!", "ClipPlay",
            "Beep 800 100", "ClipPlay", "ClipPlay", "Beep 800 100", "ClipPlay" }));
}

TEST(Keypad, EraseLastDigitTakesOffOneDigitAndLeavesTheWordIn)
{
    // The input before, then after erasing its last digit.
    const std::pair<const char*, const char*> cases[] = {
        { "123", "12" },
        { "7", "" },
        { "", "" },
        { "in", "in" },
        { "in40", "in4" },
    };
    for (const auto& [before, after] : cases) {
        Rig rig;
        rig.machine.setText(Control::SecondInput, before);
        rig.machine.setText(Control::FirstInput, "5");
        rig.machine.eraseLastDigit(Keypad::Second);
        EXPECT_EQ(rig.machine.text(Control::SecondInput), after) << before;
        EXPECT_EQ(rig.machine.text(Control::FirstInput), "5") << "the other input stays";
    }
}

TEST(LevelCommand, ShowsTheLevelBeepsSpeaksAndClearsTheInputs)
{
    const int schemes[] = { 7, 16, 20, 20, 18 };
    const std::string t1 = std::string("Speak ") + speech::enterValues;
    const std::string t2 = std::string("Speak ") + speech::pressExperiment;
    for (int level = 1; level <= 5; ++level) {
        SCOPED_TRACE(level);
        Rig rig;
        rig.machine.start(); // loads the narrator
        rig.machine.setText(Control::FirstInput, "12");
        rig.machine.setText(Control::SecondInput, "3");
        rig.log().clear();
        rig.random.draws = { top };
        rig.machine.chooseLevel(level);
        const std::string beep = "Beep " + std::to_string(450 + 50 * level) + " 100";
        Log expected = { beep, t1, t2 };
        if (level >= 4)
            expected = { "Show", "Top 100", t1, "Play getattention",
                std::string("Speak ")
                    + (level == 4 ? speech::varyingOutputsLevel4 : speech::varyingOutputsLevel5),
                std::string("Speak ") + speech::regularity, t2, beep };
        EXPECT_EQ(rig.log(), expected);
        EXPECT_EQ(face(rig.machine), "E'attivo il livello " + std::to_string(level) + "|||out");
        EXPECT_EQ(rig.s().activeLevel.number(), level);
        EXPECT_EQ(rig.s().activeScheme().number(), schemes[level - 1]); // the top of the range
        rig.random.draws = { 0.0f };
        rig.machine.chooseLevel(level);
        EXPECT_EQ(rig.s().activeScheme().number(), 1);
        EXPECT_EQ(rig.random.reseeds, 18 + 2);
        rig.machine.chooseLevel(level + 5); // no level: nothing happens
        EXPECT_EQ(rig.s().activeLevel.number(), level);
    }
}

TEST(ChangeMechanism, DrawsTwoDifferentConstantsNeverZero)
{
    // clock digit, draw -> c1, c2
    const std::tuple<int, float, int, int> rows[] = {
        { 4, 0.0f, 6, 5 }, // c1 would equal c2: one more
        { 9, 0.0f, 1, 10 }, // 10, one more, past 9: 1
        { 4, 0.9f, 3, 5 }, // 5 + 5 wraps to 0, which becomes 3
        { 8, 0.2f, 3, 9 }, // 9 + 1 wraps to 0
        { 0, top, 6, 1 }, // 1 + 5
        { 6, 0.7f, 1, 7 }, // 7 + 4 wraps to 1
    };
    for (const auto& [digit, draw, c1, c2] : rows) {
        Rig rig;
        rig.clock.digit = digit;
        rig.random.draws = { draw };
        rig.machine.changeMechanism();
        EXPECT_EQ(rig.s().c1(), c1) << digit << ", " << draw;
        EXPECT_EQ(rig.s().c2(), c2) << digit << ", " << draw;
    }
    for (int digit = 0; digit <= 9; ++digit) {
        for (int k = 0; k < 60; ++k) {
            Rig rig;
            rig.clock.digit = digit;
            rig.random.draws = { static_cast<float>(k) / 60 };
            rig.machine.changeMechanism();
            EXPECT_NE(rig.s().c1(), rig.s().c2()) << digit << ", " << k;
            EXPECT_TRUE(rig.s().c1() >= 1 && rig.s().c1() <= 9) << digit << ", " << k;
        }
    }
}

TEST(ChangeMechanism, ClearsOutputResetsCountsRedrawsSchemes)
{
    Rig rig;
    rig.machine.start();
    rig.machine.chooseLevel(3);
    EXPECT_NE(rig.experiment("12", "3"), "");
    MachineState& s = rig.s();
    s.experimentCount = s.secondOpCount = s.calc31Count = Value::int16(5);
    s.loadedFromFile = true;
    rig.log().clear();
    rig.random.draws = { 0.0f, ScriptedRandom::forWhole(2, 7), ScriptedRandom::forWhole(3, 16),
        ScriptedRandom::forWhole(4, 20), ScriptedRandom::forWhole(5, 20),
        ScriptedRandom::forWhole(6, 18) };
    const int reseeds = rig.random.reseeds;
    rig.machine.changeMechanism();
    EXPECT_EQ(rig.log(), (Log { "GotoFrame 1", "Beep 500 100" }));
    EXPECT_EQ(face(rig.machine), "E' attivo il  livello3|12|3|");
    for (int level = 1; level <= 5; ++level)
        EXPECT_EQ(s.scheme(Level::number(level)).number(), level + 1);
    EXPECT_EQ(rig.random.reseeds, reseeds + 5); // c1 is drawn without a reseed
    EXPECT_EQ(s.experimentCount.number() + s.secondOpCount.number(), 0);
    EXPECT_EQ(s.calc31Count.number(), 5);
    EXPECT_FALSE(s.loadedFromFile);

    Rig none;
    none.machine.changeMechanism();
    EXPECT_EQ(none.machine.text(Control::StatusLine), "E' attivo il  ");
}

TEST(Operations, DrawTheCodesAndShowTheOperationsClip)
{
    const std::pair<const char*, const char*> rows[]
        = { { "+", "+" }, { "-", "*" }, { "*", "-" }, { ":", ":" } };
    for (int k = 1; k <= 4; ++k) {
        const auto& [symbol, altSymbol] = rows[k - 1];
        Rig rig;
        rig.s().loadedFromFile = true;
        rig.random.draws = { ScriptedRandom::forWhole(k, 4), 0.3f, 0.9f };
        rig.machine.changeOperation();
        EXPECT_EQ(rig.log(), (Log { "Clip " + std::to_string(k), "Beep 700 100" }));
        EXPECT_EQ(rig.s().opCode.number(), k);
        EXPECT_EQ(rig.s().partOpCode.number() * 10 + rig.s().joinOpCode.number(), 24);
        EXPECT_EQ(rig.s().opSymbol + rig.s().altOpSymbol, std::string(symbol) + altSymbol);
        EXPECT_FALSE(rig.s().loadedFromFile);
    }
}

TEST(Lights, AlternateBetweenTwoPhases)
{
    Rig rig;
    EXPECT_EQ(rig.machine.onLampTick(), LightPhase::First);
    EXPECT_EQ(rig.machine.onLampTick(), LightPhase::Second);
    EXPECT_EQ(rig.machine.onLampTick(), LightPhase::First);
    EXPECT_TRUE(rig.s().lightPhase);
}

TEST(FirstOutput, PlaysOnceWithALevelThenStopsCounting)
{
    Rig rig;
    rig.machine.start();
    rig.experiment("12", "3"); // no level: the changes of the output do not count
    EXPECT_EQ(rig.s().outputChangeCount, 0);
    rig.machine.chooseLevel(1);
    rig.log().clear();
    rig.experiment("12", "3");
    Recorder expected;
    expected.log = { "Beep 800 100", "ClipPlay", "ClipPlay" };
    FakeNarrator narrator(expected);
    sceneFirstOutput(narrator);
    EXPECT_EQ(rig.log(), expected.log);
    for (int run = 0; run < 40; ++run)
        rig.experiment(std::to_string(run), "3");
    EXPECT_EQ(std::count(rig.log().begin(), rig.log().end(), "Play DoMagic2"), 1);
    EXPECT_EQ(rig.s().outputChangeCount, 2);
}
