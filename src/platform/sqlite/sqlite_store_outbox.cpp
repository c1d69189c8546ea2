// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What waits on this computer for a class's server, and the settings of its own.
#include "platform/sqlite/sqlite_store.h"

namespace quorvel {

void SqliteStore::addOutgoing(const std::string& destination, const Outgoing& item)
{
    SqliteTransaction transaction(*m_db);
    SqliteStatement insert(
        *m_db, "INSERT INTO outbox (destination, call, arguments, trials) VALUES (?, ?, ?, ?)");
    insert.bind(1, destination).bind(2, item.call).bind(3, item.arguments);
    insert.bind(4, static_cast<long long>(item.trials)).run();
    transaction.commit();
}

std::vector<Outbox::Outgoing> SqliteStore::outgoing(const std::string& destination, int limit)
{
    SqliteStatement read(*m_db,
        "SELECT seq, call, arguments, trials FROM outbox WHERE destination = ? ORDER BY seq "
        "LIMIT ?");
    read.bind(1, destination).bind(2, static_cast<long long>(limit));
    std::vector<Outgoing> items;
    while (read.step())
        items.push_back(
            { read.number(0), read.text(1), read.text(2), static_cast<int>(read.number(3)) });
    return items;
}

void SqliteStore::removeOutgoing(const std::string& destination, long long seq)
{
    SqliteTransaction transaction(*m_db);
    SqliteStatement remove(*m_db, "DELETE FROM outbox WHERE destination = ? AND seq <= ?");
    remove.bind(1, destination).bind(2, seq).run();
    transaction.commit();
}

std::pair<int, int> SqliteStore::waiting(const std::string& destination)
{
    SqliteStatement read(
        *m_db, "SELECT count(*), coalesce(sum(trials), 0) FROM outbox WHERE destination = ?");
    read.bind(1, destination);
    read.step();
    return { static_cast<int>(read.number(0)), static_cast<int>(read.number(1)) };
}

void SqliteStore::setLocalSetting(const std::string& key, const std::string& value)
{
    SqliteTransaction transaction(*m_db);
    SqliteStatement write(*m_db, "INSERT OR REPLACE INTO settings (key, value) VALUES (?, ?)");
    write.bind(1, key).bind(2, value).run();
    transaction.commit();
}

} // namespace quorvel
