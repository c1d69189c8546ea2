// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Choosing a pupil at the window whose last notebook page holds N trials, with the notebook
// open: the CPU time from the choice to the panel painted with the page's table and plot, and
// how long the window was kept busy; then one more trial written on that page, shown and kept.
// Offscreen, one measurement per size, after one unreported run that loads what the first
// drawing of a plot needs.
//
//     bench_page_load [N...]      (default: 1000 10000 100000)
#include "core/app/machine.h"
#include "core/app/random.h"
#include "core/values/number_text.h"
#include "platform/sqlite/sqlite_store.h"
#include "platform/system_clock.h"
#include "ui/notebook/notebook_panel.h"
#include "ui/pupils/pupil_presenter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <string>

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
    void show(const std::string& text) override { std::cerr << text << '\n'; }
};

// A pupil with one page of `trials` trials: the sums of two numbers up to 99.
void keepPupil(const std::filesystem::path& folder, int trials)
{
    SqliteStore store(folder);
    store.addProfile("Anna");
    Notebook notebook;
    notebook.beginPage(Level::number(1));
    for (int n = 0; n < trials; ++n) {
        const int a = n % 97, b = (n / 97) % 89;
        notebook.record(wholeText(a), wholeText(b), a, b, wholeText(a + b));
    }
    store.saveNotebook("Anna", notebook.pages());
}

double cpuMilliseconds()
{
    return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

void measure(int trials, bool report = true)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    keepPupil(std::filesystem::path(PupilPresenter::folder().toStdU16String()), trials);

    Quiet quiet;
    SystemClock clock { 10 * 3600 };
    MixingRandom random { 42 };
    Machine machine { Ports { quiet, quiet, quiet, quiet, clock, random } };
    NotebookPanel panel(machine);
    panel.resize(NotebookPanel::naturalWidth, 900);
    panel.show();
    PupilPresenter session(machine, clock, quiet, {});
    session.open();
    QApplication::processEvents();

    const double cpu = cpuMilliseconds();
    QElapsedTimer wall;
    wall.start();
    session.choose("Anna");
    panel.repaint();
    QApplication::processEvents();
    const double spent = cpuMilliseconds() - cpu;
    const double busy = static_cast<double>(wall.nsecsElapsed()) / 1e6;
    const Page* shown = machine.notebook().currentPage();
    const std::size_t rows = shown ? shown->trials.size() : 0;

    const double before = cpuMilliseconds();
    machine.notebook().record("5", "6", 5, 6, "11");
    session.keepNotebook();
    panel.repaint();
    QApplication::processEvents();
    const double oneMore = cpuMilliseconds() - before;
    if (report)
        std::printf("page of %6d trials: chosen in %7.1f ms CPU (window busy %7.1f ms, %zu rows "
                    "shown); one more trial %5.1f ms CPU\n",
            trials, spent, busy, rows, oneMore);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Quorvel");
    QApplication::setApplicationName("Quorvel");
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(static_cast<int>(readWhole(argv[i]).value_or(0)));
    if (sizes.empty())
        sizes = { 1000, 10000, 100000 };
    measure(100, false);
    for (int trials : sizes)
        measure(trials);
    return 0;
}
