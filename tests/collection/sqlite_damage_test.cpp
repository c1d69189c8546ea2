// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A database damaged in each of the ways a disk or a crash damages files: found when it opens,
// set aside as it is, and every row that can still be read copied into a fresh one.
#include "collection/sqlite_test_support.h"
#include "core/values/number_text.h"
#include "platform/sqlite/sqlite_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

namespace quorvel {
namespace {

using testing::fileBytes;
using testing::TempFolder;
using testing::trialOf;
using testing::writeBytes;

constexpr std::size_t pageSize = 4096;
const std::string tables[] = { "profiles", "cards", "settings", "pages", "trials" };
// The tables whose rows refer to another's: a row whose pupil or page is lost is lost too.
const std::map<std::string, std::string> refersTo
    = { { "cards", "profiles" }, { "pages", "profiles" }, { "trials", "pages" } };

// Every row of a query, its columns joined by '|'.
std::vector<std::string> rowsOf(const std::filesystem::path& file, const std::string& sql)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* read = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &read, nullptr);
    std::vector<std::string> rows;
    while (sqlite3_step(read) == SQLITE_ROW) {
        std::string row;
        for (int c = 0; c < sqlite3_column_count(read); ++c) {
            const auto* text = sqlite3_column_text(read, c);
            row += (c ? "|" : "") + std::string(text ? reinterpret_cast<const char*>(text) : "∅");
        }
        rows.push_back(row);
    }
    sqlite3_finalize(read);
    sqlite3_close(db);
    return rows;
}

std::multiset<std::string> contents(const std::filesystem::path& file, const std::string& table)
{
    const std::vector<std::string> rows = rowsOf(file, "SELECT * FROM " + table);
    return { rows.begin(), rows.end() };
}

// A class with three pupils, their cards and notebooks (1 250 trials over many pages of the
// file), the class rules and the PIN.
void keepAClass(const std::filesystem::path& folder)
{
    SqliteStore store(folder);
    const std::pair<const char*, int> pupils[] = { { "Anna", 3 }, { "Bruno", 1 }, { "Carla", 0 } };
    for (const auto& [name, pages] : pupils) {
        store.addProfile(name);
        store.openCard(
            name, { 1, Level::number(1), "La somma.", CardWay::Discovered, "2026-12-07", 12 });
        store.openCard(
            name, { 24, Level::number(1), "Il più grande.", CardWay::Revealed, "2026-12-08", 3 });
        std::vector<Page> notebook;
        for (int p = 1; p <= pages; ++p) {
            Page page;
            page.number = p;
            page.id = std::string(name) + "-page-" + std::to_string(p);
            page.begun = p * 100000;
            page.level = Level::number(p);
            for (int t = 1; t <= (p == 1 ? 50 : 600); ++t)
                page.trials.push_back(trialOf(page, t));
            notebook.push_back(page);
        }
        store.saveNotebook(name, notebook);
    }
    ClassRules rules;
    rules.reveal = RevealPolicy::Never;
    store.setClassRules(rules);
    store.setPinHashIfUnset("$argon2id$hash");
}

// Which page of the file belongs to which table or index, and how many rows a page holds.
struct FilePage
{
    std::string owner;
    std::size_t number = 0;
    std::string kind; // "leaf", "internal", "overflow"
    int cells = 0;
};

std::vector<FilePage> filePages(const std::filesystem::path& file)
{
    std::vector<FilePage> pages;
    for (const std::string& row :
        rowsOf(file, "SELECT name, pageno, pagetype, ncell FROM dbstat")) {
        const auto a = row.find('|'), b = row.find('|', a + 1), c = row.find('|', b + 1);
        pages.push_back({ row.substr(0, a),
            static_cast<std::size_t>(readWhole(row.substr(a + 1, b - a - 1)).value_or(0)),
            row.substr(b + 1, c - b - 1),
            static_cast<int>(readWhole(row.substr(c + 1)).value_or(0)) });
    }
    return pages;
}

// Overwrites a page with bytes that make no page.
void spoil(std::string& bytes, std::size_t page)
{
    for (std::size_t i = (page - 1) * pageSize; i < page * pageSize; ++i)
        bytes[i] = static_cast<char>(i * 7);
}

// The leaf pages of a table or index, in the file's order.
std::vector<std::size_t> leaves(const std::vector<FilePage>& pages, const std::string& owner)
{
    std::vector<std::size_t> found;
    for (const FilePage& p : pages)
        if (p.owner == owner && p.kind == "leaf")
            found.push_back(p.number);
    std::sort(found.begin(), found.end());
    return found;
}

