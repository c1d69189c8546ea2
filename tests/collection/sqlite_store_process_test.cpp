// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The SQLite store in other processes: one without the right to write the folder, and writers
// killed at random points of their writing.
#include "collection/sqlite_test_support.h"
#include "platform/sqlite/sqlite_store.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <stdexcept>
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
    page.id = "page";
    page.level = Level::number(3);
    for (int n = 1;; ++n) {
        page.trials.push_back(testing::trialOf(page, n));
        store.saveNotebook("Anna", std::span(&page, 1));
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

// A console of its own in another process, playing on the pupils' database in `dataHome`.
class ConsoleCopy
{
public:
    explicit ConsoleCopy(const std::filesystem::path& dataHome)
    {
        int commands[2], answers[2];
        if (pipe(commands) != 0 || pipe(answers) != 0)
            throw std::runtime_error("no pipe");
        std::fflush(nullptr);
        m_pid = fork();
        if (m_pid == 0) {
            dup2(commands[0], 0);
            dup2(answers[1], 1);
            for (int fd : { commands[0], commands[1], answers[0], answers[1] })
                close(fd);
            setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
            const std::string console = QUORVEL_TEST_BIN "/quorvel-console";
            execl(console.c_str(), console.c_str(), "--date", "2026-12-07", nullptr);
            _exit(127);
        }
        close(commands[0]);
        close(answers[1]);
        m_commands = fdopen(commands[1], "w");
        m_answers = fdopen(answers[0], "r");
    }
    ~ConsoleCopy()
    {
        std::fputs("esci\n", m_commands);
        std::fclose(m_commands);
        std::fclose(m_answers);
        waitpid(m_pid, nullptr, 0);
    }
    ConsoleCopy(const ConsoleCopy&) = delete;
    ConsoleCopy& operator=(const ConsoleCopy&) = delete;

    // Sends the commands and gives what the console answered, once it has answered them all.
    std::vector<std::string> run(const std::vector<std::string>& commands)
    {
        for (const std::string& command : commands)
            std::fprintf(m_commands, "%s\n", command.c_str());
        std::fputs("fatto\n", m_commands); // no command: its error line ends the answers
        std::fflush(m_commands);
        std::vector<std::string> lines;
        char line[4096];
        while (std::fgets(line, sizeof line, m_answers)) {
            std::string text(line);
            text.pop_back();
            if (text == "errore: comando non valido: fatto")
                break;
            if (!text.starts_with("narratore:"))
                lines.push_back(text);
        }
        return lines;
    }

private:
    pid_t m_pid = -1;
    std::FILE* m_commands = nullptr;
    std::FILE* m_answers = nullptr;
};

std::vector<std::string> experiment(int first, int second)
{
    return { "cancella primo", "cancella secondo", "primo " + std::to_string(first),
        "secondo " + std::to_string(second), "esperimento" };
}

// Two copies of the program playing as one pupil, experiment after experiment in turn: each
// keeps its own trials on its own page, neither loses one, and each finds the other's when it
// reads the pupil's notebook again.
TEST(SqliteStoreProcess, TwoCopiesPlayingAsOnePupilKeepEachOthersTrials)
{
    TempFolder data;
    ConsoleCopy first(data.path());
    ConsoleCopy second(data.path());
    EXPECT_EQ(first.run({ "profilo Anna", "livello 1" }).front(), "profilo: Anna");
    EXPECT_EQ(second.run({ "profilo Anna", "livello 2" }).front(), "profilo: Anna");
    for (int n = 1; n <= 3; ++n) {
        first.run(experiment(n, 1));
        second.run(experiment(10 + n, 2));
    }
    EXPECT_EQ(first.run({ "quaderno" }).front(), "quaderno: pagina 1, livello 1, 3 prove");
    EXPECT_EQ(second.run({ "quaderno" }).front(), "quaderno: pagina 1, livello 2, 3 prove");

    const std::vector<Page> kept
        = SqliteStore(data.path() / "Quorvel" / "Quorvel").notebook("Anna");
    ASSERT_EQ(kept.size(), 2u);
    for (std::size_t p = 0; p < kept.size(); ++p) {
        ASSERT_EQ(kept[p].trials.size(), 3u);
        EXPECT_EQ(kept[p].level, Level::number(static_cast<int>(p) + 1));
        for (int t = 0; t < 3; ++t)
            EXPECT_EQ(kept[p].trials[static_cast<std::size_t>(t)].a,
                10.0 * static_cast<double>(p) + t + 1);
    }

    // Each reads the notebook again, and exports it whole: both pages, six trials.
    for (ConsoleCopy* copy : { &first, &second }) {
        const std::filesystem::path csv = data.path() / "quaderno.csv";
        copy->run({ "profilo Anna", "esporta " + csv.string() });
        const std::string exported = fileBytes(csv);
        EXPECT_NE(exported.find("Meccanismo 1;1;3;3;1;"), std::string::npos) << exported;
        EXPECT_NE(exported.find("Meccanismo 2;2;3;13;2;"), std::string::npos) << exported;
    }
}

} // namespace
} // namespace quorvel
