// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The SQLite store on real files in a folder of the test's own: the schema and its migration,
// two copies at once, damaged files, a read-only folder, a full disk and a killed writer.
#include "collection/sqlite_test_support.h"
#include "core/collection/kept_notebook.h"
#include "core/collection/memory_store.h"
#include "core/collection/sqlite_store.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <functional>
#include <set>

namespace quorvel {
namespace {

using testing::fileBytes;
using testing::RawDatabase;
using testing::TempFolder;
using testing::trialOf;
using testing::writeBytes;

// A notebook of `pages` pages of `trials` trials each; every third trial predicted. Page p
// began at p * 1000 microseconds, its trial t was made t microseconds later.
std::vector<Page> notebookOf(int pages, int trials, const std::string& filler = "")
{
    std::vector<Page> notebook;
    for (int p = 1; p <= pages; ++p) {
        Page page;
        page.number = p;
        page.id = "page-" + std::to_string(p);
        page.begun = p * 1000;
        page.level = Level::number((p - 1) % Level::count + 1);
        page.streak = p % 3;
        if (page.streak > 0)
            page.streakAnswers = { "4", "2..9 | 5" }; // an output, and the set of a random rule
        page.discovered = p % 2 == 0;
        page.revealed = p % 3 == 0;
        for (int t = 1; t <= trials; ++t)
            page.trials.push_back(trialOf(page, t, filler));
        notebook.push_back(page);
    }
    return notebook;
}

void expectSame(const std::vector<Page>& actual, const std::vector<Page>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t p = 0; p < expected.size(); ++p) {
        const Page& a = actual[p];
        const Page& e = expected[p];
        EXPECT_EQ(std::tie(a.number, a.id, a.begun, a.level, a.streak, a.discovered, a.revealed,
                      a.streakAnswers),
            std::tie(e.number, e.id, e.begun, e.level, e.streak, e.discovered, e.revealed,
                e.streakAnswers));
        ASSERT_EQ(a.trials.size(), e.trials.size()) << "page " << e.number;
        for (std::size_t t = 0; t < e.trials.size(); ++t) {
            const Trial& x = a.trials[t];
            const Trial& y = e.trials[t];
            EXPECT_EQ(std::tie(x.number, x.id, x.made, x.first, x.second, x.output, x.prediction,
                          x.predictionRight),
                std::tie(y.number, y.id, y.made, y.first, y.second, y.output, y.prediction,
                    y.predictionRight));
            EXPECT_TRUE(x.a == y.a || (std::isnan(x.a) && std::isnan(y.a)));
            EXPECT_TRUE(x.b == y.b || (std::isnan(x.b) && std::isnan(y.b)));
        }
    }
}

const Card sumCard { 1, Level::number(1), "La macchina calcola la somma.", CardWay::Discovered,
    "2026-12-07", 6 };

TEST(SqliteStore, CreatesTheSchemaInWriteAheadMode)
{
    TempFolder folder;
    const auto nested = folder.path() / "dati" / "Quorvel";
    SqliteStore store(nested);
    EXPECT_TRUE(store.notice().empty());
    RawDatabase raw(nested / SqliteStore::fileName);
    EXPECT_EQ(raw.single("PRAGMA user_version"), std::to_string(SqliteStore::schemaVersion));
    EXPECT_EQ(raw.single("PRAGMA journal_mode"), "wal");
    EXPECT_EQ(store.classRules(), ClassRules {});
    EXPECT_FALSE(store.pinHash());
}

TEST(SqliteStore, KeepsEverythingAcrossAReopening)
{
    TempFolder folder;
    std::vector<Page> notebook = notebookOf(3, 7);
    notebook[1].trials[0].a = HUGE_VAL; // a number too large for the machine
    notebook[1].trials[1].b = std::nan("");
    ClassRules rules;
    rules.levels = { false, true, true, false, true };
    rules.reveal = RevealPolicy::AfterDiscovery;
    rules.wizardSpeaksAtStart = false;
    {
        SqliteStore store(folder.path());
        EXPECT_TRUE(store.addProfile("Anna"));
        EXPECT_FALSE(store.addProfile("ANNA"));
        EXPECT_TRUE(store.addProfile("Zoë"));
        EXPECT_TRUE(store.openCard("Anna", sumCard));
        Card again = sumCard;
        again.way = CardWay::Revealed;
        EXPECT_FALSE(store.openCard("anna", again)); // the first opening stays
        store.saveNotebook("Anna", notebook);
        store.setClassRules(rules);
        EXPECT_TRUE(store.setPinHashIfUnset("$argon2id$hash"));
        EXPECT_FALSE(store.setPinHashIfUnset("$argon2id$other"));
    }
    SqliteStore store(folder.path());
    EXPECT_EQ(store.profiles(), (std::vector<std::string> { "Anna", "Zoë" }));
    EXPECT_EQ(store.cards("Anna"), std::vector<Card> { sumCard });
    EXPECT_TRUE(store.cards("Zoë").empty());
    expectSame(store.notebook("Anna"), notebook);
    EXPECT_TRUE(store.notebook("Zoë").empty());
    EXPECT_EQ(store.classRules(), rules);
    EXPECT_EQ(store.pinHash(), "$argon2id$hash");
}

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

TEST(SqliteStore, BringsAVersion1DatabaseUpToDateAndKeepsItsData)
{
    TempFolder folder;
    {
        RawDatabase raw(folder.path() / SqliteStore::fileName);
        raw.execute(schemaStep(1));
        raw.execute("INSERT INTO profiles (name) VALUES ('Anna');"
                    "INSERT INTO cards VALUES (1, 24, 1, 'Il più grande.', 'rivelata', "
                    "'2026-11-30', 3);"
                    "INSERT INTO settings VALUES ('reveal', 'mai');"
                    "PRAGMA user_version = 1;");
    }
    SqliteStore store(folder.path());
    EXPECT_EQ(RawDatabase(store.file()).single("PRAGMA user_version"),
        std::to_string(SqliteStore::schemaVersion));
    EXPECT_EQ(store.profiles(), std::vector<std::string> { "Anna" });
    EXPECT_EQ(store.cards("Anna"),
        (std::vector<Card> {
            { 24, Level::number(1), "Il più grande.", CardWay::Revealed, "2026-11-30", 3 } }));
    EXPECT_EQ(store.classRules().reveal, RevealPolicy::Never);
    store.saveNotebook("Anna", notebookOf(2, 2));
    expectSame(store.notebook("Anna"), notebookOf(2, 2));
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

TEST(SqliteStore, LeavesTheDatabaseOfANewerProgramAsItIs)
{
    TempFolder folder;
    const auto file = folder.path() / SqliteStore::fileName;
    RawDatabase(file).execute("CREATE TABLE future (x); PRAGMA user_version = 7;");
    const std::string before = fileBytes(file);
    try {
        SqliteStore store(folder.path());
        FAIL() << "a newer database was opened";
    } catch (const StoreFault& fault) {
        EXPECT_STREQ(fault.what(),
            "L'archivio di Quorvel è di una versione più nuova del programma: aggiorna Quorvel "
            "per usarlo.");
    }
    EXPECT_EQ(fileBytes(file), before);
}

TEST(SqliteStore, SetsADamagedFileAsideAndStartsAFreshOne)
{
    const auto garbage = [](const std::string&) {
        return std::string(5000, 'x'); // no database at all
    };
    const auto torn = [](const std::string& whole) { // a database with its pages overwritten
        std::string damaged = whole;
        for (std::size_t i = 4096; i < damaged.size(); ++i)
            damaged[i] = static_cast<char>(i * 7);
        return damaged;
    };
    for (const auto& damage : { +garbage, +torn }) {
        TempFolder folder;
        {
            SqliteStore store(folder.path());
            store.addProfile("Anna");
            store.saveNotebook("Anna", notebookOf(4, 20));
        }
        const auto file = folder.path() / SqliteStore::fileName;
        const std::string damaged = damage(fileBytes(file));
        writeBytes(file, damaged);

        SqliteStore store(folder.path());
        EXPECT_NE(store.notice().find("L'archivio di Quorvel era rovinato: l'ho messo da parte "
                                      "come «quorvel-guasto-"),
            std::string::npos)
            << store.notice();
        EXPECT_TRUE(store.profiles().empty());
        EXPECT_TRUE(store.addProfile("Anna"));
        int aside = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("quorvel-guasto-", 0) == 0 && entry.path().extension() == ".db") {
                ++aside;
                EXPECT_EQ(fileBytes(entry.path()), damaged); // kept as it was, for a rescue
            }
        }
        EXPECT_EQ(aside, 1);
    }
}

