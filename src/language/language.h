// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/translation.h"

#include <QString>

#include <optional>
#include <string>

namespace quorvel {

// "--lingua it|en" or "--lingua=it|en" among the arguments, taken out of them so that what
// follows sees only its own. problem is set (and nothing returned) for a language we do not
// have or a missing code.
std::optional<Language> takeLanguageArgument(int& argc, char** argv, std::string& problem);

// Shows the program's texts, the core's, and Qt's own (its dialogs' buttons) in the language,
// from the compiled translations beside the executable or in an installed copy's data folder.
// Italian needs no file: its texts are the program's own. False, with one line on standard
// error, when a translation is missing: the program then stays in Italian. May be called
// again (the tests switch languages).
bool installLanguage(Language language, const QString& programFolder);

// The language the pupil last chose in the window's menu, else the system's.
Language chosenLanguage();
// Keeps the choice for the next start.
void rememberLanguage(Language language);

// Where the compiled translations are looked for first: beside the executable.
QString translationsFolderBeside(const QString& programFolder);

} // namespace quorvel
