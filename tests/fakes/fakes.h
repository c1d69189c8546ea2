#pragma once

#include "core/app/machine.h"
#include "core/ports/ports.h"

#include <cstdint>
#include <cstdio>
#include <deque>
#include <string>
#include <vector>

namespace quorvel::testing {

// Records every request as one line, e.g. "Beep 800 100", "Speak ...", "Movie /x/rosso.gif".
class Recorder {
public:
    std::vector<std::string> log;
    void record(std::string line) { log.push_back(std::move(line)); }
};

class FakeSpeaker : public Speaker {
public:
    explicit FakeSpeaker(Recorder& r) : m_r(r) { }
    void Beep(int frequency, int ms) override
    {
        m_r.record("Beep " + std::to_string(frequency) + " " + std::to_string(ms));
    }

private:
    Recorder& m_r;
};

class FakeClipPlayer : public ClipPlayer {
public:
    explicit FakeClipPlayer(Recorder& r) : m_r(r) { }
    void setMovie(const std::string& path) override { m_r.record("Movie " + path); }
    void Play() override { m_r.record("ClipPlay"); }
    void StopPlay() override { m_r.record("StopPlay"); }
    void GotoFrame(int frame) override { m_r.record("GotoFrame " + std::to_string(frame)); }

private:
    Recorder& m_r;
};

class FakeNarrator : public Narrator {
public:
    explicit FakeNarrator(Recorder& r) : m_r(r) { }
    void Show() override { m_r.record("Show"); }
    void Hide() override { m_r.record("Hide"); }
    void Speak(const std::string& text) override { m_r.record("Speak " + text); }
    void Play(const std::string& name) override { m_r.record("Play " + name); }
    void MoveTo(std::int16_t x, std::int16_t y) override
    {
        m_r.record("MoveTo " + std::to_string(x) + " " + std::to_string(y));
    }
    void setTop(std::int16_t y) override { m_r.record("Top " + std::to_string(y)); }
    void setLanguageID(int id) override { m_r.record("LanguageID " + std::to_string(id)); }
    void setFontName(const std::string& name) override { m_r.record("FontName " + name); }
    void setFontSize(int size) override { m_r.record("FontSize " + std::to_string(size)); }

private:
    Recorder& m_r;
};

class FakeCharacterService : public CharacterService {
public:
    explicit FakeCharacterService(Recorder& r) : m_narrator(r) { }
    bool available = true;
    Narrator* load(const std::string& id) override
    {
        return available && id == "merlin" ? &m_narrator : nullptr;
    }

private:
    FakeNarrator m_narrator;
};

class FakeMessageBox : public MessageBox {
public:
    explicit FakeMessageBox(Recorder& r) : m_r(r) { }
    void show(const std::string& text) override { m_r.record("Message " + text); }

private:
    Recorder& m_r;
};

class FixedClock : public Clock {
public:
    int seconds = 12 * 3600 + 34 * 60 + 56;
    int secondsSinceMidnight() const override { return seconds; }
    std::string timeOfDay() const override
    {
        char b[16];
        std::snprintf(b, sizeof b, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
        return b;
    }
    void setSecondDigit(int d) { seconds = seconds / 10 * 10 + d; }
};

// Gives the scripted draws in order, then `fallback`. Records reseeds.
class ScriptedRandom : public RandomSource {
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

// A machine wired to recording fakes, in the program folder "/q", with a random source of the
// test's choosing: scripted draws, or the program's own generator seeded.
template <typename Random> struct BasicRig {
    BasicRig() = default;
    explicit BasicRig(std::uint64_t seed) : random(seed) { }

    Recorder recorder;
    FakeSpeaker speaker { recorder };
    FakeClipPlayer clip { recorder };
    FakeCharacterService characters { recorder };
    FakeMessageBox messages { recorder };
    FixedClock clock;
    Random random;
    Machine machine { Ports { speaker, clip, characters, messages, clock, random }, "/q", '.' };

    MachineState& s() { return machine.state(); }
    std::vector<std::string>& log() { return recorder.log; }

    // Types the inputs and runs one experiment; gives what the output display shows.
    std::string experiment(const std::string& first, const std::string& second)
    {
        machine.Label3_Click();
        machine.canc2_Click();
        for (char c : first)
            machine.keypadClick(Keypad::First, c - '0');
        for (char c : second)
            machine.keypadClick(Keypad::Second, c - '0');
        machine.exp_Click();
        return machine.text(Control::usc);
    }

    // Puts a level and scheme in force without the level command's side effects.
    void use(int level, int scheme)
    {
        s().activeLevel = Level::number(level);
        s().setScheme(s().activeLevel, Value::int16(scheme));
    }
};

using Rig = BasicRig<ScriptedRandom>;

} // namespace quorvel::testing
