// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/app/version.h"
#include "language/class_link.h"
#include "language/language.h"
#include "ui/app/bench_hooks.h"
#include "ui/app/data_folder.h"
#include "ui/app/machine_form.h"
#include "ui/app/startup_checks.h"
#include "ui/effects/tone_speaker.h"
#include "ui/narrator/narrator_service.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

// The mechanism file named on the command line, if any: the desktop passes the file a pupil
// opens. Qt's own options were taken out by QApplication; what else begins with '-' is not a
// file, unless it follows "--".
QString fileArgument()
{
    const QStringList arguments = QApplication::arguments().mid(1);
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (!optionsEnded && argument == "--")
            optionsEnded = true;
        else if (optionsEnded || !argument.startsWith('-'))
            return argument;
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("quorvel %s\n", quorvel::programVersion);
        return 0;
    }
    std::string problem;
    const auto language = quorvel::takeLanguageArgument(argc, argv, problem);
    if (!problem.empty()) {
        std::fprintf(stderr, "quorvel: %s\n", problem.c_str());
        return 2;
    }
    // --classe URI: this run plays in that class, whatever the settings say.
    if (auto classUri = quorvel::takeClassArgument(argc, argv))
        quorvel::useClassUriOfCommandLine(std::move(*classUri));
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
    // The desktop finds the menu entry, and the icon at every size, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvel.Quorvel"));
    // The game speaks the language asked for on the command line, else the one chosen in its
    // menu, else the system's; so do Qt's own dialogs (the save dialog's questions and buttons).
    quorvel::installLanguage(
        language.value_or(quorvel::chosenLanguage()), QApplication::applicationDirPath());
    const QString folder = quorvel::dataFolder();
    quorvel::reportUnwritableCurrentFolder();

    quorvel::ToneSpeaker speaker;
    quorvel::NarratorService characters;
    quorvel::MachineForm form(folder, speaker, characters);
    if (const QString file = fileArgument(); !file.isEmpty())
        form.openAtStart(file);
    // The window, the wizard and his balloon all carry the program's icon, given once the
    // window is up: its sizes need not be read before the first picture. A title bar or a task
    // switcher shows it at 64 pixels at most; the desktop's menus and docks take the larger
    // pictures from the icon theme, so the window does not keep them in memory.
    QObject::connect(&form, &quorvel::MachineForm::activated, &form, [] {
        QIcon icon;
        for (int size : { 16, 32, 48, 64 })
            icon.addFile(QStringLiteral(":/icons/quorvel-%1.png").arg(size), QSize(size, size));
        QApplication::setWindowIcon(icon);
    });
    form.show();
    return QApplication::exec();
}
