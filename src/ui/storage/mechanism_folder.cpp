// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/storage/mechanism_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace quorvel {
namespace {

constexpr const char* folderKey = "meccanismi/cartella";
constexpr const char* exportKey = "esportazioni/cartella";

QString remembered(const char* key = folderKey)
{
    const QString folder = QSettings().value(key).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : MechanismFolder::firstFolder();
}

// The folder itself, or the nearest one above it that exists.
QString nearestExisting(QString folder)
{
    while (!QFileInfo(folder).isDir() && !QDir(folder).isRoot())
        folder = QFileInfo(folder).absolutePath();
    return folder;
}

} // namespace

QString MechanismFolder::firstFolder()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return QDir(documents).filePath("Quorvel");
}

QString MechanismFolder::forSaving()
{
    const QString folder = remembered();
    // A folder that cannot be made leaves the dialog in the nearest one that exists.
    QDir().mkpath(folder);
    return nearestExisting(folder);
}

QString MechanismFolder::forOpening()
{
    return nearestExisting(remembered());
}

QString MechanismFolder::forExporting()
{
    const QString folder = remembered(exportKey);
    QDir().mkpath(folder);
    return nearestExisting(folder);
}

void MechanismFolder::rememberExport(const QString& file)
{
    QSettings().setValue(exportKey, QDir::cleanPath(QFileInfo(file).absolutePath()));
}

void MechanismFolder::remember(const QString& folder)
{
    QSettings().setValue(folderKey, QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
}

} // namespace quorvel
