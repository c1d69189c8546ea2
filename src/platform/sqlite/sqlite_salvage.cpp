// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sqlite/sqlite_salvage.h"

#include "core/app/translation.h"
#include "platform/file_replace.h"
#include "platform/sqlite/sqlite_connection.h"

#include <sqlite3.h>

#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace quorvel {
namespace {

// Every table of every schema version, each after the tables its rows refer to.
constexpr const char* tablesInOrder[] = { "profiles", "cards", "settings", "pages", "trials" };

// One statement on the damaged database, whose failures are expected: never thrown.
class Reading
{
public:
    Reading(sqlite3* db, const std::string& sql)
    {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &m_statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(m_statement);
            m_statement = nullptr;
        }
    }
    ~Reading() { sqlite3_finalize(m_statement); }
    Reading(const Reading&) = delete;
    Reading& operator=(const Reading&) = delete;
    sqlite3_stmt* get() const { return m_statement; }
    // SQLITE_ROW, SQLITE_DONE or the error.
    int step(long long from)
    {
        if (!m_statement)
            return SQLITE_CORRUPT;
        sqlite3_reset(m_statement);
        sqlite3_bind_int64(m_statement, 1, from);
        return sqlite3_step(m_statement);
    }
    int next() { return sqlite3_step(m_statement); }

private:
    sqlite3_stmt* m_statement = nullptr;
};

// A table's rows in the order of their row numbers, read from the table alone (never through an
// index, which may be what is damaged), from a row number on.
class TableCopy
{
public:
    TableCopy(sqlite3* damaged, sqlite3* fresh, const std::string& table)
    {
        std::string columns, places;
        Reading info(fresh, "SELECT name FROM pragma_table_info('" + table + "')");
        for (int code = info.step(0); code == SQLITE_ROW; code = info.next()) {
            columns += std::string(columns.empty() ? "" : ", ")
                + reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 0));
            places += places.empty() ? "?" : ", ?";
            ++m_columns;
        }
        const std::string read = "SELECT rowid, " + columns + " FROM " + table
            + " NOT INDEXED WHERE rowid >= ? ORDER BY rowid";
        m_read = std::make_unique<Reading>(damaged, read);
        m_probe = std::make_unique<Reading>(damaged, read + " LIMIT 1");
        sqlite3_prepare_v2(fresh,
            ("INSERT INTO " + table + " (" + columns + ") VALUES (" + places + ")").c_str(), -1,
            &m_write, nullptr);
    }
    ~TableCopy() { sqlite3_finalize(m_write); }

    // Copies every row it can read; false when some could not be read or kept.
    bool copy()
    {
        if (!m_write)
            return false;
        bool whole = true;
        long long from = std::numeric_limits<long long>::min();
        for (;;) {
            std::optional<long long> last;
            int code = m_read->step(from);
            for (; code == SQLITE_ROW; code = m_read->next()) {
                last = sqlite3_column_int64(m_read->get(), 0);
                whole = keep() && whole;
            }
            if (code == SQLITE_DONE)
                return whole;
            const long long after
                = last.value_or(from == std::numeric_limits<long long>::min() ? from : from - 1);
            const std::optional<long long> next = readableFrom(after);
            if (!next || *next <= after)
                return false;
            whole = false;
            from = *next;
        }
    }

private:
    // Writes the row just read into the fresh database; false when it cannot be kept there (a
    // row whose pupil or page was lost).
    bool keep()
    {
        sqlite3_reset(m_write);
        for (int c = 0; c < m_columns; ++c)
            sqlite3_bind_value(m_write, c + 1, sqlite3_column_value(m_read->get(), c + 1));
        return sqlite3_step(m_write) == SQLITE_DONE;
    }

    // The first row number past `after` from which the table reads again, looked for in ever
    // longer steps and then narrowed down; nothing when it never does.
    std::optional<long long> readableFrom(long long after)
    {
        const auto works = [&](long long from) {
            const int code = m_probe->step(from);
            return code == SQLITE_ROW || code == SQLITE_DONE;
        };
        long long failing = after;
        long long candidate = after;
        for (long long step = 1;; step *= 2) {
            if (after > std::numeric_limits<long long>::max() - step)
                return std::nullopt;
            candidate = after + step;
            if (works(candidate))
                break;
            failing = candidate;
            if (step > std::numeric_limits<long long>::max() / 2)
                return std::nullopt;
        }
        long long low = failing + 1, high = candidate;
        while (low < high) {
            const long long middle = low + (high - low) / 2;
            if (works(middle))
                high = middle;
            else
                low = middle + 1;
        }
        return low;
    }

    int m_columns = 0;
    std::unique_ptr<Reading> m_read;
    std::unique_ptr<Reading> m_probe;
    sqlite3_stmt* m_write = nullptr;
};

} // namespace

namespace {

bool hasTable(SqliteConnection& db, const std::string& table)
{
    SqliteStatement find(db, "SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ?");
    find.bind(1, table);
    return find.step();
}

} // namespace

