// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "language/class_link.h"

#include "core/app/translation.h"
#include "platform/sqlite/sqlite_store.h"

#include <QFileInfo>
#include <QLibrary>
#include <QSettings>

#ifndef QUORVEL_MODULE_DIR
#define QUORVEL_MODULE_DIR "../lib/quorvel"
#endif

namespace quorvel {
namespace {

constexpr const char* uriKey = "classe/uri";

using ClassStoreEntry = CollectionStore* (*)(const std::string& uri, Outbox* local,
    Language language, Translator translator, std::string& problem);

ClassStoreEntry loadEntry(const QString& programFolder, std::string& problem)
{
    static ClassStoreEntry entry = nullptr;
    if (entry)
        return entry;
    for (const QString& folder :
        { programFolder, programFolder + QStringLiteral("/" QUORVEL_MODULE_DIR) }) {
        const QString path = folder + QStringLiteral("/quorvel_classe.so");
        if (!QFileInfo::exists(path))
            continue;
        QLibrary library(path);
        if (library.load())
            entry = reinterpret_cast<ClassStoreEntry>(library.resolve("quorvelClassStore"));
        if (entry)
            return entry;
        problem = library.errorString().toStdString();
        return nullptr;
    }
    problem = "quorvel_classe.so";
    return nullptr;
}

// The line given with --classe: a choice for the whole run, made once at its start.
std::optional<std::string>& commandLineUri()
{
    static std::optional<std::string> uri;
    return uri;
}

} // namespace

void useClassUriOfCommandLine(std::string uri)
{
    commandLineUri() = std::move(uri);
}

std::optional<std::string> takeClassArgument(int& argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) != "--classe")
            continue;
        std::string uri = argv[i + 1];
        for (int k = i; k + 2 <= argc; ++k)
            argv[k] = argv[k + 2];
        argc -= 2;
        return uri;
    }
    return std::nullopt;
}

std::optional<std::string> configuredClassUri()
{
    if (commandLineUri())
        return commandLineUri();
    const QString uri = QSettings().value(uriKey).toString().trimmed();
    if (uri.isEmpty())
        return std::nullopt;
    return uri.toStdString();
}

void rememberClassUri(const std::string& uri)
{
    QSettings settings;
    if (uri.empty())
        settings.remove(uriKey);
    else
        settings.setValue(uriKey, QString::fromStdString(uri));
}

std::unique_ptr<CollectionStore> openClassStore(
    const std::string& uri, const std::filesystem::path& localFolder, const QString& programFolder)
{
    std::string problem;
    const ClassStoreEntry entry = loadEntry(programFolder, problem);
    if (!entry)
        //: %1 is the missing piece of the program, or why it could not be loaded
        throw StoreFault(fill(translate("Class",
                                  "Per giocare con la classe manca un pezzo di Quorvel (%1): "
                                  "chiedi aiuto a chi amministra il computer."),
            { problem }));
    // The program's own database keeps what waits for the server.
    auto local = std::make_unique<SqliteStore>(localFolder);
    CollectionStore* store
        = entry(uri, local.release(), currentLanguage(), currentTranslator(), problem);
    if (!store)
        throw StoreFault(problem);
    return std::unique_ptr<CollectionStore>(store);
}

} // namespace quorvel
