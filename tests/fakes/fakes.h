// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/machine.h"
#include "core/app/random.h"
#include "core/ports/ports.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace quorvel::testing {

// Records every request as one line, e.g. "Beep 800 100", "Speak ...", "Clip 2".
struct Recorder
{
    std::vector<std::string> log;
    void record(std::string line) { log.push_back(std::move(line)); }
};

// The base of the recording fakes.
struct Recording
{
    explicit Recording(Recorder& r)
        : recorder(r)
    {
    }
    void record(std::string line) { recorder.record(std::move(line)); }
    static std::string n(int v) { return std::to_string(v); }
    Recorder& recorder;
};

struct FakeSpeaker : Speaker, Recording
{
    using Recording::Recording;
    void beep(int frequency, int ms) override { record("Beep " + n(frequency) + " " + n(ms)); }
};

struct FakeClipPlayer : ClipPlayer, Recording
{
    using Recording::Recording;
    void showOperation(int index) override { record("Clip " + n(index)); }
    void playClip() override { record("ClipPlay"); }
    void stopClip() override { record("StopPlay"); }
    void showFrame(int frame) override { record("GotoFrame " + n(frame)); }
};

struct FakeNarrator : Narrator, Recording
{
    using Recording::Recording;
    void appear() override { record("Show"); }
    void disappear() override { record("Hide"); }
    void speak(const std::string& text) override { record("Speak " + text); }
    void playAnimation(const std::string& name) override { record("Play " + name); }
    void moveTo(std::int16_t x, std::int16_t y) override { record("MoveTo " + n(x) + " " + n(y)); }
    void setTop(std::int16_t y) override { record("Top " + n(y)); }
    void stopAll() override { record("StopAll"); }
    void setLanguage(const std::string& tag) override { record("Language " + tag); }
};

// Gives the recording narrator for "merlin" while `available`.
struct FakeCharacterService : CharacterService, Recording
{
    using Recording::Recording;
    bool available = true;
    FakeNarrator narrator { recorder };
    Narrator* load(const std::string& id) override
    {
        return available && id == "merlin" ? &narrator : nullptr;
    }
};

struct FakeMessageBox : MessageBox, Recording
{
    using Recording::Recording;
    void show(const std::string& text) override { record("Message " + text); }
};

// Records "SaveDialog <filter>" and answers with `answer` (nothing = the pupil cancelled).
struct FakeSaveDialog : SaveDialog, Recording
{
    using Recording::Recording;
    std::optional<std::string> answer;
    std::optional<std::string> askSavePath(const std::string& filter) override
    {
        record("SaveDialog " + filter);
        return answer;
    }
};

// Reads 12:34:5x, x being `digit`.
class FixedClock : public Clock
{
public:
    int digit = 6;
    int secondsSinceMidnight() const override { return 45290 + digit; }
    std::string timeOfDay() const override { return "12:34:5" + std::to_string(digit); }
    std::string date = "2026-12-07";
    std::string today() const override { return date; }
    long long epoch = 1796600000;
    long long secondsSinceEpoch() const override { return epoch; }
};

// Gives the scripted draws in order, then `fallback`. Counts reseeds.
class ScriptedRandom : public RandomSource
{
public:
    std::deque<float> draws;
    float fallback = 0.5f;
    int reseeds = 0;
    float next() override
    {
        if (draws.empty())
            return fallback;
        const float r = draws.front();
        draws.pop_front();
        return r;
    }
    void reseed(int) override { ++reseeds; }
    // The draw that makes ⌊k·r + 1⌋ give `whole` (1..k).
    static float forWhole(int whole, int k) { return (static_cast<float>(whole) - 0.5f) / k; }
};

// Ids "id1", "id2", ... and a clock that reads `now` microseconds, set by the test.
class CountingIdentity : public IdentitySource
{
public:
    long long now = 1000;
    int given = 0;
    std::string newId() override { return "id" + std::to_string(++given); }
    long long microsecondsNow() override { return now; }
};

// A machine wired to recording fakes, with a random source of the
// test's choosing: scripted draws, or the program's own generator seeded.
template <typename Random> struct BasicRig
{
    BasicRig() = default;
    explicit BasicRig(std::uint64_t seed)
        : random(seed)
    {
    }

    Recorder recorder;
    FakeSpeaker speaker { recorder };
    FakeClipPlayer clip { recorder };
    FakeCharacterService characters { recorder };
    FakeMessageBox messages { recorder };
    FixedClock clock;
    Random random;
    Machine machine { Ports { speaker, clip, characters, messages, clock, random }, '.' };

    MachineState& s() { return machine.writableState(); }
    std::vector<std::string>& log() { return recorder.log; }

    // Puts the input texts in place as they are and runs one experiment; gives what the
    // output display shows.
    std::string experiment(const std::string& first, const std::string& second)
    {
        machine.setText(Control::FirstInput, first);
        machine.setText(Control::SecondInput, second);
        machine.runExperiment();
        return machine.text(Control::Output);
    }

    // Puts a level and scheme in force without the level command's side effects.
    void use(int level, int scheme)
    {
        s().activeLevel = Level::number(level);
        s().setScheme(s().activeLevel, Value::int16(scheme));
    }

    void setConstants(int c1, int c2)
    {
        s().paramGrid[1][1] = static_cast<std::int16_t>(c1);
        s().paramGrid[2][2] = static_cast<std::int16_t>(c2);
    }
};

using Rig = BasicRig<ScriptedRandom>;

// The program's own generator: for the spread of outputs over many experiments. The record
// is cleared before each experiment to stay small.
struct SeededRig : BasicRig<MixingRandom>
{
    using BasicRig::BasicRig;
    std::string experiment(const std::string& first, const std::string& second)
    {
        recorder.log.clear();
        return BasicRig::experiment(first, second);
    }
};

} // namespace quorvel::testing