// A write that meets damage checks the whole file again: only a file really damaged is said
// to be, and it is repaired at the next start.
TEST(SqliteStore, AWriteThatMeetsDamageChecksTheFileAgain)
{
    TempFolder folder;
    {
        SqliteStore store(folder.path());
        store.addProfile("Anna");
    }
    const auto file = folder.path() / SqliteStore::fileName;
    const auto faultOf = [](SqliteConnection& db) {
        try {
            db.fail(SQLITE_CORRUPT);
        } catch (const StoreFault& fault) {
            return std::string(fault.what());
        }
        return std::string();
    };
    SqliteConnection whole(file, 50);
    EXPECT_EQ(faultOf(whole),
        "L'archivio di Quorvel non funziona (errore 11): l'ultima modifica non è stata salvata.");
    // An index whose entries are not what its definition says.
    RawDatabase(file).execute("CREATE INDEX profiles_by_id ON profiles (id);"
                              "PRAGMA writable_schema = ON;"
                              "UPDATE sqlite_schema SET sql = 'CREATE INDEX profiles_by_id ON "
                              "profiles (name)' WHERE name = 'profiles_by_id';");
    SqliteConnection damaged(file, 50);
    EXPECT_EQ(
        faultOf(damaged), "L'archivio di Quorvel è rovinato: riavvia il programma per ripararlo.");
}