Rescue copyReadableRows(const std::filesystem::path& damaged, SqliteConnection& fresh)
{
    Rescue rescue;
    sqlite3* source = nullptr;
    const int opened
        = sqlite3_open_v2(utf8FromPath(damaged).c_str(), &source, SQLITE_OPEN_READONLY, nullptr);
    // Without it, SQLite reads nothing of a file shorter than its header says.
    sqlite3_exec(source, "PRAGMA writable_schema = ON", nullptr, nullptr, nullptr);
    fresh.execute("PRAGMA foreign_keys = ON");
    SqliteTransaction transaction(fresh);
    for (const char* table : tablesInOrder) {
        if (!hasTable(fresh, table))
            continue;
        rescue.whole[table]
            = opened == SQLITE_OK && TableCopy(source, fresh.handle(), table).copy();
    }
    transaction.commit();
    sqlite3_close(source);
    return rescue;
}

namespace {

long long countOf(SqliteConnection& db, const std::string& table)
{
    if (!hasTable(db, table))
        return 0;
    SqliteStatement count(db, ("SELECT count(*) FROM " + table).c_str());
    count.step();
    return count.number(0);
}

// "1 giocatore" or "3 giocatori", in the language in use.
std::string counted(long long n, const char* one, const char* many)
{
    return fill(translate("Store", n == 1 ? one : many), { std::to_string(n) });
}

std::vector<std::string> copiedThings(SqliteConnection& fresh)
{
    std::vector<std::string> things;
    if (const long long n = countOf(fresh, "profiles"))
        things.push_back(counted(n, QV_TRANSLATE_NOOP("Store", "%1 giocatore"),
            QV_TRANSLATE_NOOP("Store", "%1 giocatori")));
    if (const long long n = countOf(fresh, "cards"))
        things.push_back(counted(n, QV_TRANSLATE_NOOP("Store", "%1 carta della collezione"),
            QV_TRANSLATE_NOOP("Store", "%1 carte della collezione")));
    if (const long long n = countOf(fresh, "trials"))
        things.push_back(counted(n, QV_TRANSLATE_NOOP("Store", "%1 prova del quaderno"),
            QV_TRANSLATE_NOOP("Store", "%1 prove del quaderno")));
    bool rules = false, pin = false;
    if (hasTable(fresh, "settings")) {
        SqliteStatement keys(fresh, "SELECT key FROM settings");
        while (keys.step())
            (keys.text(0) == "pin" ? pin : rules) = true;
    }
    if (rules)
        things.push_back(translate("Store", "le regole della classe"));
    if (pin)
        things.push_back(translate("Store", "il PIN dell'insegnante"));
    return things;
}

std::vector<std::string> lostThings(const Rescue& rescue)
{
    static const std::pair<const char*, const char*> lost[] = {
        { "profiles", QV_TRANSLATE_NOOP("Store", "alcuni giocatori") },
        { "cards", QV_TRANSLATE_NOOP("Store", "alcune carte della collezione") },
        { "settings", QV_TRANSLATE_NOOP("Store", "le regole della classe o il PIN") },
        { "pages", QV_TRANSLATE_NOOP("Store", "alcune pagine del quaderno") },
        { "trials", QV_TRANSLATE_NOOP("Store", "alcune prove del quaderno") },
    };
    std::vector<std::string> things;
    for (const auto& [table, what] : lost)
        if (const auto found = rescue.whole.find(table);
            found != rescue.whole.end() && !found->second)
            things.push_back(translate("Store", what));
    return things;
}

} // namespace

std::string rescueNotice(
    const std::string& asideName, const Rescue& rescue, SqliteConnection& fresh)
{
    const std::vector<std::string> copied = copiedThings(fresh);
    const std::vector<std::string> lost = lostThings(rescue);
    if (copied.empty())
        //: %1 is the name of the damaged file kept aside
        return fill(translate("Store",
                        "L'archivio di Quorvel era rovinato: l'ho messo da parte come «%1» e ne "
                        "ho cominciato uno nuovo."),
            { asideName });
    if (lost.empty())
        //: %1 is the name of the damaged file kept aside; %2 lists what was copied from it
        return fill(translate("Store",
                        "L'archivio di Quorvel era rovinato: l'ho messo da parte come «%1» e ne "
                        "ho cominciato uno nuovo, dove ho ricopiato tutto quello che conteneva: "
                        "%2."),
            { asideName, listed(copied) });
    //: %1 is the name of the damaged file kept aside; %2 lists what was copied from it, %3
    //: what could not be read
    return fill(translate("Store",
                    "L'archivio di Quorvel era rovinato: l'ho messo da parte come «%1» e ne ho "
                    "cominciato uno nuovo, dove ho ricopiato quello che si poteva ancora "
                    "leggere: %2. Non si sono potuti leggere: %3."),
        { asideName, listed(copied), listed(lost) });
}

} // namespace quorvel
