// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace quorvel {

class PgConnection;

// The version of the class's schema this program knows. A server whose schema is newer is
// left alone: an older program neither sets it up nor plays on it.
constexpr int classSchemaVersion = 2;

// The schema's steps: step n brings a schema of version n - 1 to version n; nothing past the
// last one.
const char* classSchemaStep(int version);
// Every function of the schema, and the rights on them, made anew by each set-up.
const char* classFunctions();
// The two group roles (pupils, teachers), made when missing.
const char* classGroupRoles();

struct ClassSetUp
{
    std::string pupilUri; // the one line the lab's computers need
    int schemaBefore = 0; // 0 for a database that had no class yet
    bool classIsNew = false;
};

// Creates the schema (or brings it up to date), the class when it is new, its pupil role and
// its teacher role, whose password becomes `teacherPassword`, all in one transaction. The
// pupil role keeps its password when the class was there already, so the lab's line stays
// the same. `admin` is connected as a role that may create roles and tables. Throws a PgFault
// (NewerSchema for a schema this program does not know).
ClassSetUp setUpClass(PgConnection& admin, const std::string& className,
    const std::string& teacherPassword, const std::string& sslMode);

// A connection URI for a role on the server `admin` is connected to: its host or socket folder,
// its port and its database.
std::string classUri(const PgConnection& admin, const std::string& role,
    const std::string& password, const std::string& sslMode);
// The same server as `uri`, as another role: the pupil's line with the teacher's role and
// password. Returns libpq's key=value form.
std::string uriForRole(
    const std::string& uri, const std::string& role, const std::string& password);
// The URI without its password, to name the class in the local queue and in messages.
std::string uriWithoutPassword(const std::string& uri);

} // namespace quorvel
