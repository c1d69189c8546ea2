// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/modules/modules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

#include <cstdio>

#ifndef QUORVEL_MODULE_DIR
#define QUORVEL_MODULE_DIR "../lib/quorvel"
#endif

namespace quorvel {
namespace {

#if defined(Q_OS_WIN)
constexpr char moduleSuffix[] = ".dll";
#else
constexpr char moduleSuffix[] = ".so";
#endif

// Looks for the module beside the program (a build folder), then in the modules' folder of an
// installed copy, and keeps it loaded to the process's end.
QFunctionPointer loadEntry(const char* name, const char* entry, const char* without)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString fileName = QLatin1String(name) + QLatin1String(moduleSuffix);
    QString problem = QStringLiteral("not found");
    for (const QString& folder :
        { programFolder, programFolder + QStringLiteral("/" QUORVEL_MODULE_DIR) }) {
        const QString path = folder + '/' + fileName;
        if (!QFileInfo::exists(path))
            continue;
        QLibrary library(path);
        if (library.load()) {
            if (QFunctionPointer function = library.resolve(entry))
                return function;
        }
        problem = library.errorString();
        break;
    }
    std::fprintf(stderr, "quorvel: module %s not loaded (%s); %s\n", qPrintable(fileName),
        qPrintable(problem), without);
    return nullptr;
}

template <typename Module, typename Entry>
Module* loadOnce(const char* fileName, const char* entry, const char* without)
{
    static Module* const module = [&]() -> Module* {
        const auto function = reinterpret_cast<Entry>(loadEntry(fileName, entry, without));
        return function ? function(currentLanguage(), currentTranslator()) : nullptr;
    }();
    return module;
}

} // namespace

MediaModule* mediaModule()
{
    return loadOnce<MediaModule, QuorvelMediaEntry>(
        "quorvel_media", "quorvelMediaModule", "sounds and speech stay silent");
}

DocumentModule* documentModule()
{
    return loadOnce<DocumentModule, QuorvelDocumentEntry>(
        "quorvel_documents", "quorvelDocumentModule", "the notebook has no PDF and no printing");
}

} // namespace quorvel
