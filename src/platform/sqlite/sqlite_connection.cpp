// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sqlite/sqlite_connection.h"

#include "core/app/translation.h"
#include "core/ports/collection_store.h"
#include "platform/file_replace.h"

#include <sqlite3.h>

namespace quorvel {

SqliteConnection::SqliteConnection(const std::filesystem::path& file, int busyMilliseconds)
    : m_file(file)
{
    const int code = sqlite3_open_v2(utf8FromPath(file).c_str(), &m_db,
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        sqlite3_close(m_db);
        m_db = nullptr;
        fail(code);
    }
    sqlite3_extended_result_codes(m_db, 0);
    sqlite3_busy_timeout(m_db, busyMilliseconds);
}

SqliteConnection::~SqliteConnection()
{
    sqlite3_close(m_db);
}

void SqliteConnection::execute(const char* sql)
{
    const int code = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (code != SQLITE_OK)
        fail(code);
}

std::optional<std::string> SqliteConnection::single(const char* sql)
{
    SqliteStatement statement(*this, sql);
    if (!statement.step())
        return std::nullopt;
    return statement.text(0);
}

// The whole check, not the quick one: the quick one misses an index whose entries disagree
// with its table, which splits a pupil in two or fails every write for ever.
bool SqliteConnection::damaged() const
{
    if (!m_db)
        return false;
    sqlite3_stmt* check = nullptr;
    int code = sqlite3_prepare_v2(m_db, "PRAGMA integrity_check(1)", -1, &check, nullptr);
    std::string result;
    if (code == SQLITE_OK) {
        code = sqlite3_step(check);
        if (code == SQLITE_ROW) {
            result = reinterpret_cast<const char*>(sqlite3_column_text(check, 0));
            code = SQLITE_OK;
        }
    }
    sqlite3_finalize(check);
    if ((code & 0xFF) == SQLITE_NOTADB || (code & 0xFF) == SQLITE_CORRUPT)
        return true;
    if (code != SQLITE_OK)
        fail(code);
    return result != "ok";
}

void SqliteConnection::fail(int code) const
{
    const std::string where = utf8FromPath(m_file.parent_path());
    switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw StoreFault(translate("Store",
            "L'archivio di Quorvel è usato da un'altra copia del programma: chiudila "
            "oppure aspetta un momento e riprova."));
    case SQLITE_FULL:
        throw StoreFault(translate("Store",
            "Il disco è pieno: l'ultima modifica non è stata salvata. Libera un po' "
            "di spazio e riprova."));
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        //: %1 is the folder
        throw StoreFault(fill(translate("Store",
                                  "Non posso scrivere l'archivio di Quorvel nella cartella «%1»: "
                                  "forse è protetta. Chiedi aiuto all'insegnante."),
            { where }));
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        // Checked again: a file found damaged is repaired at the next start, which the whole
        // check at opening now always finds.
        if (damaged())
            throw StoreFault(translate(
                "Store", "L'archivio di Quorvel è rovinato: riavvia il programma per ripararlo."));
        break;
    case SQLITE_IOERR:
        throw StoreFault(
            translate("Store", "Il disco non risponde: l'ultima modifica non è stata salvata."));
    default:
        break;
    }
    //: %1 is the database's error code
    throw StoreFault(fill(translate("Store",
                              "L'archivio di Quorvel non funziona (errore %1): l'ultima "
                              "modifica non è stata salvata."),
        { std::to_string(code) }));
}

SqliteStatement::SqliteStatement(SqliteConnection& connection, const char* sql)
    : m_connection(connection)
{
    const int code = sqlite3_prepare_v2(connection.handle(), sql, -1, &m_statement, nullptr);
    if (code != SQLITE_OK)
        connection.fail(code);
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

SqliteStatement& SqliteStatement::bind(int index, const std::string& text)
{
    const int code = sqlite3_bind_text(
        m_statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    if (code != SQLITE_OK)
        m_connection.fail(code);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, long long number)
{
    const int code = sqlite3_bind_int64(m_statement, index, number);
    if (code != SQLITE_OK)
        m_connection.fail(code);
    return *this;
}

SqliteStatement& SqliteStatement::bindReal(int index, double number)
{
    const int code = sqlite3_bind_double(m_statement, index, number);
    if (code != SQLITE_OK)
        m_connection.fail(code);
    return *this;
}

SqliteStatement& SqliteStatement::bindNull(int index)
{
    const int code = sqlite3_bind_null(m_statement, index);
    if (code != SQLITE_OK)
        m_connection.fail(code);
    return *this;
}

bool SqliteStatement::step()
{
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW)
        return true;
    if (code == SQLITE_DONE)
        return false;
    m_connection.fail(code);
}

void SqliteStatement::run()
{
    while (step()) { }
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

std::string SqliteStatement::text(int column) const
{
    const auto* bytes = sqlite3_column_text(m_statement, column);
    const int size = sqlite3_column_bytes(m_statement, column);
    return bytes ? std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size))
                 : std::string();
}

long long SqliteStatement::number(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double SqliteStatement::real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

SqliteTransaction::SqliteTransaction(SqliteConnection& connection)
    : m_connection(connection)
{
    m_connection.execute("BEGIN IMMEDIATE");
}

SqliteTransaction::~SqliteTransaction()
{
    // SQLite may have rolled back already (a full disk does): then there is nothing to undo.
    if (!m_done && !sqlite3_get_autocommit(m_connection.handle()))
        sqlite3_exec(m_connection.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteTransaction::commit()
{
    m_connection.execute("COMMIT");
    m_done = true;
}

} // namespace quorvel
