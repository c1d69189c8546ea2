// The floor the game is measured against (bench/startup): a bare Qt Widgets window of the same
// client size with one label, and a 500 ms timer doing trivial work that repaints it, as the
// game's lights do.
#include "ui/app/bench_hooks.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    quorvel::installBenchHooks();

    QLabel label("Quorvel");
    label.setAlignment(Qt::AlignCenter);
    label.resize(785, 529); // the size of the machine's face
    QTimer timer;
    bool phase = false;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        phase = !phase;
        label.setText(phase ? "Quorvel." : "Quorvel");
    });
    timer.start(500);
    label.show();
    return QApplication::exec();
}
