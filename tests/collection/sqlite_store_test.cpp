// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The SQLite store on real files in a folder of the test's own: the schema and its migration,
// two copies at once, damaged files, what stands in the database's place, a full disk.
#include "collection/sqlite_test_support.h"
#include "platform/sqlite/sqlite_store.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <functional>

namespace quorvel {
namespace {

using testing::expectSame;
using testing::fileBytes;
using testing::notebookOf;
using testing::RawDatabase;
using testing::TempFolder;
using testing::trialOf;
using testing::writeBytes;

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
