// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pupils' notebooks in the SQLite store: saves that write only what is new and never take a
// trial away, two copies writing side by side, and the notebooks of a version 3 database.
#include "collection/sqlite_test_support.h"
#include "core/collection/kept_notebook.h"
#include "core/collection/memory_store.h"
#include "platform/sqlite/sqlite_store.h"

#include <gtest/gtest.h>

#include <set>

namespace quorvel {
namespace {

using testing::expectSame;
using testing::notebookOf;
using testing::RawDatabase;
using testing::TempFolder;
using testing::trialOf;

// After every experiment only the new trial and its page's row are written: a trial kept
// earlier, changed behind the store's back, stays as it was changed.
TEST(SqliteStore, SavingAGrowingNotebookWritesOnlyWhatChanged)
{
    TempFolder folder;
    SqliteStore store(folder.path());
    ASSERT_TRUE(store.addProfile("Anna"));
    std::vector<Page> notebook = notebookOf(3, 4);
    store.saveNotebook("Anna", notebook);
    RawDatabase raw(store.file());
    raw.execute("UPDATE trials SET output = 'segno' WHERE uid IN ('page-1/2', 'page-3/2')");

    notebook[2].trials.push_back(trialOf(notebook[2], 5));
    notebook[2].streak = 2;
    notebook[2].discovered = true;
    store.saveNotebook("Anna", notebook);

    const std::vector<Page> kept = store.notebook("Anna");
    notebook[0].trials[1].output = "segno";
    notebook[2].trials[1].output = "segno";
    expectSame(kept, notebook);
}

// Whatever the notebook saved, every trial kept before stays: the store holds the trials of
// both, in the order they were made, and the rows as last saved. The guest's store in memory
// keeps the same.
TEST(SqliteStore, SavingANotebookNeverTakesAwayATrial)
{
    const std::vector<Page> before = notebookOf(3, 4);
    const auto changed = [&](auto change) {
        std::vector<Page> after = before;
        change(after);
        return after;
    };
    const auto page2WithTrialsOf = [&](std::vector<int> made) {
        std::vector<Page> notebook = before;
        notebook[1].trials.clear();
        for (int t : made)
            notebook[1].trials.push_back(trialOf(notebook[1], t));
        return notebook;
    };
    const struct
    {
        const char* what;
        std::vector<Page> saved;
        std::vector<Page> kept;
    } cases[] = {
        { "the same", before, before },
        { "a page fewer", changed([](auto& n) { n.pop_back(); }), before },
        { "no page at all", {}, before },
        { "a new empty page, which is not kept",
            changed([](auto& n) { n.push_back(notebookOf(4, 0)[3]); }), before },
        { "a new empty page revealed", changed([](auto& n) { n.push_back(notebookOf(6, 0)[5]); }),
            changed([](auto& n) { n.push_back(notebookOf(6, 0)[5]); }) },
        { "a trial fewer", changed([](auto& n) { n[1].trials.pop_back(); }), before },
        { "another copy's trials, made in between", page2WithTrialsOf({ 2, 3, 5, 7, 8 }),
            page2WithTrialsOf({ 1, 2, 3, 4, 5, 7, 8 }) },
        { "the page revealed and its level changed", changed([](auto& n) {
             n[2].revealed = !n[2].revealed;
             n[2].level = Level::number(5);
         }),
            changed([](auto& n) {
                n[2].revealed = !n[2].revealed;
                n[2].level = Level::number(5);
            }) },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        SqliteStore store(folder.path());
        ASSERT_TRUE(store.addProfile("Anna"));
        store.saveNotebook("Anna", before);
        store.saveNotebook("Anna", c.saved);
        std::vector<Page> kept = c.kept;
        putInOrder(kept);
        expectSame(store.notebook("Anna"), kept);
        expectSame(SqliteStore(folder.path()).notebook("Anna"), kept);
        MemoryStore memory;
        memory.saveNotebook("Anna", before);
        memory.saveNotebook("Anna", c.saved);
        expectSame(memory.notebook("Anna"), kept);
    }
}

// Two copies playing as one pupil, each on its own page and then both on one page: neither
// loses a trial, and each finds the other's when it reads the notebook again.
TEST(SqliteStore, TwoCopiesKeepEachOthersTrials)
{
    TempFolder folder;
    SqliteStore first(folder.path());
    SqliteStore second(folder.path());
    std::vector<Page> mine = first.notebook("Anna");
    std::vector<Page> theirs = second.notebook("Anna");
    mine.push_back(notebookOf(1, 0)[0]);
    theirs.push_back(notebookOf(2, 0)[1]);
    for (int t = 1; t <= 3; ++t) {
        mine.back().trials.push_back(trialOf(mine.back(), 2 * t));
        first.saveNotebook("Anna", mine);
        theirs.back().trials.push_back(trialOf(theirs.back(), 2 * t + 1));
        second.saveNotebook("Anna", theirs);
    }
    std::vector<Page> both = { mine.back(), theirs.back() };
    expectSame(first.notebook("Anna"), both);

    // Both go on with the first page, which each now reads with the other's trials.
    mine = first.notebook("Anna");
    theirs = second.notebook("Anna");
    mine[0].trials.push_back(trialOf(mine[0], 900));
    theirs[0].trials.push_back(trialOf(theirs[0], 901));
    theirs[0].streak = 2;
    first.saveNotebook("Anna", mine);
    second.saveNotebook("Anna", theirs);
    both[0].trials.push_back(trialOf(both[0], 900));
    both[0].trials.push_back(trialOf(both[0], 901));
    both[0].streak = 2; // the row as last written
    putInOrder(both);
    expectSame(SqliteStore(folder.path()).notebook("Anna"), both);
}

// The notebooks kept before pages and trials had ids: every page with trials or revealed
// and every trial stays, in its order, with ids of its own; the empty pages are left behind.
TEST(SqliteStore, GivesTheNotebooksOfAVersion3DatabaseIdsAndKeepsTheirOrder)
{
    TempFolder folder;
    {
        RawDatabase raw(folder.path() / SqliteStore::fileName);
        for (int step = 1; step <= 3; ++step)
            raw.execute(schemaStep(step));
        raw.execute(
            "INSERT INTO profiles (name) VALUES ('Anna'), ('Bruno');"
            "INSERT INTO pages VALUES (1, 1, 2, 0, 0, 0, ''), (1, 2, 3, 0, 0, 1, ''),"
            "  (1, 3, 3, 2, 0, 0, '9\n2..9 | 5'), (1, 4, 4, 0, 0, 0, ''),"
            "  (2, 1, 5, 0, 1, 0, '');"
            "INSERT INTO trials VALUES (1, 1, 1, '3', '4', 3, 4, '7', NULL, 0),"
            "  (1, 3, 2, '2', '2', 2, 2, replace('xxxx', 'x', '?'), replace('xxxx', 'x', '?'), 1),"
            "  (1, 3, 1, '1', '8', 1, 8, '9', '9', 1),"
            "  (2, 1, 1, '5', '5', 5, 5, '10', NULL, 0);"
            "PRAGMA user_version = 3;");
    }
    SqliteStore store(folder.path());
    const std::vector<Page> anna = store.notebook("Anna");
    ASSERT_EQ(anna.size(), 3u); // page 4 was empty
    const struct
    {
        int level, streak;
        bool revealed;
        std::vector<std::string> outputs, answers;
    } expected[] = {
        { 2, 0, false, { "7" }, {} },
        { 3, 0, true, {}, {} },
        { 3, 2, false, { "9", "????" }, { "9", "2..9 | 5" } },
    };
    std::set<std::string> ids;
    for (std::size_t p = 0; p < anna.size(); ++p) {
        SCOPED_TRACE(p);
        const Page& page = anna[p];
        EXPECT_EQ(page.number, static_cast<int>(p) + 1);
        EXPECT_EQ(std::tie(page.level, page.streak, page.revealed, page.streakAnswers),
            std::make_tuple(Level::number(expected[p].level), expected[p].streak,
                expected[p].revealed, expected[p].answers));
        std::vector<std::string> outputs;
        for (const Trial& t : page.trials) {
            outputs.push_back(t.output);
            ids.insert(t.id);
        }
        EXPECT_EQ(outputs, expected[p].outputs);
        ids.insert(page.id);
    }
    EXPECT_EQ(anna[2].trials[1].prediction, "????");
    EXPECT_TRUE(anna[2].trials[1].predictionRight);
    EXPECT_EQ(ids.size(), 6u); // three pages and three trials, each its own
    for (const std::string& id : ids)
        EXPECT_EQ(id.size(), 32u) << id;
    EXPECT_TRUE(store.notebook("Bruno")[0].discovered);

    // The migrated notebook grows as any other.
    std::vector<Page> notebook = anna;
    notebook[2].trials.push_back(trialOf(notebook[2], 8));
    store.saveNotebook("Anna", notebook);
    putInOrder(notebook);
    expectSame(SqliteStore(folder.path()).notebook("Anna"), notebook);
}

} // namespace
} // namespace quorvel
