// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/notebook/notebook.h"

#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

namespace quorvel::testing {

// A new empty folder of the test's own, removed with everything in it at the end.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// A connection of the test's own, beside the store's, to look at the file or to hold a lock.
class RawDatabase
{
public:
    explicit RawDatabase(const std::filesystem::path& file);
    ~RawDatabase();
    RawDatabase(const RawDatabase&) = delete;
    RawDatabase& operator=(const RawDatabase&) = delete;
    void execute(const std::string& sql);
    // The first column of the first row, as text ("" for none).
    std::string single(const std::string& sql);

private:
    sqlite3* m_db = nullptr;
};

// Trial t of a page, written after the page's others: made t microseconds after the page
// began, with an id that names both; every third one predicted, every fifth one "????".
Trial trialOf(const Page& page, int t, const std::string& filler = "");

// A notebook of `pages` pages of `trials` trials each; every third trial predicted. Page p
// began at p * 1000 microseconds, its trial t was made t microseconds later.
std::vector<Page> notebookOf(int pages, int trials, const std::string& filler = "");

// Expects the pages to be the same, row by row and trial by trial.
void expectSame(const std::vector<Page>& actual, const std::vector<Page>& expected);

std::string fileBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const std::string& bytes);

} // namespace quorvel::testing
