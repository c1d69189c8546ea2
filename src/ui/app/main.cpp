#include "app/bench_hooks.h"
#include "app/machine_form.h"
#include "effects/tone_speaker.h"
#include "narrator/narrator_service.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryFile>
#include <cstdio>
#include <cstdlib>

namespace {

// Whether a window can be shown at all: a platform was named, or a display is there.
bool displayAvailable()
{
#if defined(Q_OS_LINUX)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// Nothing is written to the current folder, but a pupil who saves there would fail: say so.
void reportUnwritableCurrentFolder()
{
    QTemporaryFile probe(QDir::current().filePath("quorvel-XXXXXX"));
    if (probe.open())
        return;
    const QString here = QDir::toNativeSeparators(QDir::currentPath());
    std::fprintf(stderr, "quorvel: the current folder %s is not writable; save mechanisms in "
                         "another folder\n",
                 here.isEmpty() ? "(no longer there)" : qPrintable(here));
}

} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fprintf(stderr, "quorvel: no display to open the window on; "
                             "build/bin/quorvel-console plays the game in a terminal.\n");
        return 1;
    }
    QApplication app(argc, argv);
    quorvel::installBenchHooks();
    QApplication::setApplicationName("Quorvel");
    const QString folder = QCoreApplication::applicationDirPath();
    reportUnwritableCurrentFolder();

    quorvel::ToneSpeaker speaker;
    quorvel::NarratorService characters;
    quorvel::MachineForm form(folder, speaker, characters);
    form.show();
    return QApplication::exec();
}
