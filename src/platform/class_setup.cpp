// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/class_schema.h"

#include "core/app/translation.h"
#include "core/values/number_text.h"
#include "platform/pg_connection.h"

#include <libpq-fe.h>

#include <memory>
#include <random>

namespace quorvel {
namespace {

// A password no one types: 32 hexadecimal digits from the system's random source.
std::string randomPassword()
{
    std::random_device source;
    static const char hex[] = "0123456789abcdef";
    std::string password;
    for (int i = 0; i < 32; ++i)
        password += hex[source() & 0xF];
    return password;
}

// What the server keeps of a password: its SCRAM verifier, made here, so the password itself
// never reaches the server or its logs.
std::string verifier(
    const PgConnection& admin, const std::string& role, const std::string& password)
{
    char* made
        = PQencryptPasswordConn(admin.handle(), password.c_str(), role.c_str(), "scram-sha-256");
    if (!made)
        throw PgFault(PgFault::Kind::Refused, PQerrorMessage(admin.handle()));
    std::string kept = made;
    PQfreemem(made);
    return kept;
}

const char* const newerSchema = QV_TRANSLATE_NOOP("Class",
    "la classe sul server è di una versione più nuova di Quorvel: aggiorna Quorvel su questo "
    "computer; il server è stato lasciato com'era");

int schemaVersion(PgConnection& admin)
{
    const PgResult present = admin.query("SELECT to_regclass('quorvel.version') IS NOT NULL");
    if (!present.flag(0, 0))
        return 0;
    return static_cast<int>(admin.query("SELECT version FROM quorvel.version").number(0, 0));
}

void bringUpToDate(PgConnection& admin, int from)
{
    if (from == 0)
        admin.execute("CREATE SCHEMA IF NOT EXISTS quorvel");
    for (int step = from + 1; step <= classSchemaVersion; ++step)
        admin.execute(classSchemaStep(step));
    admin.query("UPDATE quorvel.version SET version = $1", { wholeText(classSchemaVersion) });
    admin.execute(classGroupRoles());
    admin.execute(classFunctions());
}

// The role names: from the database's own number and the class's, so that the classes of
// every database of one server have roles of their own.
std::string roleName(const std::string& database, long long klass, const char* kind)
{
    return "quorvel_" + database + "_" + wholeText(klass) + "_" + kind;
}

} // namespace

ClassSetUp setUpClass(PgConnection& admin, const std::string& className,
    const std::string& teacherPassword, const std::string& sslMode)
{
    ClassSetUp done;
    admin.execute("BEGIN");
    try {
        // Two set-ups at once wait for each other.
        admin.query("SELECT pg_advisory_xact_lock(hashtext('quorvel set-up'))");
        done.schemaBefore = schemaVersion(admin);
        if (done.schemaBefore > classSchemaVersion)
            throw PgFault(PgFault::Kind::NewerSchema, translate("Class", newerSchema));
        bringUpToDate(admin, done.schemaBefore);
        PgResult found = admin.query(
            "SELECT id, pupil_role, teacher_role, pupil_password FROM quorvel.classes "
            "WHERE name = $1",
            { className });
        long long id = 0;
        std::string pupilRole;
        std::string teacherRole;
        std::string pupilPassword;
        if (found.rows() == 0) {
            const std::string database
                = admin
                      .query("SELECT oid::text FROM pg_database WHERE datname = current_database()")
                      .text(0, 0);
            id = admin.query("SELECT nextval('quorvel.class_numbers')").number(0, 0);
            pupilRole = roleName(database, id, "alunni");
            teacherRole = roleName(database, id, "insegnante");
            pupilPassword = randomPassword();
            admin.query("INSERT INTO quorvel.classes (id, name, pupil_role, teacher_role, "
                        "pupil_password) VALUES ($1, $2, $3, $4, $5)",
                { wholeText(id), className, pupilRole, teacherRole, pupilPassword });
            done.classIsNew = true;
        } else {
            id = found.number(0, 0);
            pupilRole = found.text(0, 1);
            teacherRole = found.text(0, 2);
            pupilPassword = found.text(0, 3);
        }
        const std::string makeRole = "SELECT quorvel.make_login_role($1, $2, $3)";
        admin.query(
            makeRole, { pupilRole, verifier(admin, pupilRole, pupilPassword), "{quorvel_alunni}" });
        admin.query(makeRole,
            { teacherRole, verifier(admin, teacherRole, teacherPassword),
                "{quorvel_alunni,quorvel_insegnanti}" });
        admin.execute("COMMIT");
        done.pupilUri = classUri(admin, pupilRole, pupilPassword, sslMode);
    } catch (...) {
        if (admin.connected())
            admin.execute("ROLLBACK");
        throw;
    }
    return done;
}

namespace {

// Percent-encodes all but the characters a URI never needs to encode.
std::string encoded(const std::string& text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'
            || c == '.' || c == '_' || c == '~') {
            out += c;
        } else {
            out += '%';
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        }
    }
    return out;
}

// A value in libpq's key=value form: in quotes, its quotes and backslashes escaped.
std::string quotedValue(const std::string& value)
{
    std::string out = "'";
    for (const char c : value) {
        if (c == '\'' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "'";
}

struct ParsedOptions
{
    PQconninfoOption* options = nullptr;
    explicit ParsedOptions(const std::string& uri)
    {
        char* problem = nullptr;
        options = PQconninfoParse(uri.c_str(), &problem);
        if (!options) {
            const std::string why = problem ? problem : "";
            PQfreemem(problem);
            throw PgFault(PgFault::Kind::Refused, why);
        }
    }
    ~ParsedOptions() { PQconninfoFree(options); }
    ParsedOptions(const ParsedOptions&) = delete;
    ParsedOptions& operator=(const ParsedOptions&) = delete;
};

} // namespace

std::string classUri(const PgConnection& admin, const std::string& role,
    const std::string& password, const std::string& sslMode)
{
    const std::string host = admin.host();
    std::string uri = "postgresql://" + encoded(role) + ":" + encoded(password) + "@";
    // A socket folder is written encoded ("%2Frun%2Fpostgresql"), an IPv6 address in brackets.
    if (host.find(':') != std::string::npos && host.front() != '/')
        uri += "[" + host + "]";
    else
        uri += encoded(host);
    if (!admin.port().empty())
        uri += ":" + admin.port();
    return uri + "/" + encoded(admin.database()) + "?sslmode=" + encoded(sslMode);
}

std::string uriForRole(const std::string& uri, const std::string& role, const std::string& password)
{
    const ParsedOptions parsed(uri);
    std::string conninfo;
    for (const PQconninfoOption* o = parsed.options; o->keyword; ++o) {
        const std::string key = o->keyword;
        std::string value = o->val ? o->val : "";
        if (key == "user")
            value = role;
        else if (key == "password")
            value = password;
        else if (!o->val)
            continue;
        conninfo += (conninfo.empty() ? "" : " ") + key + "=" + quotedValue(value);
    }
    return conninfo;
}

std::string uriWithoutPassword(const std::string& uri)
{
    const ParsedOptions parsed(uri);
    std::string conninfo;
    for (const PQconninfoOption* o = parsed.options; o->keyword; ++o) {
        if (!o->val || std::string(o->keyword) == "password")
            continue;
        conninfo
            += (conninfo.empty() ? "" : " ") + std::string(o->keyword) + "=" + quotedValue(o->val);
    }
    return conninfo;
}

} // namespace quorvel
