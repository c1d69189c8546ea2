// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "collection/sqlite_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace quorvel::testing {

TempFolder::TempFolder()
{
    std::string name = (std::filesystem::temp_directory_path() / "quorvel-store-XXXXXX").string();
    if (!mkdtemp(name.data()))
        throw std::runtime_error("no temporary folder");
    m_path = name;
    // Readable by everyone, for the tests that drop root's rights.
    std::filesystem::permissions(m_path, std::filesystem::perms(0755));
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
            std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

RawDatabase::RawDatabase(const std::filesystem::path& file)
{
    if (sqlite3_open(file.c_str(), &m_db) != SQLITE_OK)
        ADD_FAILURE() << "cannot open " << file;
    sqlite3_busy_timeout(m_db, 5000);
}

RawDatabase::~RawDatabase()
{
    sqlite3_close(m_db);
}

void RawDatabase::execute(const std::string& sql)
{
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK)
        ADD_FAILURE() << sql << ": " << (message ? message : "");
    sqlite3_free(message);
}

std::string RawDatabase::single(const std::string& sql)
{
    sqlite3_stmt* statement = nullptr;
    std::string result;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK
        && sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_text(statement, 0))
        result = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    return result;
}

Trial trialOf(const Page& page, int t, const std::string& filler)
{
    Trial trial;
    trial.number = static_cast<int>(page.trials.size()) + 1;
    trial.first = std::to_string(t) + filler;
    trial.second = "0" + std::to_string(page.number);
    trial.a = t;
    trial.b = page.number;
    trial.output = t % 5 == 0 ? "????" : std::to_string(t + page.number);
    if (t % 3 == 0) {
        trial.prediction = "1,5";
        trial.predictionRight = t % 2 == 0;
    }
    trial.id = page.id + "/" + std::to_string(t);
    trial.made = page.begun + t;
    return trial;
}

std::vector<Page> notebookOf(int pages, int trials, const std::string& filler)
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

std::string fileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

} // namespace quorvel::testing
