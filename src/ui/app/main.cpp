#include "ui/app/bench_hooks.h"
#include "ui/app/machine_form.h"
#include "ui/app/startup_checks.h"
#include "ui/effects/tone_speaker.h"
#include "ui/narrator/narrator_service.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

namespace {

// Whether a window can be shown at all: a platform was named, or a display is there.
bool displayAvailable()
{
#if defined(Q_OS_LINUX)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fprintf(stderr,
            "quorvel: no display to open the window on; "
            "build/bin/quorvel-console plays the game in a terminal.\n");
        return 1;
    }
    quorvel::keepMemoryCompact();
    QApplication app(argc, argv);
    quorvel::installBenchHooks();
    QApplication::setOrganizationName("Quorvel");
    QApplication::setApplicationName("Quorvel");
    // The game speaks Italian: so do Qt's own dialogs (the save dialog's questions and buttons).
    QTranslator qtItalian;
    if (qtItalian.load(QLocale(QLocale::Italian), "qtbase", "_",
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtItalian);
    const QString folder = QCoreApplication::applicationDirPath();
    quorvel::reportUnwritableCurrentFolder();

    quorvel::ToneSpeaker speaker;
    quorvel::NarratorService characters;
    quorvel::MachineForm form(folder, speaker, characters);
    form.show();
    return QApplication::exec();
}
