// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The SQLite store in other processes: one without the right to write the folder, and writers
// killed at random points of their writing.
#include "collection/sqlite_test_support.h"
#include "core/collection/sqlite_store.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvel {
namespace {

using testing::fileBytes;
using testing::RawDatabase;
using testing::TempFolder;

// Runs `body` in a child process and gives its exit status; 99 when it died otherwise.
template <typename Body> int inChild(Body body)
{
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        try {
            _exit(body());
        } catch (...) {
            _exit(98); // never back into the test runner in the child
        }
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

// Root may write anywhere: a child that stands for the pupil drops to "nobody" first.
bool dropRoot()
{
    return geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
}

TEST(SqliteStoreProcess, SaysSoWhenTheFolderCannotBeWritten)
{
    TempFolder folder;
    const auto empty = folder.path() / "vuota";
    const auto kept = folder.path() / "con-archivio";
    {
        SqliteStore store(kept);
        store.addProfile("Anna");
    }
    std::filesystem::create_directory(empty);
    const auto readOnly = std::filesystem::perms(0555);
    std::filesystem::permissions(empty, readOnly);
    std::filesystem::permissions(kept, readOnly);
    std::filesystem::permissions(kept / SqliteStore::fileName, std::filesystem::perms(0444));
    const std::string before = fileBytes(kept / SqliteStore::fileName);

    for (const auto& where : { empty, kept }) {
        // 0: refused with the words for a protected folder; 1: no fault; 2: another fault.
        const int status = inChild([&] {
            if (!dropRoot())
                return 3;
            try {
                SqliteStore store(where);
                store.addProfile("Bruno");
                return 1;
            } catch (const StoreFault& fault) {
                return std::string(fault.what()).find("Non posso scrivere l'archivio")
                        != std::string::npos
                    ? 0
                    : 2;
            }
        });
        EXPECT_EQ(status, 0) << where;
    }
    EXPECT_FALSE(std::filesystem::exists(empty / SqliteStore::fileName));
    EXPECT_EQ(fileBytes(kept / SqliteStore::fileName), before);
}

// A writer that saves a notebook of 1, 2, 3... trials, each in its own change, and tells the
// pipe the number of trials once each change is kept.
[[noreturn]] void writeUntilKilled(const std::filesystem::path& folder, int pipe)
try {
    SqliteStore store(folder);
    store.addProfile("Anna");
    Page page;
    page.number = 1;
    page.level = Level::number(3);
    for (int n = 1;; ++n) {
        page.trials.push_back({ n, std::to_string(n), "7", double(n), 7, std::to_string(n + 7),
            std::nullopt, false });
        store.saveNotebook("Anna", { page });
        if (write(pipe, &n, sizeof n) != sizeof n)
            _exit(4);
    }
} catch (...) {
    _exit(5); // never back into the test runner in the child
}

TEST(SqliteStoreProcess, AWriterKilledAtAnyMomentLosesAtMostTheChangeItWasWriting)
{
    TempFolder folder;
    for (int round = 0; round < 8; ++round) {
        std::filesystem::remove_all(folder.path() / "archivio");
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        std::fflush(nullptr);
        const pid_t writer = fork();
        if (writer == 0) {
            close(fds[0]);
            writeUntilKilled(folder.path() / "archivio", fds[1]);
        }
        close(fds[1]);
        // Let it keep a different number of changes each round, then kill it mid-stream.
        int kept = 0;
        while (kept < 5 + round * 7 && read(fds[0], &kept, sizeof kept) == sizeof kept) { }
        usleep(static_cast<useconds_t>(round * 613)); // so the kill lands at another step
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        for (int n = 0; read(fds[0], &n, sizeof n) == sizeof n;)
            kept = n; // changes it kept before it died
        close(fds[0]);

        SqliteStore store(folder.path() / "archivio");
        EXPECT_TRUE(store.notice().empty()) << store.notice();
        EXPECT_EQ(RawDatabase(store.file()).single("PRAGMA integrity_check"), "ok");
        const std::vector<Page> pages = store.notebook("Anna");
        ASSERT_EQ(pages.size(), 1u);
        const int trials = static_cast<int>(pages[0].trials.size());
        // Everything it said it kept, and perhaps the change it was writing, whole.
        EXPECT_TRUE(trials == kept || trials == kept + 1) << trials << " after " << kept;
        EXPECT_EQ(pages[0].trials.back().number, trials);
    }
}

} // namespace
} // namespace quorvel
