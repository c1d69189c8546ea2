// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/collection_store.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct pg_conn;
struct pg_result;

namespace quorvel {

// A failure of the class's server, of one of three kinds: the server does not answer (the
// network, a server stopped), it answers but refuses (a right the role has not, a wrong
// password, a schema it does not have), or it has a newer schema than this program knows.
class PgFault : public StoreFault
{
public:
    enum class Kind { Unreachable, Refused, WrongPassword, NewerSchema };
    PgFault(Kind kind, const std::string& what, std::string sqlState = {})
        : StoreFault(what)
        , m_kind(kind)
        , m_sqlState(std::move(sqlState))
    {
    }
    Kind kind() const { return m_kind; }
    // PostgreSQL's five-character code, such as "42501" for a right refused; empty when none.
    const std::string& sqlState() const { return m_sqlState; }

private:
    Kind m_kind;
    std::string m_sqlState;
};

// A value sent to or read from the server: nothing stands for SQL's NULL.
using PgValue = std::optional<std::string>;

// The rows a statement returned, every value as text.
class PgResult
{
public:
    explicit PgResult(pg_result* result);
    ~PgResult();
    PgResult(PgResult&& other) noexcept;
    PgResult& operator=(PgResult&&) = delete;
    PgResult(const PgResult&) = delete;
    PgResult& operator=(const PgResult&) = delete;

    int rows() const;
    bool isNull(int row, int column) const;
    std::string text(int row, int column) const;
    long long number(int row, int column) const;
    bool flag(int row, int column) const; // a boolean column: "t" or "f"

private:
    pg_result* m_result;
};

// One connection to PostgreSQL through libpq. Every wait is bounded: connecting and every
// statement give up after their time, so a server that vanished from the network never holds
// the program for longer. Every value is a bound parameter.
class PgConnection
{
public:
    // `uri` is a PostgreSQL connection URI or key=value string.
    explicit PgConnection(std::string uri);
    ~PgConnection();
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    // Connects, waiting up to `milliseconds`; throws a PgFault.
    void connect(int milliseconds);
    // Goes on with a connection without waiting: starts one when there is none. True once
    // connected; throws a PgFault when the server refused it or is not there.
    bool connectStep();
    bool connected() const;
    void close();

    // Runs one statement with its parameters ($1, $2, ...), waiting at most `milliseconds`
    // for the answer; a server that does not answer in time closes the connection.
    PgResult query(const std::string& sql, const std::vector<PgValue>& parameters = {},
        int milliseconds = defaultWait);
    // Runs statements without parameters, several separated by ";".
    void execute(const std::string& sql, int milliseconds = defaultWait);

    // The socket to watch for the server's messages (LISTEN/NOTIFY), -1 when not connected.
    int socket() const;
    // The payloads of the notifications (NOTIFY) that arrived on channels this connection
    // LISTENs on, reading what the socket holds without waiting; throws a PgFault when the
    // connection broke.
    std::vector<std::string> takeNotifications();
    pg_conn* handle() const { return m_conn; }

    // Where the connection went: the host name or socket folder, the port and the database.
    std::string host() const;
    std::string port() const;
    std::string database() const;
    std::string user() const;

    static constexpr int defaultWait = 10000;

private:
    void start();
    bool pollConnection();
    [[noreturn]] void failConnecting();
    void waitFor(bool write, long long deadline);
    void drainResults(long long deadline, std::unique_ptr<PgResult>& last);

    std::string m_uri;
    pg_conn* m_conn = nullptr;
    bool m_ready = false;
};

// Milliseconds on a steady clock, for deadlines.
long long steadyMilliseconds();

} // namespace quorvel
