// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/collection/sqlite_store.h"

#include "core/app/translation.h"
#include "core/storage/file_replace.h"
#include "core/values/number_text.h"

#include <sqlite3.h>

#include <ctime>

namespace quorvel {
namespace {

// Version 1: the profiles, their cards and the class's settings.
constexpr const char* version1 = R"(
    CREATE TABLE profiles (
        id INTEGER PRIMARY KEY,
        name TEXT NOT NULL UNIQUE COLLATE NOCASE);
    CREATE TABLE cards (
        profile INTEGER NOT NULL REFERENCES profiles (id) ON DELETE CASCADE,
        mechanism INTEGER NOT NULL,
        level INTEGER NOT NULL,
        description TEXT NOT NULL,
        way TEXT NOT NULL CHECK (way IN ('scoperta', 'rivelata')),
        date TEXT NOT NULL,
        trials INTEGER NOT NULL,
        PRIMARY KEY (profile, mechanism));
    CREATE TABLE settings (key TEXT PRIMARY KEY, value TEXT NOT NULL);
)";

// Version 2: each profile's notebook, page by page.
constexpr const char* version2 = R"(
    CREATE TABLE pages (
        profile INTEGER NOT NULL REFERENCES profiles (id) ON DELETE CASCADE,
        number INTEGER NOT NULL,
        level INTEGER NOT NULL,
        streak INTEGER NOT NULL,
        discovered INTEGER NOT NULL,
        revealed INTEGER NOT NULL,
        PRIMARY KEY (profile, number));
    CREATE TABLE trials (
        profile INTEGER NOT NULL,
        page INTEGER NOT NULL,
        number INTEGER NOT NULL,
        first TEXT NOT NULL,
        second TEXT NOT NULL,
        a REAL,
        b REAL,
        output TEXT NOT NULL,
        prediction TEXT,
        prediction_right INTEGER NOT NULL,
        PRIMARY KEY (profile, page, number),
        FOREIGN KEY (profile, page) REFERENCES pages (profile, number) ON DELETE CASCADE);
)";

// Version 3: the different answers of a page's streak of right predictions, one a line, so
// that a discovery goes on where it was left.
constexpr const char* version3 = R"(
    ALTER TABLE pages ADD COLUMN streak_answers TEXT NOT NULL DEFAULT '';
)";

// Version 4: pages and trials have ids of their own, made where they were made, and are kept
// in the order they were made: two copies playing as one pupil add to the notebook side by side
// and never write over each other. Trials are only ever added. The pages and trials kept before
// keep their order: a page's number and a trial's stand for the time they began or were made.
// Empty pages, which nothing needs, are left behind.
constexpr const char* version4 = R"(
    CREATE TABLE pages_by_id (
        id INTEGER PRIMARY KEY,
        uid TEXT NOT NULL UNIQUE,
        profile INTEGER NOT NULL REFERENCES profiles (id) ON DELETE CASCADE,
        begun INTEGER NOT NULL,
        level INTEGER NOT NULL,
        streak INTEGER NOT NULL,
        streak_answers TEXT NOT NULL DEFAULT '',
        discovered INTEGER NOT NULL,
        revealed INTEGER NOT NULL);
    INSERT INTO pages_by_id (uid, profile, begun, level, streak, streak_answers, discovered,
            revealed)
        SELECT lower(hex(randomblob(16))), profile, number, level, streak, streak_answers,
            discovered, revealed
        FROM pages
        WHERE revealed OR EXISTS (SELECT 1 FROM trials
            WHERE trials.profile = pages.profile AND trials.page = pages.number)
        ORDER BY profile, number;
    CREATE TABLE trials_by_id (
        id INTEGER PRIMARY KEY,
        uid TEXT NOT NULL UNIQUE,
        page INTEGER NOT NULL REFERENCES pages_by_id (id) ON DELETE CASCADE,
        made INTEGER NOT NULL,
        first TEXT NOT NULL,
        second TEXT NOT NULL,
        a REAL,
        b REAL,
        output TEXT NOT NULL,
        prediction TEXT,
        prediction_right INTEGER NOT NULL);
    INSERT INTO trials_by_id (uid, page, made, first, second, a, b, output, prediction,
            prediction_right)
        SELECT lower(hex(randomblob(16))), pages_by_id.id, trials.number, first, second, a, b,
            output, prediction, prediction_right
        FROM trials JOIN pages_by_id
            ON pages_by_id.profile = trials.profile AND pages_by_id.begun = trials.page
        ORDER BY pages_by_id.id, trials.number;
    DROP TABLE trials;
    DROP TABLE pages;
    ALTER TABLE pages_by_id RENAME TO pages;
    ALTER TABLE trials_by_id RENAME TO trials;
    CREATE INDEX pages_in_order ON pages (profile, begun, uid);
    CREATE INDEX trials_in_order ON trials (page, made, uid);
)";

// The local date and time as "2026-12-07-143005", for the name of a damaged file set aside.
std::string stamp()
{
    const std::time_t now = std::time(nullptr);
    char text[32] = "";
    if (const std::tm* local = std::localtime(&now))
        std::strftime(text, sizeof text, "%Y-%m-%d-%H%M%S", local);
    return text;
}

