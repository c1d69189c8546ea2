// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace quorvel {

class SqliteConnection;

// What was copied out of a damaged database: for each table, whether every row was.
struct Rescue
{
    std::map<std::string, bool> whole;
};

// Copies every row that can still be read from the damaged database `damaged` into `fresh`, a
// new database of the same schema version, table by table, each after the tables its rows
// refer to. A damaged page of a table costs the rows on it and nothing more: the copy goes on
// past it. A damaged index costs nothing, since the rows are read from their tables alone. A
// row whose pupil or page was lost is left out.
Rescue copyReadableRows(const std::filesystem::path& damaged, SqliteConnection& fresh);

// What the pupil is told: the damaged file was set aside as `asideName`, with what was copied
// into the fresh database and what could not be read.
std::string rescueNotice(
    const std::string& asideName, const Rescue& rescue, SqliteConnection& fresh);

} // namespace quorvel
