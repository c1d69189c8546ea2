// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef QUORVEL_DATA_DIR
#define QUORVEL_DATA_DIR "../share/quorvel"
#endif

namespace quorvel {

QString dataFolder()
{
    const QString program = QCoreApplication::applicationDirPath();
    const QString installed = QDir::cleanPath(program + QStringLiteral("/" QUORVEL_DATA_DIR));
    // The first clip stands for the whole set.
    const auto holdsData = [](const QString& folder) {
        return QFileInfo::exists(folder + QStringLiteral("/rosso.gif"));
    };
    if (!holdsData(program) && holdsData(installed))
        return installed;
    return program;
}

} // namespace quorvel
