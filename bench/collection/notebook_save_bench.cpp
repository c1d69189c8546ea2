// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeping a pupil's notebook after an experiment, as the window and the console do after each
// one: the cost of one save when the notebook already holds N trials (pages of 30 trials).
// It should not grow with N.
#include "core/collection/sqlite_store.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

namespace {

quorvel::Trial trialNumber(int number)
{
    return { number, std::to_string(number), "7", double(number), 7.0, std::to_string(number + 7),
        std::nullopt, false };
}

void addTrial(std::vector<quorvel::Page>& notebook)
{
    if (notebook.empty() || notebook.back().trials.size() == 30) {
        quorvel::Page page;
        page.number = static_cast<int>(notebook.size()) + 1;
        page.level = quorvel::Level::number(1);
        notebook.push_back(page);
    }
    auto& trials = notebook.back().trials;
    trials.push_back(trialNumber(static_cast<int>(trials.size()) + 1));
}

void SaveAfterOneExperiment(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path()
        / ("quorvel-bench-" + std::to_string(std::random_device {}()));
    {
        quorvel::SqliteStore store(folder);
        store.addProfile("Anna");
        std::vector<quorvel::Page> notebook;
        for (int i = 0; i < state.range(0); ++i)
            addTrial(notebook);
        store.saveNotebook("Anna", notebook);
        for (auto _ : state) {
            addTrial(notebook);
            store.saveNotebook("Anna", notebook);
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(SaveAfterOneExperiment)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(5000)
    ->Iterations(100)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
