// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeping a pupil's notebook after an experiment, as the window and the console do after each
// one: the cost of one save when the store already keeps N trials, on pages of 30 trials (a
// year of lessons), and of reading back a notebook whose one page holds N trials. A save
// should not grow with N; a reading should grow as N does, no faster.
#include "core/collection/collection.h"
#include "core/values/number_text.h"
#include "platform/sqlite/sqlite_store.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

namespace {

using namespace quorvel;

// An experiment on the notebook's current page, a new page every `perPage` trials.
void experiment(Notebook& notebook, int perPage)
{
    const Page* page = notebook.currentPage();
    if (!page || static_cast<int>(page->trials.size()) == perPage)
        notebook.beginPage(Level::number(1));
    const int n = static_cast<int>(notebook.currentPage()->trials.size());
    const int a = n % 97, b = n / 97 % 89;
    notebook.record(wholeText(a), wholeText(b), a, b, wholeText(a + b));
}

// A folder of its own for one benchmark, removed at the end.
struct Folder
{
    std::filesystem::path path = std::filesystem::temp_directory_path()
        / ("quorvel-bench-" + std::to_string(std::random_device {}()));
    ~Folder() { std::filesystem::remove_all(path); }
};

// The store as a pupil finds it after N trials: kept, then read back by a new session.
void keepTrials(const std::filesystem::path& folder, long long trials, int perPage)
{
    SqliteStore store(folder);
    store.addProfile("Anna");
    Notebook notebook;
    for (long long i = 0; i < trials; ++i)
        experiment(notebook, perPage);
    store.saveNotebook("Anna", notebook.pages());
}

void SaveAfterOneExperiment(benchmark::State& state)
{
    Folder folder;
    keepTrials(folder.path, state.range(0), 30);
    SqliteStore store(folder.path);
    Collection anna(store, "Anna");
    Notebook notebook;
    notebook.restore(anna.savedNotebook());
    anna.saveNotebook(notebook);
    for (auto _ : state) {
        experiment(notebook, 30);
        anna.saveNotebook(notebook);
    }
}
BENCHMARK(SaveAfterOneExperiment)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(200)
    ->Unit(benchmark::kMillisecond);

void ReadAPageOfNTrials(benchmark::State& state)
{
    Folder folder;
    keepTrials(folder.path, state.range(0), 1 << 30);
    SqliteStore store(folder.path);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.notebook("Anna"));
}
BENCHMARK(ReadAPageOfNTrials)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