struct Damage
{
    const char* what;
    // Damages the file's bytes; gives the pages it damaged.
    std::function<std::set<std::size_t>(std::string&, const std::vector<FilePage>&)> apply;
    const char* lost; // what the notice says could not be read, or nothing
};

const Damage damages[] = {
    { "an entry of the pupils' names index changed",
        [](std::string& bytes, const std::vector<FilePage>& pages) {
            const std::size_t page = leaves(pages, "sqlite_autoindex_profiles_1").at(0);
            const std::size_t at = bytes.find("Bruno", (page - 1) * pageSize);
            bytes[at + 1] = 'x'; // "Bxuno": the index no longer finds Bruno
            return std::set<std::size_t> { page };
        },
        nullptr },
    { "a page of the trials' order index damaged",
        [](std::string& bytes, const std::vector<FilePage>& pages) {
            const std::size_t page = leaves(pages, "trials_in_order").at(2);
            spoil(bytes, page);
            return std::set<std::size_t> { page };
        },
        nullptr },
    { "a page of trials damaged",
        [](std::string& bytes, const std::vector<FilePage>& pages) {
            const std::vector<std::size_t> trials = leaves(pages, "trials");
            const std::size_t page = trials.at(trials.size() / 2);
            spoil(bytes, page);
            return std::set<std::size_t> { page };
        },
        "alcune prove del quaderno" },
    { "the file cut short",
        [](std::string& bytes, const std::vector<FilePage>&) {
            const std::size_t pages = bytes.size() / pageSize;
            bytes.resize((pages - 4) * pageSize);
            std::set<std::size_t> cut;
            for (std::size_t p = pages - 3; p <= pages; ++p)
                cut.insert(p);
            return cut;
        },
        "" }, // whatever the last pages held
};

TEST(SqliteDamage, IsFoundAtOpeningAndWhatIsReadableIsKept)
{
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        TempFolder folder;
        keepAClass(folder.path());
        const auto file = folder.path() / SqliteStore::fileName;
        const std::vector<FilePage> pages = filePages(file);
        std::map<std::string, std::multiset<std::string>> before;
        for (const std::string& table : tables)
            before[table] = contents(file, table);
        std::string bytes = fileBytes(file);
        const std::set<std::size_t> damaged = damage.apply(bytes, pages);
        writeBytes(file, bytes);
        // The tables with a damaged page, and those whose rows refer to one of them.
        std::map<std::string, int> rowsOnDamagedPages;
        std::set<std::string> hit;
        for (const FilePage& p : pages)
            if (damaged.count(p.number) && before.count(p.owner)) {
                hit.insert(p.owner);
                rowsOnDamagedPages[p.owner] += p.kind == "leaf" ? p.cells : 1 << 30;
            }
        for (const auto& [table, parent] : refersTo)
            if (hit.count(parent))
                hit.insert(table);

        SqliteStore store(folder.path());
        const std::string& notice = store.notice();
        EXPECT_EQ(notice.rfind("L'archivio di Quorvel era rovinato: l'ho messo da parte come "
                               "«quorvel-guasto-",
                      0),
            0u)
            << notice;
        if (damage.lost && *damage.lost) {
            EXPECT_NE(notice.find("Non si sono potuti leggere: " + std::string(damage.lost)),
                std::string::npos)
                << notice;
        }
        if (!damage.lost) {
            EXPECT_NE(notice.find("ho ricopiato tutto quello che conteneva: 3 giocatori, 6 carte "
                                  "della collezione, 1300 prove del quaderno, le regole della "
                                  "classe e il PIN dell'insegnante."),
                std::string::npos)
                << notice;
        }
        for (const std::string& table : tables) {
            SCOPED_TRACE(table);
            const std::multiset<std::string> after = contents(file, table);
            if (!hit.count(table)) {
                EXPECT_EQ(after, before[table]); // nothing of an undamaged table is lost
                continue;
            }
            EXPECT_TRUE(std::includes(
                before[table].begin(), before[table].end(), after.begin(), after.end()));
            if (!refersTo.count(table) || !hit.count(refersTo.at(table))) {
                EXPECT_GE(after.size() + rowsOnDamagedPages[table], before[table].size());
            }
        }
        EXPECT_EQ(rowsOf(file, "PRAGMA integrity_check"), std::vector<std::string> { "ok" });
        store.addProfile("Dario"); // and it goes on working
        EXPECT_EQ(store.profiles().back(), "Dario");
    }
}

} // namespace
} // namespace quorvel
