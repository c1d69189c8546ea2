// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <optional>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace quorvel {

// A thin owner of one SQLite connection: statements, transactions, and SQLite's failures
// turned into StoreFaults that say in words what happened.
class SqliteConnection
{
public:
    // Opens the file, creating it when missing; waits up to `busyMilliseconds` for a lock.
    SqliteConnection(const std::filesystem::path& file, int busyMilliseconds);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    void execute(const char* sql);
    // The first column of the first row of a statement without parameters, as text.
    std::optional<std::string> single(const char* sql);
    // Whether SQLite's whole check finds the database damaged: a page that is no page, an index
    // that disagrees with its table, a file that is no database. A lock held too long by
    // another copy is a fault of its own: it throws.
    bool damaged() const;
    // Throws the StoreFault that matches an SQLite result code.
    [[noreturn]] void fail(int code) const;

    sqlite3* handle() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
    std::filesystem::path m_file;
};

// A statement with its parameters bound from 1, stepped row by row.
class SqliteStatement
{
public:
    SqliteStatement(SqliteConnection& connection, const char* sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& bind(int index, const std::string& text);
    SqliteStatement& bind(int index, long long number);
    SqliteStatement& bindReal(int index, double number);
    SqliteStatement& bindNull(int index);
    // The next row; false when there is none.
    bool step();
    // Runs a statement that returns no rows, then readies it to run again.
    void run();

    std::string text(int column) const;
    long long number(int column) const;
    double real(int column) const;
    bool isNull(int column) const;

private:
    SqliteConnection& m_connection;
    sqlite3_stmt* m_statement = nullptr;
};

// A write transaction that takes the write lock at once (so two copies never deadlock), and
// is rolled back unless committed.
class SqliteTransaction
{
public:
    explicit SqliteTransaction(SqliteConnection& connection);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;
    void commit();

private:
    SqliteConnection& m_connection;
    bool m_done = false;
};

} // namespace quorvel
