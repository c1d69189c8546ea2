// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console/console_session.h"
#include "core/app/version.h"
#include "core/collection/classroom.h"
#include "language/class_link.h"
#include "language/language.h"
#include "language/shared_settings.h"
#include "platform/environment.h"
#include "platform/pin_hash.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include <unistd.h>

namespace {

// --hash-pin: a PIN read from the input (asked twice on a terminal) becomes the lines an
// administrator puts in the system-wide settings, so that every account of the computer has it.
int hashPin()
{
    const bool terminal = isatty(STDIN_FILENO) != 0;
    std::string pin;
    if (terminal)
        std::cerr << "PIN dell'insegnante (da 4 a 8 cifre): ";
    std::getline(std::cin, pin);
    if (terminal) {
        std::string again;
        std::cerr << "Scrivilo di nuovo: ";
        std::getline(std::cin, again);
        if (again != pin) {
            std::cerr << "quorvel-console: i due PIN non sono uguali\n";
            return 2;
        }
    }
    if (!quorvel::wellFormedPin(pin)) {
        std::cerr << "quorvel-console: il PIN dev'essere fatto di 4-8 cifre\n";
        return 2;
    }
    std::cout << "# /etc/xdg/Quorvel/Quorvel.conf\n"
              << quorvel::administratorPinLines(quorvel::hashPin(pin));
    return std::cout.flush() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::string problem;
    // --lingua is the window's option too: taken out first, the same way.
    const auto language = quorvel::takeLanguageArgument(argc, argv, problem);
    auto options
        = problem.empty() ? quorvel::parseConsoleOptions(argc, argv, problem) : std::nullopt;
    if (!options) {
        std::cerr << problem << '\n';
        return 2;
    }
    if (options->showVersion) {
        std::cout << "quorvel-console " << quorvel::programVersion << '\n';
        return std::cout.flush() ? 0 : 1;
    }
    quorvel::nameTheProgram();
    if (options->hashPin)
        return hashPin();
    options->programFolder = std::filesystem::absolute(argv[0]).parent_path();
    quorvel::installLanguage(language.value_or(quorvel::languageFromEnvironment()),
        QString::fromStdString(options->programFolder.string()));
    options->decimalSeparator = quorvel::decimalSeparatorFromEnvironment();
    options->dataFolder = quorvel::pupilsFolder();
    options->administratorPinHash = quorvel::administratorPinHash();
    if (!options->classUri)
        options->classUri = quorvel::configuredClassUri();
    quorvel::ConsoleSession session(*options, std::cout);
    if (options->classUri)
        session.runLive(STDIN_FILENO);
    else
        session.run(std::cin);
    // An output that could not be written (a full disk, a closed pipe) is a failure.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "quorvel-console: l'uscita non si può scrivere\n";
        return 1;
    }
    return 0;
}
