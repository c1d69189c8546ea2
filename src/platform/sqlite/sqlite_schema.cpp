// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The database's schema, step by step: step n brings a database of version n - 1 to version n.
#include "platform/sqlite/sqlite_store.h"

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

// Version 5: the rule of a page once it was told (revealed or discovered), for the notebook
// printed for the teacher.
constexpr const char* version5 = R"(
    ALTER TABLE pages ADD COLUMN rule TEXT NOT NULL DEFAULT '';
)";

// Version 6: what waits on this computer for the class's server to answer again, in the order
// it was made (a class kept on a server), and the settings that computer keeps of that class.
constexpr const char* version6 = R"(
    CREATE TABLE outbox (
        seq INTEGER PRIMARY KEY AUTOINCREMENT,
        destination TEXT NOT NULL,
        call TEXT NOT NULL,
        arguments BLOB NOT NULL,
        trials INTEGER NOT NULL);
    CREATE INDEX outbox_in_order ON outbox (destination, seq);
)";

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
    case 5:
        return version5;
    case 6:
        return version6;
    default:
        return nullptr;
    }
}

} // namespace quorvel