// Whether SQLite finds a whole database: false for a file that is no database or is damaged.
// A lock held too long by another copy is a fault of its own, not damage.
bool healthy(SqliteConnection& db)
{
    sqlite3_stmt* check = nullptr;
    int code = sqlite3_prepare_v2(db.handle(), "PRAGMA quick_check", -1, &check, nullptr);
    std::string result;
    if (code == SQLITE_OK) {
        code = sqlite3_step(check);
        if (code == SQLITE_ROW) {
            result = reinterpret_cast<const char*>(sqlite3_column_text(check, 0));
            code = SQLITE_OK;
        }
    }
    sqlite3_finalize(check);
    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
        return false;
    if (code != SQLITE_OK)
        db.fail(code);
    return result == "ok";
}

} // namespace

const char* schemaStep(int version)
{
    switch (version) {
    case 1:
        return version1;
    case 2:
        return version2;
    case 3:
        return version3;
    case 4:
        return version4;
    default:
        return nullptr;
    }
}

SqliteStore::SqliteStore(const std::filesystem::path& folder, SqliteStoreOptions options)
    : m_file(folder / fileName)
{
    std::error_code problem;
    std::filesystem::create_directories(folder, problem);
    if (problem)
        //: %1 is the folder; %2 is why, such as "il disco è pieno"
        throw StoreFault(fill(
            translate("Store", "Non posso creare la cartella «%1» per l'archivio di Quorvel: %2."),
            { utf8FromPath(folder), reasonFor(problem) }));
    m_db = std::make_unique<SqliteConnection>(m_file, options.busyMilliseconds);
    if (!healthy(*m_db)) {
        m_db.reset();
        moveAside();
        m_db = std::make_unique<SqliteConnection>(m_file, options.busyMilliseconds);
    }
    openHealthy(options);
}

namespace {
const char* const newerDatabase = QV_TRANSLATE_NOOP("Store",
    "L'archivio di Quorvel è di una versione più nuova del "
    "programma: aggiorna Quorvel per usarlo.");
}

void SqliteStore::openHealthy(const SqliteStoreOptions& options)
{
    // A newer program's database is left exactly as it is.
    if (readWhole(m_db->single("PRAGMA user_version").value()).value_or(0) > schemaVersion)
        throw StoreFault(translate("Store", newerDatabase));
    if (m_db->single("PRAGMA journal_mode = WAL") != "wal")
        throw StoreFault(
            translate("Store", "L'archivio di Quorvel non si può aprire in questa cartella."));
    m_db->execute("PRAGMA synchronous = FULL");
    m_db->execute("PRAGMA foreign_keys = ON");
    if (options.maxPages)
        m_db->execute(("PRAGMA max_page_count = " + std::to_string(*options.maxPages)).c_str());
    migrate();
}

void SqliteStore::moveAside()
{
    const std::string base = "quorvel-guasto-" + stamp();
    std::filesystem::path aside = m_file.parent_path() / (base + ".db");
    for (int n = 2; std::filesystem::exists(aside); ++n)
        aside = m_file.parent_path() / (base + "-" + std::to_string(n) + ".db");
    std::error_code problem;
    std::filesystem::rename(m_file, aside, problem);
    if (problem)
        //: %1 is why, such as "il disco è pieno"
        throw StoreFault(
            fill(translate("Store",
                     "L'archivio di Quorvel è rovinato e non si può mettere da parte: %1."),
                { reasonFor(problem) }));
    // Its journal goes with it: it belongs to the damaged file, never to the fresh one.
    for (const char* suffix : { "-wal", "-shm" }) {
        std::filesystem::path journal = m_file;
        journal += suffix;
        std::filesystem::path journalAside = aside;
        journalAside += suffix;
        if (std::filesystem::exists(journal, problem))
            std::filesystem::rename(journal, journalAside, problem);
    }
    //: %1 is the name of the damaged file kept aside
    m_notice = fill(translate("Store",
                        "L'archivio di Quorvel era rovinato: l'ho messo da parte come «%1» e ne "
                        "ho cominciato uno nuovo."),
        { utf8FromPath(aside.filename()) });
}

void SqliteStore::migrate()
{
    const auto version
        = [&] { return readWhole(m_db->single("PRAGMA user_version").value()).value_or(0); };
    if (version() == schemaVersion)
        return;
    SqliteTransaction transaction(*m_db);
    const int from = version(); // again, now that no other copy can be migrating
    if (from > schemaVersion)
        throw StoreFault(translate("Store", newerDatabase));
    for (int step = from + 1; step <= schemaVersion; ++step)
        m_db->execute(schemaStep(step));
    m_db->execute(("PRAGMA user_version = " + std::to_string(schemaVersion)).c_str());
    transaction.commit();
}

std::optional<std::string> SqliteStore::setting(const std::string& key)
{
    SqliteStatement read(*m_db, "SELECT value FROM settings WHERE key = ?");
    read.bind(1, key);
    if (!read.step())
        return std::nullopt;
    return read.text(0);
}

std::optional<std::string> SqliteStore::pinHash()
{
    return setting("pin");
}

bool SqliteStore::setPinHashIfUnset(const std::string& hash)
{
    SqliteTransaction transaction(*m_db);
    SqliteStatement insert(*m_db, "INSERT OR IGNORE INTO settings (key, value) VALUES ('pin', ?)");
    insert.bind(1, hash).run();
    const bool set = sqlite3_changes(m_db->handle()) > 0;
    transaction.commit();
    return set;
}

} // namespace quorvel
