// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "language/language.h"

#include "language/installed_data.h"
#include "platform/environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <cstdio>
#include <cstring>

namespace quorvel {
namespace {

QTranslator* programTexts = nullptr;

std::string throughQt(const char* context, const char* source)
{
    const QString text = programTexts->translate(context, source);
    return text.isEmpty() ? std::string(source) : text.toStdString();
}

// Qt's own texts (the buttons and questions of its dialogs), in the language when Debian's
// translations are there; Qt's built-in texts are English already.
void installQtTexts(Language language)
{
    if (!QCoreApplication::instance())
        return;
    static QTranslator qtTexts;
    static bool installed = false;
    if (language == Language::english) {
        QCoreApplication::removeTranslator(&qtTexts);
        installed = false;
        return;
    }
    if (!installed
        && qtTexts.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installed = QCoreApplication::installTranslator(&qtTexts);
}

} // namespace

std::optional<Language> takeLanguageArgument(int& argc, char** argv, std::string& problem)
{
    std::optional<Language> chosen;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const char* value = nullptr;
        if (std::strcmp(argv[i], "--lingua") == 0) {
            value = i + 1 < argc ? argv[++i] : "";
        } else if (std::strncmp(argv[i], "--lingua=", 9) == 0) {
            value = argv[i] + 9;
        } else {
            argv[kept++] = argv[i];
            continue;
        }
        chosen = languageNamed(value);
        if (!chosen) {
            problem = "--lingua vuole it oppure en";
            return std::nullopt;
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return chosen;
}

Language chosenLanguage()
{
    const QByteArray code = QSettings().value(QStringLiteral("lingua")).toString().toLatin1();
    return languageNamed(code.toStdString()).value_or(languageFromEnvironment());
}

void rememberLanguage(Language language)
{
    QSettings().setValue(QStringLiteral("lingua"), QLatin1String(languageCode(language)));
}

QString translationsFolderBeside(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("translations"));
}

bool installLanguage(Language language, const QString& programFolder)
{
    installQtTexts(language);
    static QTranslator texts;
    if (programTexts && QCoreApplication::instance())
        QCoreApplication::removeTranslator(programTexts);
    programTexts = nullptr;
    useLanguage(Language::italian, nullptr);
    if (language == Language::italian)
        return true;
    const QString name = QStringLiteral("quorvel_%1").arg(QLatin1String(languageCode(language)));
    const QString installed = installedDataFolder(programFolder) + QStringLiteral("/translations");
    if (!texts.load(name, translationsFolderBeside(programFolder))
        && !texts.load(name, installed)) {
        std::fprintf(
            stderr, "quorvel: %s.qm is missing; the texts stay in Italian\n", qPrintable(name));
        return false;
    }
    programTexts = &texts;
    if (QCoreApplication::instance())
        QCoreApplication::installTranslator(&texts);
    useLanguage(language, throughQt);
    return true;
}

} // namespace quorvel
