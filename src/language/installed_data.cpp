// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "language/installed_data.h"

#include <QDir>

#ifndef QUORVEL_DATA_DIR
#define QUORVEL_DATA_DIR "../share/quorvel"
#endif

namespace quorvel {

QString installedDataFolder(const QString& programFolder)
{
    return QDir::cleanPath(programFolder + QStringLiteral("/" QUORVEL_DATA_DIR));
}

} // namespace quorvel
