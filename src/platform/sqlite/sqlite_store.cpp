// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sqlite/sqlite_store.h"

#include "core/app/translation.h"
#include "core/values/number_text.h"
#include "platform/file_replace.h"
#include "platform/sqlite/sqlite_salvage.h"

#include <sqlite3.h>

#include <ctime>

namespace quorvel {
namespace {

// The local date and time as "2026-12-07-143005", for the name of a damaged file set aside.
std::string stamp()
{
    const std::time_t now = std::time(nullptr);
    char text[32] = "";
    if (const std::tm* local = std::localtime(&now))
        std::strftime(text, sizeof text, "%Y-%m-%d-%H%M%S", local);
    return text;
}

} // namespace

SqliteStore::SqliteStore(const std::filesystem::path& folder, SqliteStoreOptions options)
    : m_file(folder / fileName)
{
    makeFolder(folder);
    checkFile();
    m_db = std::make_unique<SqliteConnection>(m_file, options.busyMilliseconds);
    if (m_db->damaged())
        startAgainFromDamaged(options);
    openHealthy(options);
}

namespace {

// The first part of the folder's path that is there and is no folder.
std::optional<std::filesystem::path> fileInPath(const std::filesystem::path& folder)
{
    for (std::filesystem::path part = folder; !part.empty() && part != part.parent_path();
         part = part.parent_path()) {
        std::error_code ignored;
        const auto status = std::filesystem::status(part, ignored);
        if (std::filesystem::exists(status))
            return std::filesystem::is_directory(status) ? std::nullopt : std::optional(part);
    }
    return std::nullopt;
}

} // namespace

void SqliteStore::makeFolder(const std::filesystem::path& folder)
{
    std::error_code problem;
    std::filesystem::create_directories(folder, problem);
    if (!problem)
        return;
    if (const auto file = fileInPath(folder))
        //: %1 is the folder; %2 is a file that stands where a folder of its path should be
        throw StoreFault(fill(translate("Store",
                                  "Non posso creare la cartella «%1» per l'archivio di Quorvel: "
                                  "«%2» è un file, non una cartella."),
            { utf8FromPath(folder), utf8FromPath(*file) }));
    //: %1 is the folder; %2 is why, such as "il disco è pieno"
    throw StoreFault(
        fill(translate("Store", "Non posso creare la cartella «%1» per l'archivio di Quorvel: %2."),
            { utf8FromPath(folder), reasonFor(problem) }));
}

// Whatever stands where the database should be, if it cannot be a database: SQLite would only
// say it cannot open it, or that the disk does not answer.
void SqliteStore::checkFile() const
{
    namespace fs = std::filesystem;
    std::error_code ignored;
    const fs::file_status link = fs::symlink_status(m_file, ignored);
    const fs::file_status status = fs::status(m_file, ignored);
    const std::string file = utf8FromPath(m_file);
    if (fs::is_symlink(link) && !fs::exists(status))
        //: %1 is the database's file, %2 where its link leads
        throw StoreFault(fill(translate("Store",
                                  "L'archivio di Quorvel («%1») è un collegamento a «%2», che non "
                                  "c'è: forse è su un disco staccato. Chiedi aiuto "
                                  "all'insegnante."),
            { file, utf8FromPath(fs::read_symlink(m_file, ignored)) }));
    if (fs::is_directory(status))
        //: %1 is the database's file
        throw StoreFault(fill(translate("Store",
                                  "Al posto dell'archivio di Quorvel («%1») c'è una cartella: "
                                  "spostala o cambiale nome, oppure chiedi aiuto all'insegnante."),
            { file }));
    if (fs::exists(status) && !fs::is_regular_file(status))
        //: %1 is the database's file
        throw StoreFault(fill(translate("Store",
                                  "Al posto dell'archivio di Quorvel («%1») c'è un file speciale, "
                                  "che non può fare da archivio. Chiedi aiuto all'insegnante."),
            { file }));
}

namespace {

// The schema version of a damaged database, as its header says; 0 when it cannot be read.
int damagedVersion(SqliteConnection& db)
{
    // Without it, SQLite reads nothing of a file shorter than its header says.
    sqlite3_exec(db.handle(), "PRAGMA writable_schema = ON", nullptr, nullptr, nullptr);
    sqlite3_stmt* read = nullptr;
    int version = 0;
    if (sqlite3_prepare_v2(db.handle(), "PRAGMA user_version", -1, &read, nullptr) == SQLITE_OK
        && sqlite3_step(read) == SQLITE_ROW)
        version = sqlite3_column_int(read, 0);
    sqlite3_finalize(read);
    return version;
}

} // namespace

// A damaged database is set aside as it is, and a fresh one of its schema version is given all
// that can still be read of it; it is then brought up to date as any other.
void SqliteStore::startAgainFromDamaged(const SqliteStoreOptions& options)
{
    const int version = damagedVersion(*m_db);
    m_db.reset();
    const std::filesystem::path aside = moveAside();
    m_db = std::make_unique<SqliteConnection>(m_file, options.busyMilliseconds);
    Rescue rescue;
    if (version >= 1 && version <= schemaVersion) {
        SqliteTransaction transaction(*m_db);
        for (int step = 1; step <= version; ++step)
            m_db->execute(schemaStep(step));
        m_db->execute(("PRAGMA user_version = " + std::to_string(version)).c_str());
        transaction.commit();
        rescue = copyReadableRows(aside, *m_db);
    }
    m_notice = rescueNotice(utf8FromPath(aside.filename()), rescue, *m_db);
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

std::filesystem::path SqliteStore::moveAside()
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
    return aside;
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
