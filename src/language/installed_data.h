// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quorvel {

// The data folder of an installed copy (share/quorvel beside the prefix's bin folder, wherever
// the prefix is), found from the folder of the running executable. A build folder keeps the same
// files beside the executable instead; each caller looks there first.
QString installedDataFolder(const QString& programFolder);

} // namespace quorvel