// Whatever stands where the database or its folder should be, the message names it.
TEST(SqliteStore, SaysWhatStandsWhereTheDatabaseShouldBe)
{
    namespace fs = std::filesystem;
    const struct
    {
        const char* what;
        std::function<fs::path(const fs::path&)> place; // gives the folder to open
        std::string message; // its beginning; @ stands for the test's folder
    } cases[] = {
        { "a folder in place of the database",
            [](const fs::path& at) {
                fs::create_directories(at / SqliteStore::fileName);
                return at;
            },
            "Al posto dell'archivio di Quorvel («@/quorvel.db») c'è una cartella: spostala o "
            "cambiale nome, oppure chiedi aiuto all'insegnante." },
        { "a link to a file that is not there",
            [](const fs::path& at) {
                fs::create_symlink(at / "chiavetta" / "quorvel.db", at / SqliteStore::fileName);
                return at;
            },
            "L'archivio di Quorvel («@/quorvel.db») è un collegamento a «@/chiavetta/quorvel.db», "
            "che non c'è: forse è su un disco staccato." },
        { "a pipe in place of the database",
            [](const fs::path& at) {
                mkfifo((at / SqliteStore::fileName).c_str(), 0644);
                return at;
            },
            "Al posto dell'archivio di Quorvel («@/quorvel.db») c'è un file speciale, che non "
            "può fare da archivio." },
        { "a file in place of the data folder",
            [](const fs::path& at) {
                writeBytes(at / "Quorvel", "x");
                return at / "Quorvel" / "Quorvel";
            },
            "Non posso creare la cartella «@/Quorvel/Quorvel» per l'archivio di Quorvel: "
            "«@/Quorvel» è un file, non una cartella." },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const fs::path at = c.place(folder.path());
        std::string expected = c.message;
        for (std::size_t i; (i = expected.find('@')) != std::string::npos;)
            expected.replace(i, 1, folder.path().string());
        try {
            SqliteStore store(at);
            ADD_FAILURE() << "opened";
        } catch (const StoreFault& fault) {
            EXPECT_EQ(std::string(fault.what()).substr(0, expected.size()), expected);
        }
    }
}

TEST(SqliteStore, SharesTheDatabaseWithASecondCopyAndSaysWhenItIsLocked)
{
    TempFolder folder;
    SqliteStore first(folder.path());
    SqliteStore second(folder.path(), { 50, std::nullopt });
    first.addProfile("Anna");
    EXPECT_EQ(second.profiles(), std::vector<std::string> { "Anna" });

    RawDatabase writer(first.file());
    writer.execute("BEGIN IMMEDIATE; INSERT INTO profiles (name) VALUES ('Bruno');");
    SqliteStore third(folder.path(), { 50, std::nullopt }); // opening only reads
    EXPECT_EQ(third.profiles(), std::vector<std::string> { "Anna" });
    try {
        second.openCard("Anna", sumCard);
        FAIL() << "wrote past another copy's lock";
    } catch (const StoreFault& fault) {
        EXPECT_STREQ(fault.what(),
            "L'archivio di Quorvel è usato da un'altra copia del programma: chiudila oppure "
            "aspetta un momento e riprova.");
    }
    writer.execute("COMMIT");
    EXPECT_TRUE(second.openCard("Anna", sumCard));
    EXPECT_EQ(first.profiles(), (std::vector<std::string> { "Anna", "Bruno" }));
    EXPECT_EQ(first.cards("Anna"), std::vector<Card> { sumCard });
}

TEST(SqliteStore, KeepsTheLastWholeStateWhenTheDiskIsFull)
{
    TempFolder folder;
    const std::vector<Page> small = notebookOf(2, 3);
    {
        SqliteStore store(folder.path(), { 3000, 40 }); // 40 pages of 4 KiB
        store.saveNotebook("Anna", small);
        try {
            store.saveNotebook("Anna", notebookOf(50, 30, std::string(200, '7')));
            FAIL() << "a notebook larger than the disk was saved";
        } catch (const StoreFault& fault) {
            EXPECT_STREQ(fault.what(),
                "Il disco è pieno: l'ultima modifica non è stata salvata. Libera un po' di spazio "
                "e riprova.");
        }
        expectSame(store.notebook("Anna"), small);
        store.addProfile("Bruno"); // a small change still goes through
    }
    SqliteStore store(folder.path());
    expectSame(store.notebook("Anna"), small);
    EXPECT_EQ(store.profiles(), (std::vector<std::string> { "Anna", "Bruno" }));
    EXPECT_EQ(RawDatabase(store.file()).single("PRAGMA integrity_check"), "ok");
}

} // namespace
} // namespace quorvel
