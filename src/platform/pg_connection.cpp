// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/pg_connection.h"

#include "core/app/translation.h"
#include "core/values/number_text.h"

#include <libpq-fe.h>

#include <poll.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace quorvel {

long long steadyMilliseconds()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

PgResult::PgResult(pg_result* result)
    : m_result(result)
{
}

PgResult::~PgResult()
{
    PQclear(m_result);
}

PgResult::PgResult(PgResult&& other) noexcept
    : m_result(std::exchange(other.m_result, nullptr))
{
}

int PgResult::rows() const
{
    return m_result ? PQntuples(m_result) : 0;
}

bool PgResult::isNull(int row, int column) const
{
    return PQgetisnull(m_result, row, column) != 0;
}

std::string PgResult::text(int row, int column) const
{
    return std::string(PQgetvalue(m_result, row, column),
        static_cast<std::size_t>(PQgetlength(m_result, row, column)));
}

long long PgResult::number(int row, int column) const
{
    return readWhole(text(row, column)).value_or(0);
}

bool PgResult::flag(int row, int column) const
{
    return text(row, column) == "t";
}

PgConnection::PgConnection(std::string uri)
    : m_uri(std::move(uri))
{
}

PgConnection::~PgConnection()
{
    close();
}

void PgConnection::close()
{
    if (m_conn)
        PQfinish(m_conn);
    m_conn = nullptr;
    m_ready = false;
}

bool PgConnection::connected() const
{
    return m_ready && m_conn && PQstatus(m_conn) == CONNECTION_OK;
}

int PgConnection::socket() const
{
    return m_conn ? PQsocket(m_conn) : -1;
}

std::vector<std::string> PgConnection::takeNotifications()
{
    std::vector<std::string> payloads;
    if (!connected())
        return payloads;
    if (PQconsumeInput(m_conn) == 0) {
        close();
        throw PgFault(PgFault::Kind::Unreachable, "la classe non risponde");
    }
    while (PGnotify* notice = PQnotifies(m_conn)) {
        payloads.emplace_back(notice->extra ? notice->extra : "");
        PQfreemem(notice);
    }
    return payloads;
}

