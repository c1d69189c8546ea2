// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pupils' side of the store: profiles, cards, notebooks; and the class rules.
#include "core/collection/sqlite_store.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

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

// A number that is not a number would be kept as NULL: keep "no number" explicitly instead.
void bindNumber(SqliteStatement& s, int index, double value)
{
    if (std::isnan(value))
        s.bindNull(index);
    else
        s.bindReal(index, value);
}

// The answers of a streak, one a line: none of them holds a line end.
std::string joinedLines(const std::vector<std::string>& lines)
{
    std::string joined;
    for (const std::string& line : lines)
        joined += (joined.empty() ? "" : "\n") + line;
    return joined;
}

std::vector<std::string> linesOf(const std::string& joined)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < joined.size()) {
        const std::size_t end = std::min(joined.find('\n', at), joined.size());
        lines.push_back(joined.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

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

std::vector<Page> SqliteStore::notebook(const std::string& profile)
{
    std::vector<Page> pages;
    SqliteStatement readPages(*m_db,
        "SELECT number, level, streak, discovered, revealed, streak_answers FROM pages JOIN "
        "profiles "
        "ON profiles.id = pages.profile WHERE profiles.name = ? ORDER BY number");
    readPages.bind(1, profile);
    while (readPages.step()) {
        Page page;
        page.number = static_cast<int>(readPages.number(0));
        page.level = Level::number(static_cast<int>(readPages.number(1)));
        page.streak = static_cast<int>(readPages.number(2));
        page.discovered = readPages.number(3) != 0;
        page.revealed = readPages.number(4) != 0;
        page.streakAnswers = linesOf(readPages.text(5));
        pages.push_back(std::move(page));
    }
    readTrials(profile, pages);
    return pages;
}

void SqliteStore::readTrials(const std::string& profile, std::vector<Page>& pages)
{
    SqliteStatement readTrials(*m_db,
        "SELECT page, number, first, second, a, b, output, prediction, prediction_right "
        "FROM trials JOIN profiles ON profiles.id = trials.profile WHERE profiles.name = ? "
        "ORDER BY page, number");
    readTrials.bind(1, profile);
    while (readTrials.step()) {
        const long long pageNumber = readTrials.number(0);
        const auto page = std::find_if(
            pages.begin(), pages.end(), [&](const Page& p) { return p.number == pageNumber; });
        Trial t;
        t.number = static_cast<int>(readTrials.number(1));
        t.first = readTrials.text(2);
        t.second = readTrials.text(3);
        t.a = readTrials.isNull(4) ? std::nan("") : readTrials.real(4);
        t.b = readTrials.isNull(5) ? std::nan("") : readTrials.real(5);
        t.output = readTrials.text(6);
        if (!readTrials.isNull(7))
            t.prediction = readTrials.text(7);
        t.predictionRight = readTrials.number(8) != 0;
        if (page != pages.end())
            page->trials.push_back(std::move(t));
    }
}

namespace {

// A page as the database keeps it: its row, how many trials it has, and its last trial.
struct KeptPage
{
    long long level = 0, streak = 0, discovered = 0, revealed = 0;
    std::string streakAnswers;
    std::size_t trials = 0;
    std::string lastTrial;
};

std::string trialKey(const Trial& t)
{
    return std::to_string(t.number) + '\n' + t.first + '\n' + t.second + '\n' + t.output;
}

} // namespace

// A notebook grows by one trial at a time through a lesson, and is kept after every
// experiment: only what changed since the last save is written (a new page, a page's new row
// values, its new trials), so that a save costs the same at the hundredth experiment as at
// the first. A page whose kept trials are not the start of its trials now is written again
// whole, and pages the notebook no longer has go.
void SqliteStore::saveNotebook(const std::string& profile, const std::vector<Page>& pages)
{
    SqliteTransaction transaction(*m_db);
    const long long id = profileId(profile);
    std::map<long long, KeptPage> kept;
    SqliteStatement read(*m_db,
        "SELECT pages.number, level, streak, discovered, revealed, streak_answers, "
        "(SELECT count(*) FROM trials WHERE trials.profile = pages.profile "
        "AND trials.page = pages.number), "
        "(SELECT number || char(10) || first || char(10) || second || char(10) || output "
        "FROM trials WHERE trials.profile = pages.profile AND trials.page = pages.number "
        "ORDER BY number DESC LIMIT 1) "
        "FROM pages WHERE profile = ?");
    read.bind(1, id);
    while (read.step())
        kept[read.number(0)] = KeptPage { read.number(1), read.number(2), read.number(3),
            read.number(4), read.text(5), static_cast<std::size_t>(read.number(6)),
            read.isNull(7) ? std::string() : read.text(7) };

    SqliteStatement removePage(*m_db, "DELETE FROM pages WHERE profile = ? AND number = ?");
    SqliteStatement updatePage(*m_db,
        "UPDATE pages SET level = ?, streak = ?, discovered = ?, revealed = ?, streak_answers = ? "
        "WHERE profile = ? AND number = ?");
    for (const Page& page : pages) {
        const auto found = kept.find(page.number);
        if (found == kept.end()) {
            writePage(id, page);
            continue;
        }
        const KeptPage was = found->second;
        kept.erase(found);
        const bool trialsGrew = was.trials <= page.trials.size()
            && (was.trials == 0 || trialKey(page.trials[was.trials - 1]) == was.lastTrial);
        if (!trialsGrew) {
            removePage.bind(1, id).bind(2, page.number).run();
            writePage(id, page);
            continue;
        }
        const KeptPage now { page.level.number(), page.streak, page.discovered ? 1 : 0,
            page.revealed ? 1 : 0, joinedLines(page.streakAnswers), page.trials.size(), {} };
        if (std::tie(was.level, was.streak, was.discovered, was.revealed, was.streakAnswers)
            != std::tie(now.level, now.streak, now.discovered, now.revealed, now.streakAnswers)) {
            updatePage.bind(1, now.level).bind(2, now.streak).bind(3, now.discovered);
            updatePage.bind(4, now.revealed).bind(5, now.streakAnswers);
            updatePage.bind(6, id).bind(7, page.number).run();
        }
        writeTrials(id, page, was.trials);
    }
    for (const auto& [number, gone] : kept)
        removePage.bind(1, id).bind(2, number).run();
    transaction.commit();
}

void SqliteStore::writePage(long long profile, const Page& page)
{
    SqliteStatement insertPage(*m_db,
        "INSERT INTO pages (profile, number, level, streak, discovered, revealed, streak_answers) "
        "VALUES (?, ?, ?, ?, ?, ?, ?)");
    insertPage.bind(1, profile).bind(2, page.number).bind(3, page.level.number());
    insertPage.bind(4, page.streak).bind(5, page.discovered ? 1 : 0);
    insertPage.bind(6, page.revealed ? 1 : 0).bind(7, joinedLines(page.streakAnswers)).run();
    writeTrials(profile, page, 0);
}

// The page's trials from the index `from` on.
void SqliteStore::writeTrials(long long profile, const Page& page, std::size_t from)
{
    if (from >= page.trials.size())
        return;
    SqliteStatement insertTrial(*m_db,
        "INSERT INTO trials (profile, page, number, first, second, a, b, output, prediction, "
        "prediction_right) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (std::size_t i = from; i < page.trials.size(); ++i) {
        const Trial& t = page.trials[i];
        insertTrial.bind(1, profile).bind(2, page.number).bind(3, t.number);
        insertTrial.bind(4, t.first).bind(5, t.second);
        bindNumber(insertTrial, 6, t.a);
        bindNumber(insertTrial, 7, t.b);
        insertTrial.bind(8, t.output);
        if (t.prediction)
            insertTrial.bind(9, *t.prediction);
        insertTrial.bind(10, t.predictionRight ? 1 : 0).run();
    }
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
    transaction.commit();
}

} // namespace quorvel
