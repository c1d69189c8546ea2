// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/data_folder.h"

#include "language/installed_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quorvel {

QString dataFolder()
{
    const QString program = QCoreApplication::applicationDirPath();
    const QString installed = installedDataFolder(program);
    // The first clip stands for the whole set.
    const auto holdsData = [](const QString& folder) {
        return QFileInfo::exists(folder + QStringLiteral("/rosso.gif"));
    };
    if (!holdsData(program) && holdsData(installed))
        return installed;
    return program;
}

} // namespace quorvel
