// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One experiment of every mechanism through the core, the beep excluded (the speaker here is
// silent and returns at once). Iterative mechanisms are measured again at their worst inputs.

#include "core/app/machine.h"
#include "core/app/random.h"
#include "core/mechanisms/dispatch.h"
#include "platform/system_clock.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quorvel;

struct Quiet : Speaker, ClipPlayer, CharacterService, MessageBox
{
    void beep(int, int) override { }
    void showOperation(int) override { }
    void playClip() override { }
    void stopClip() override { }
    void showFrame(int) override { }
    Narrator* load(const std::string&) override { return nullptr; }
    void show(const std::string&) override { }
};

struct Bench
{
    Quiet quiet;
    SystemClock clock { 10 * 3600 + 5 };
    MixingRandom random { 42 };
    Machine machine { Ports { quiet, quiet, quiet, quiet, clock, random } };

    Bench(int level, int scheme, const std::string& first, const std::string& second)
    {
        machine.start();
        machine.changeOperation();
        MachineState& s = machine.writableState();
        s.activeLevel = Level::number(level);
        s.setScheme(s.activeLevel, Value::int16(scheme));
        machine.clearFirstInput();
        machine.clearSecondInput();
        machine.typeDigits(Keypad::First, first);
        machine.typeDigits(Keypad::Second, second);
    }
};

void experiment(
    benchmark::State& state, int level, int scheme, std::string first, std::string second)
{
    Bench bench(level, scheme, first, second);
    for (auto _ : state) {
        bench.machine.runExperiment();
        benchmark::DoNotOptimize(bench.machine.text(Control::Output));
    }
}

// Each mechanism once, at the first level and scheme that select it.
void registerAll()
{
    const char* names[] = { "calc01", "calc07", "calc08", "calc09", "calc24", "calc25", "calc37",
        "calc10", "calc20", "calc21", "calc03", "calc04", "calc33", "calc34", "calc35", "calc36",
        "calc11", "calc18", "calc19", "calc23", "calc22", "calc05", "calc06", "calc38", "calc39",
        "calc26", "calc27", "calc28", "calc29", "calc30", "calc31", "calc32", "calc44", "calc45",
        "calc46", "calc47", "calc15", "calc16", "calc17", "calc40", "calc41", "calc42", "calc43" };
    // (level, scheme) for each name above, in the same order.
    const int at[][2] = { { 1, 1 }, { 1, 2 }, { 1, 3 }, { 1, 4 }, { 1, 5 }, { 1, 6 }, { 1, 7 },
        { 2, 7 }, { 2, 8 }, { 2, 9 }, { 2, 10 }, { 2, 11 }, { 2, 12 }, { 2, 13 }, { 2, 14 },
        { 2, 15 }, { 3, 12 }, { 3, 13 }, { 3, 14 }, { 3, 15 }, { 3, 16 }, { 3, 17 }, { 3, 18 },
        { 3, 19 }, { 3, 20 }, { 4, 8 }, { 4, 9 }, { 4, 10 }, { 4, 11 }, { 4, 12 }, { 4, 13 },
        { 4, 14 }, { 4, 17 }, { 4, 18 }, { 4, 19 }, { 4, 20 }, { 5, 1 }, { 5, 2 }, { 5, 3 },
        { 5, 4 }, { 5, 5 }, { 5, 6 }, { 5, 7 } };
    for (std::size_t i = 0; i < std::size(names); ++i)
        benchmark::RegisterBenchmark(names[i], experiment, at[i][0], at[i][1], "123", "45");
    const char* iterative[] = { "calc44", "calc45", "calc46", "calc47" };
    for (int i = 0; i < 4; ++i)
        benchmark::RegisterBenchmark((std::string(iterative[i]) + "/worst").c_str(), experiment, 4,
            17 + i, "32767", "32749");
}

} // namespace

int main(int argc, char** argv)
{
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
