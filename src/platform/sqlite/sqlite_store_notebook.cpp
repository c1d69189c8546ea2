// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pupils' notebooks in the store: pages and trials by their ids, trials only ever added.
#include "core/collection/kept_notebook.h"
#include "platform/sqlite/sqlite_store.h"

#include <cmath>
#include <tuple>

namespace quorvel {
namespace {

// A number that is not a number would be kept as NULL: keep "no number" explicitly instead.
void bindNumber(SqliteStatement& s, int index, double value)
{
    if (std::isnan(value))
        s.bindNull(index);
    else
        s.bindReal(index, value);
}

} // namespace

SqliteStore::KeptPage::KeptPage(long long row, const Page& page)
    : row(row)
    , level(page.level)
    , streak(page.streak)
    , streakAnswers(page.streakAnswers)
    , discovered(page.discovered)
    , revealed(page.revealed)
    , rule(page.rule)
    , trials(page.trials.size())
    , lastTrial(page.trials.empty() ? "" : page.trials.back().id)
{
}

bool SqliteStore::KeptPage::sameRow(const Page& page) const
{
    return std::tie(level, streak, streakAnswers, discovered, revealed, rule)
        == std::tie(
            page.level, page.streak, page.streakAnswers, page.discovered, page.revealed, page.rule);
}

bool SqliteStore::KeptPage::sameTrials(const Page& page) const
{
    return trials == page.trials.size() && (trials == 0 || lastTrial == page.trials.back().id);
}

std::vector<Page> SqliteStore::notebook(const std::string& profile)
{
    std::vector<Page> pages;
    std::unordered_map<long long, std::size_t> pageAt; // a page's row: its place in `pages`
    SqliteStatement read(*m_db,
        "SELECT pages.id, uid, begun, level, streak, streak_answers, discovered, revealed, rule "
        "FROM pages JOIN profiles ON profiles.id = pages.profile WHERE profiles.name = ? "
        "ORDER BY begun, uid");
    read.bind(1, profile);
    while (read.step()) {
        Page page;
        page.id = read.text(1);
        page.begun = read.number(2);
        page.level = Level::number(static_cast<int>(read.number(3)));
        page.streak = static_cast<int>(read.number(4));
        page.streakAnswers = linesOf(read.text(5));
        page.discovered = read.number(6) != 0;
        page.revealed = read.number(7) != 0;
        page.rule = read.text(8);
        pageAt[read.number(0)] = pages.size();
        pages.push_back(std::move(page));
    }
    readTrials(profile, pages, pageAt);
    putInOrder(pages);
    for (const auto& [row, at] : pageAt)
        m_kept.insert_or_assign(pages[at].id, KeptPage(row, pages[at]));
    return pages;
}

void SqliteStore::readTrials(const std::string& profile, std::vector<Page>& pages,
    const std::unordered_map<long long, std::size_t>& pageAt)
{
    SqliteStatement read(*m_db,
        "SELECT trials.page, trials.uid, made, first, second, a, b, output, prediction, "
        "prediction_right FROM pages JOIN profiles ON profiles.id = pages.profile "
        "JOIN trials ON trials.page = pages.id WHERE profiles.name = ?");
    read.bind(1, profile);
    while (read.step()) {
        Trial t;
        t.id = read.text(1);
        t.made = read.number(2);
        t.first = read.text(3);
        t.second = read.text(4);
        t.a = read.isNull(5) ? std::nan("") : read.real(5);
        t.b = read.isNull(6) ? std::nan("") : read.real(6);
        t.output = read.text(7);
        if (!read.isNull(8))
            t.prediction = read.text(8);
        t.predictionRight = read.number(9) != 0;
        pages[pageAt.at(read.number(0))].trials.push_back(std::move(t));
    }
}

// A notebook grows by one trial at a time through a lesson, and is kept after every
// experiment: a save writes a page this connection has not kept yet, a kept page's row when it
// changed, and the trials after those it kept, so that it costs the same at the hundred
// thousandth trial as at the first. What another copy added in between stays as it is.
void SqliteStore::saveNotebook(const std::string& profile, std::span<const Page> pages)
{
    SqliteTransaction transaction(*m_db);
    const long long id = profileId(profile);
    std::vector<std::pair<std::string, KeptPage>> nowKept;
    for (const Page& page : pages) {
        if (!worthKeeping(page))
            continue;
        const auto found = m_kept.find(page.id);
        if (found == m_kept.end()) {
            const long long row = writePage(id, page);
            writeTrials(row, page, 0);
            nowKept.emplace_back(page.id, KeptPage(row, page));
            continue;
        }
        const KeptPage& was = found->second;
        const bool sameRow = was.sameRow(page);
        if (sameRow && was.sameTrials(page))
            continue;
        if (!sameRow)
            updatePage(was.row, page);
        const bool grew = was.trials <= page.trials.size()
            && (was.trials == 0 || page.trials[was.trials - 1].id == was.lastTrial);
        writeTrials(was.row, page, grew ? was.trials : 0);
        nowKept.emplace_back(page.id, KeptPage(was.row, page));
    }
    transaction.commit();
    for (auto& [page, kept] : nowKept)
        m_kept.insert_or_assign(page, std::move(kept));
}

// The page's row, made or, when another copy made it first, brought up to date.
long long SqliteStore::writePage(long long profile, const Page& page)
{
    SqliteStatement write(*m_db,
        "INSERT INTO pages (uid, profile, begun, level, streak, streak_answers, discovered, "
        "revealed, rule) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (uid) DO UPDATE SET "
        "level = excluded.level, streak = excluded.streak, "
        "streak_answers = excluded.streak_answers, discovered = excluded.discovered, "
        "revealed = excluded.revealed, rule = excluded.rule RETURNING id");
    write.bind(1, page.id).bind(2, profile).bind(3, page.begun).bind(4, page.level.number());
    write.bind(5, page.streak).bind(6, joinedLines(page.streakAnswers));
    write.bind(7, page.discovered ? 1 : 0).bind(8, page.revealed ? 1 : 0).bind(9, page.rule);
    write.step();
    const long long row = write.number(0);
    write.run();
    return row;
}

void SqliteStore::updatePage(long long row, const Page& page)
{
    SqliteStatement update(*m_db,
        "UPDATE pages SET level = ?, streak = ?, streak_answers = ?, discovered = ?, "
        "revealed = ?, rule = ? WHERE id = ?");
    update.bind(1, page.level.number()).bind(2, page.streak);
    update.bind(3, joinedLines(page.streakAnswers));
    update.bind(4, page.discovered ? 1 : 0).bind(5, page.revealed ? 1 : 0);
    update.bind(6, page.rule).bind(7, row);
    update.run();
}

// The page's trials from the index `from` on, those kept already left as they are.
void SqliteStore::writeTrials(long long row, const Page& page, std::size_t from)
{
    if (from >= page.trials.size())
        return;
    SqliteStatement insert(*m_db,
        "INSERT INTO trials (uid, page, made, first, second, a, b, output, prediction, "
        "prediction_right) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (uid) DO NOTHING");
    for (std::size_t i = from; i < page.trials.size(); ++i) {
        const Trial& t = page.trials[i];
        insert.bind(1, t.id).bind(2, row).bind(3, t.made).bind(4, t.first).bind(5, t.second);
        bindNumber(insert, 6, t.a);
        bindNumber(insert, 7, t.b);
        insert.bind(8, t.output);
        if (t.prediction)
            insert.bind(9, *t.prediction);
        insert.bind(10, t.predictionRight ? 1 : 0).run();
    }
}

} // namespace quorvel
