// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor the game is measured against (bench/startup): a bare Qt Widgets main window of the
// game's client size, with a menu bar and one label. Idle by default; with --toggle, a 500 ms
// timer changes the label's text, as the game's lights blink, for the idle CPU comparison.
#include "ui/app/bench_hooks.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    quorvel::installBenchHooks();

    QMainWindow window;
    window.menuBar()->addMenu("file");
    auto* label = new QLabel("Quorvel", &window);
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    // The size of the machine's face, below the menu bar.
    window.resize(785, 529 + window.menuBar()->sizeHint().height());
    QTimer timer;
    bool phase = false;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        phase = !phase;
        label->setText(phase ? "Quorvel." : "Quorvel");
    });
    if (QCoreApplication::arguments().contains("--toggle"))
        timer.start(500);
    window.show();
    return QApplication::exec();
}
