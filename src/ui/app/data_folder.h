// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quorvel {

// Where the clips, the light pictures and the emblem are: beside the executable (a build
// folder), else in the data folder of an installed copy (../share/quorvel from the
// executable's folder, wherever its prefix is). When neither holds them, the executable's
// folder, and each missing picture is reported as it is looked for.
QString dataFolder();

} // namespace quorvel