namespace {

const char* const unreachable
    = QV_TRANSLATE_NOOP("Class", "la classe non risponde: il server non è raggiungibile");

// libpq's message, without its line ends.
std::string oneLine(const char* message)
{
    std::string line = message ? message : "";
    for (char& c : line)
        if (c == '\n' || c == '\r')
            c = ' ';
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

} // namespace

// The URI as given, with what the program needs of every connection: its name in the server's
// list of sessions, and keepalives, so that a connection whose network vanished is noticed.
void PgConnection::start()
{
    close();
    const char* keys[] = { "dbname", "application_name", "keepalives", "keepalives_idle",
        "keepalives_interval", "keepalives_count", nullptr };
    const char* values[] = { m_uri.c_str(), "quorvel", "1", "10", "5", "3", nullptr };
    m_conn = PQconnectStartParams(keys, values, 1);
    if (!m_conn)
        throw PgFault(PgFault::Kind::Unreachable, translate("Class", unreachable));
    if (PQstatus(m_conn) == CONNECTION_BAD)
        failConnecting();
}

[[noreturn]] void PgConnection::failConnecting()
{
    const std::string message = oneLine(PQerrorMessage(m_conn));
    // A server that asked for a password and refused the connection refused the password: its
    // words are in the languages of the client and of the server, this is not.
    const bool password
        = PQconnectionNeedsPassword(m_conn) != 0 || PQconnectionUsedPassword(m_conn) != 0;
    close();
    if (password)
        throw PgFault(PgFault::Kind::WrongPassword,
            translate("Class", "password sbagliata") + " (" + message + ")");
    throw PgFault(
        PgFault::Kind::Unreachable, translate("Class", unreachable) + " (" + message + ")");
}

// One step of libpq's connection; true once connected.
bool PgConnection::pollConnection()
{
    switch (PQconnectPoll(m_conn)) {
    case PGRES_POLLING_OK:
        m_ready = true;
        return true;
    case PGRES_POLLING_FAILED:
        failConnecting();
    default:
        return false;
    }
}

void PgConnection::connect(int milliseconds)
{
    const long long deadline = steadyMilliseconds() + milliseconds;
    if (!m_conn || m_ready)
        start();
    for (;;) {
        const PostgresPollingStatusType wanted = PQconnectPoll(m_conn);
        if (wanted == PGRES_POLLING_OK) {
            m_ready = true;
            return;
        }
        if (wanted == PGRES_POLLING_FAILED)
            failConnecting();
        try {
            waitFor(wanted == PGRES_POLLING_WRITING, deadline);
        } catch (const PgFault&) {
            close();
            throw;
        }
    }
}

bool PgConnection::connectStep()
{
    if (connected())
        return true;
    if (!m_conn || m_ready)
        start();
    // As many steps as can be made at once: libpq says which way to wait, and nothing waits.
    for (int step = 0; step < 16; ++step) {
        if (pollConnection())
            return true;
        pollfd watched { PQsocket(m_conn), POLLIN | POLLOUT, 0 };
        if (watched.fd < 0 || ::poll(&watched, 1, 0) <= 0)
            return false;
    }
    return false;
}

// Waits until the socket can be read (or written), or throws once the deadline has passed.
void PgConnection::waitFor(bool write, long long deadline)
{
    for (;;) {
        const long long left = deadline - steadyMilliseconds();
        if (left <= 0)
            throw PgFault(PgFault::Kind::Unreachable, translate("Class", unreachable));
        pollfd watched { PQsocket(m_conn), static_cast<short>(write ? POLLOUT : POLLIN), 0 };
        if (watched.fd < 0)
            throw PgFault(PgFault::Kind::Unreachable, translate("Class", unreachable));
        const int ready = ::poll(&watched, 1, static_cast<int>(left));
        if (ready > 0)
            return;
        if (ready < 0 && errno != EINTR)
            throw PgFault(PgFault::Kind::Unreachable, translate("Class", unreachable));
    }
}

// Every result of what was sent, keeping the last; the first error is thrown once all came.
void PgConnection::drainResults(long long deadline, std::unique_ptr<PgResult>& last)
{
    std::optional<PgFault> refused;
    for (;;) {
        while (PQisBusy(m_conn)) {
            waitFor(false, deadline);
            if (!PQconsumeInput(m_conn))
                throw PgFault(PgFault::Kind::Unreachable,
                    translate("Class", unreachable) + " (" + oneLine(PQerrorMessage(m_conn)) + ")");
        }
        PGresult* result = PQgetResult(m_conn);
        if (!result)
            break;
        const ExecStatusType status = PQresultStatus(result);
        if (status == PGRES_FATAL_ERROR && !refused) {
            const char* state = PQresultErrorField(result, PG_DIAG_SQLSTATE);
            const std::string code = state ? state : "";
            // Class 08 is the connection's own trouble; 57P is the server shutting down.
            const bool gone = code.rfind("08", 0) == 0 || code.rfind("57P", 0) == 0
                || PQstatus(m_conn) == CONNECTION_BAD;
            refused.emplace(gone ? PgFault::Kind::Unreachable : PgFault::Kind::Refused,
                gone ? translate("Class", unreachable) : oneLine(PQresultErrorMessage(result)),
                code);
        }
        last = std::make_unique<PgResult>(result);
    }
    if (refused)
        throw *refused;
    if (PQstatus(m_conn) == CONNECTION_BAD)
        throw PgFault(PgFault::Kind::Unreachable, translate("Class", unreachable));
}

PgResult PgConnection::query(
    const std::string& sql, const std::vector<PgValue>& parameters, int milliseconds)
{
    if (!connected())
        connect(milliseconds);
    const long long deadline = steadyMilliseconds() + milliseconds;
    std::vector<const char*> values;
    std::vector<int> lengths;
    for (const PgValue& p : parameters) {
        values.push_back(p ? p->c_str() : nullptr);
        lengths.push_back(p ? static_cast<int>(p->size()) : 0);
    }
    std::unique_ptr<PgResult> last;
    try {
        PQsetnonblocking(m_conn, 1);
        if (!PQsendQueryParams(m_conn, sql.c_str(), static_cast<int>(values.size()), nullptr,
                values.data(), lengths.data(), nullptr, 0))
            throw PgFault(PgFault::Kind::Unreachable,
                translate("Class", unreachable) + " (" + oneLine(PQerrorMessage(m_conn)) + ")");
        while (int pending = PQflush(m_conn)) {
            if (pending < 0)
                throw PgFault(PgFault::Kind::Unreachable, translate("Class", unreachable));
            waitFor(true, deadline);
        }
        drainResults(deadline, last);
    } catch (const PgFault& fault) {
        if (fault.kind() == PgFault::Kind::Unreachable)
            close(); // half an answer is no answer: the next call starts again
        throw;
    }
    if (!last)
        throw PgFault(PgFault::Kind::Unreachable, translate("Class", unreachable));
    return std::move(*last);
}

void PgConnection::execute(const std::string& sql, int milliseconds)
{
    if (!connected())
        connect(milliseconds);
    const long long deadline = steadyMilliseconds() + milliseconds;
    std::unique_ptr<PgResult> last;
    try {
        PQsetnonblocking(m_conn, 1);
        if (!PQsendQuery(m_conn, sql.c_str()))
            throw PgFault(PgFault::Kind::Unreachable, translate("Class", unreachable));
        while (int pending = PQflush(m_conn)) {
            if (pending < 0)
                throw PgFault(PgFault::Kind::Unreachable, translate("Class", unreachable));
            waitFor(true, deadline);
        }
        drainResults(deadline, last);
    } catch (const PgFault& fault) {
        if (fault.kind() == PgFault::Kind::Unreachable)
            close();
        throw;
    }
}

std::string PgConnection::host() const
{
    const char* host = m_conn ? PQhost(m_conn) : nullptr;
    return host ? host : "";
}

std::string PgConnection::port() const
{
    const char* port = m_conn ? PQport(m_conn) : nullptr;
    return port ? port : "";
}

std::string PgConnection::database() const
{
    const char* db = m_conn ? PQdb(m_conn) : nullptr;
    return db ? db : "";
}

std::string PgConnection::user() const
{
    const char* user = m_conn ? PQuser(m_conn) : nullptr;
    return user ? user : "";
}

} // namespace quorvel
