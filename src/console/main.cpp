// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console/console_session.h"
#include "core/app/regional.h"
#include "core/app/version.h"
#include "language/language.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

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
    options->programFolder = std::filesystem::absolute(argv[0]).parent_path();
    quorvel::installLanguage(language.value_or(quorvel::languageFromEnvironment()),
        QString::fromStdString(options->programFolder.string()));
    options->decimalSeparator = quorvel::decimalSeparatorFromEnvironment();
    options->dataFolder = quorvel::dataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    quorvel::ConsoleSession session(*options, std::cout);
    session.run(std::cin);
    // An output that could not be written (a full disk, a closed pipe) is a failure.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "quorvel-console: l'uscita non si può scrivere\n";
        return 1;
    }
    return 0;
}
