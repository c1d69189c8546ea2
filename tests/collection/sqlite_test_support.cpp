// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "collection/sqlite_test_support.h"

#include <gtest/gtest.h>

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
