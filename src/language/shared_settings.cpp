// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "language/shared_settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace quorvel {
namespace {

constexpr const char* pinKey = "insegnante/pin";

} // namespace

void nameTheProgram()
{
    QCoreApplication::setOrganizationName("Quorvel");
    QCoreApplication::setApplicationName("Quorvel");
}

std::filesystem::path pupilsFolder()
{
    return std::filesystem::path(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdU16String());
}

std::optional<std::string> administratorPinHash()
{
    const QSettings system(QSettings::IniFormat, QSettings::SystemScope, "Quorvel", "Quorvel");
    const QString hash = system.value(pinKey).toString();
    if (hash.isEmpty())
        return std::nullopt;
    return hash.toStdString();
}

std::string administratorPinLines(const std::string& hash)
{
    // Written by Qt's settings themselves, so that they read back as they were written: the
    // hash holds commas, which an unquoted value would split into a list.
    const QTemporaryDir folder;
    const QString file = folder.filePath("Quorvel.conf");
    {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue(pinKey, QString::fromStdString(hash));
    }
    QFile written(file);
    if (!written.open(QIODevice::ReadOnly))
        return {};
    return written.readAll().toStdString();
}

} // namespace quorvel
