// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace quorvel {

class Notebook;

// The whole notebook as a table for a spreadsheet under an Italian locale: UTF-8 with a
// byte-order mark, ";" between fields, a decimal comma, a header row, one row per trial.
std::string notebookCsv(const Notebook& notebook);

} // namespace quorvel
