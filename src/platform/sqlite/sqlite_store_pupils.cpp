// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pupils' side of the store: profiles and cards; and the class rules.
#include "platform/sqlite/sqlite_store.h"

#include "core/collection/pupil_names.h"
#include "core/values/number_text.h"

#include <sqlite3.h>

namespace quorvel {
namespace {

const char* wayName(CardWay way)
{
    return way == CardWay::Discovered ? "scoperta" : "rivelata";
}

constexpr std::pair<RevealPolicy, const char*> policyNames[] = {
    { RevealPolicy::Always, "sempre" },
    { RevealPolicy::AfterTenTrials, "dopo-dieci-prove" },
    { RevealPolicy::AfterDiscovery, "dopo-la-scoperta" },
    { RevealPolicy::Never, "mai" },
};

} // namespace

std::vector<std::string> SqliteStore::profiles()
{
    SqliteStatement read(*m_db, "SELECT name FROM profiles ORDER BY id");
    std::vector<std::string> names;
    while (read.step())
        names.push_back(read.text(0));
    return names;
}

bool SqliteStore::addProfile(const std::string& name)
{
    SqliteTransaction transaction(*m_db);
    SqliteStatement insert(*m_db, "INSERT OR IGNORE INTO profiles (name) VALUES (?)");
    insert.bind(1, name).run();
    const bool added = sqlite3_changes(m_db->handle()) > 0;
    transaction.commit();
    return added;
}

// The profile's id, adding the profile when missing; called inside a transaction.
long long SqliteStore::profileId(const std::string& profile)
{
    SqliteStatement insert(*m_db, "INSERT OR IGNORE INTO profiles (name) VALUES (?)");
    insert.bind(1, profile).run();
    SqliteStatement read(*m_db, "SELECT id FROM profiles WHERE name = ?");
    read.bind(1, profile);
    read.step();
    return read.number(0);
}

std::vector<Card> SqliteStore::cards(const std::string& profile)
{
    SqliteStatement read(*m_db,
        "SELECT mechanism, level, description, way, date, trials FROM cards JOIN profiles "
        "ON profiles.id = cards.profile WHERE profiles.name = ? ORDER BY mechanism");
    read.bind(1, profile);
    std::vector<Card> cards;
    while (read.step()) {
        cards.push_back(
            { static_cast<int>(read.number(0)), Level::number(static_cast<int>(read.number(1))),
                read.text(2), read.text(3) == "rivelata" ? CardWay::Revealed : CardWay::Discovered,
                read.text(4), static_cast<int>(read.number(5)) });
    }
    return cards;
}

bool SqliteStore::openCard(const std::string& profile, const Card& card)
{
    SqliteTransaction transaction(*m_db);
    const long long id = profileId(profile);
    SqliteStatement insert(*m_db,
        "INSERT OR IGNORE INTO cards (profile, mechanism, level, description, way, date, trials) "
        "VALUES (?, ?, ?, ?, ?, ?, ?)");
    insert.bind(1, id).bind(2, card.mechanism).bind(3, card.level.number());
    insert.bind(4, card.description).bind(5, std::string(wayName(card.way)));
    insert.bind(6, card.date).bind(7, card.trials).run();
    const bool opened = sqlite3_changes(m_db->handle()) > 0;
    transaction.commit();
    return opened;
}

ClassRules SqliteStore::classRules()
{
    ClassRules rules;
    if (const auto levels = setting("levels"))
        for (int n = 1; n <= Level::count; ++n)
            rules.levels[static_cast<std::size_t>(n - 1)]
                = levels->find(static_cast<char>('0' + n)) != std::string::npos;
    if (const auto reveal = setting("reveal"))
        for (const auto& [policy, name] : policyNames)
            if (*reveal == name)
                rules.reveal = policy;
    if (const auto wizard = setting("wizard"))
        rules.wizardSpeaksAtStart = *wizard != "no";
    if (const auto names = setting("nomi"))
        rules.pupilsAddNames = *names != "insegnante";
    return rules;
}

void SqliteStore::setClassRules(const ClassRules& rules)
{
    std::string levels;
    for (int n = 1; n <= Level::count; ++n)
        if (rules.levels[static_cast<std::size_t>(n - 1)])
            levels += static_cast<char>('0' + n);
    std::string reveal;
    for (const auto& [policy, name] : policyNames)
        if (policy == rules.reveal)
            reveal = name;
    SqliteTransaction transaction(*m_db);
    SqliteStatement write(*m_db, "INSERT OR REPLACE INTO settings (key, value) VALUES (?, ?)");
    write.bind(1, std::string("levels")).bind(2, levels).run();
    write.bind(1, std::string("reveal")).bind(2, reveal).run();
    write.bind(1, std::string("wizard"))
        .bind(2, std::string(rules.wizardSpeaksAtStart ? "sì" : "no"))
        .run();
    write.bind(1, std::string("nomi"))
        .bind(2, std::string(rules.pupilsAddNames ? "alunni" : "insegnante"))
        .run();
    transaction.commit();
}

PinGuard SqliteStore::pinGuard()
{
    PinGuard guard;
    if (const auto wrong = setting("pin-errori"))
        guard.wrongInARow = static_cast<int>(readWhole(*wrong).value_or(0));
    if (const auto until = setting("pin-attesa"))
        guard.waitUntil = readWhole(*until).value_or(0);
    return guard;
}

void SqliteStore::setPinGuard(const PinGuard& guard)
{
    SqliteTransaction transaction(*m_db);
    SqliteStatement write(*m_db, "INSERT OR REPLACE INTO settings (key, value) VALUES (?, ?)");
    write.bind(1, std::string("pin-errori")).bind(2, wholeText(guard.wrongInARow)).run();
    write.bind(1, std::string("pin-attesa")).bind(2, wholeText(guard.waitUntil)).run();
    transaction.commit();
}

bool SqliteStore::renameProfile(const std::string& from, const std::string& to)
{
    SqliteTransaction transaction(*m_db);
    SqliteStatement taken(*m_db, "SELECT name FROM profiles");
    bool exists = false;
    while (taken.step()) {
        const std::string name = taken.text(0);
        if (sameProfileName(name, to) && !sameProfileName(name, from))
            return false;
        exists = exists || sameProfileName(name, from);
    }
    if (!exists)
        return false;
    SqliteStatement rename(*m_db, "UPDATE profiles SET name = ? WHERE name = ?");
    rename.bind(1, to).bind(2, from).run();
    transaction.commit();
    return true;
}

void SqliteStore::deleteProfile(const std::string& name)
{
    SqliteTransaction transaction(*m_db);
    SqliteStatement remove(*m_db, "DELETE FROM profiles WHERE name = ?");
    remove.bind(1, name).run();
    transaction.commit();
}

} // namespace quorvel
