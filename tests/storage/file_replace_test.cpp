// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Replacing a file whole: permissions and links kept, long names, stale leftovers of killed
// saves cleaned (and nothing else), and two savers that never mix their files.
#include "platform/file_replace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <thread>

#include <csignal>
#include <random>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

std::string contentsOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class FileReplace : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("quorvel-replace-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path folder;
};

TEST_F(FileReplace, KeepsPermissionsAndLinksAndTakesLongNames)
{
    const fs::path secret = folder / "segreto.txt";
    std::ofstream(secret) << "old";
    fs::permissions(secret, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_FALSE(replaceFile(secret, "new"));
    EXPECT_EQ(contentsOf(secret), "new");
    EXPECT_EQ(fs::status(secret).permissions() & fs::perms::mask,
        fs::perms::owner_read | fs::perms::owner_write);

    const fs::path link = folder / "collegamento.txt";
    fs::create_symlink("segreto.txt", link);
    ASSERT_FALSE(replaceFile(link, "through the link"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(contentsOf(secret), "through the link");

    const fs::path longName = folder / (std::string(246, 'm') + ".txt");
    EXPECT_FALSE(replaceFile(longName, "long"));
    EXPECT_EQ(contentsOf(longName), "long");
}

// Through any chain of links the file at its end is replaced and every link stays; what is no
// plain file is never replaced, and the reason says what stands in the way.
TEST_F(FileReplace, WritesThroughLinksAndRefusesWhatIsNoPlainFile)
{
    const fs::path target = folder / "quaderno.csv";
    std::ofstream(target) << "old";
    fs::create_symlink("quaderno.csv", folder / "primo.csv");
    fs::create_symlink(folder / "primo.csv", folder / "secondo.csv");
    ASSERT_FALSE(replaceFile(folder / "secondo.csv", "new"));
    EXPECT_EQ(contentsOf(target), "new");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "primo.csv")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "secondo.csv")));
    fs::create_symlink("nuovo.csv", folder / "verso-nuovo.csv");
    ASSERT_FALSE(replaceFile(folder / "verso-nuovo.csv", "made")); // the link's file is made
    EXPECT_EQ(contentsOf(folder / "nuovo.csv"), "made");

    ASSERT_EQ(mkfifo((folder / "tubo.csv").c_str(), 0644), 0);
    fs::create_symlink("giro-b.csv", folder / "giro-a.csv");
    fs::create_symlink("giro-a.csv", folder / "giro-b.csv");
    std::ofstream(folder / "file") << "x";
    const std::pair<fs::path, const char*> refused[] = {
        { folder / "tubo.csv", "non è un file normale e non si può sostituire" },
        { "/dev/null", "non è un file normale e non si può sostituire" },
        { folder / "giro-a.csv", "i collegamenti girano in tondo e non portano a nessun file" },
        { folder / "file" / "dentro.csv", "nel percorso c'è un file al posto di una cartella" },
        { folder / "manca" / "dentro.csv", "la cartella non esiste" },
    };
    for (const auto& [path, reason] : refused)
        EXPECT_EQ(reasonFor(replaceFile(path, "new")), reason) << path;
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(folder / "tubo.csv")));
    EXPECT_TRUE(fs::is_character_file(fs::status("/dev/null")));
}

TEST_F(FileReplace, LeavesAReadOnlyFileAsItWasAndSaysWhy)
{
    const fs::path kept = folder / "protetto.txt";
    std::ofstream(kept) << "old";
    fs::permissions(kept, fs::perms::owner_read | fs::perms::group_read);
    const std::error_code error = replaceFile(kept, "new");
    EXPECT_EQ(reasonFor(error), "il file è protetto da scrittura e non si può sostituire");
    EXPECT_EQ(contentsOf(kept), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(FileReplace, CleansOnlyItsOwnStaleLeftovers)
{
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : { ".q1a2b3c4d.salvataggio", ".prova.salvataggio", ".q00000000.tmp",
             "appunti.txt", ".qfresh000.salvataggio" }) {
        std::ofstream(folder / name) << "x";
        if (std::string(name) != ".qfresh000.salvataggio")
            fs::last_write_time(folder / name, old);
    }
    ASSERT_FALSE(replaceFile(folder / "prova.txt", "new"));
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left,
        (std::vector<std::string> {
            ".q00000000.tmp", ".qfresh000.salvataggio", "appunti.txt", "prova.txt" }));
}

TEST_F(FileReplace, TwoSaversNeverLeaveAnythingButOneWholeRecord)
{
    const fs::path target = folder / "comune.txt";
    const std::string a(300, 'a'), b(300, 'b');
    std::thread first([&] {
        for (int i = 0; i < 200; ++i)
            EXPECT_FALSE(replaceFile(target, a));
    });
    for (int i = 0; i < 200; ++i) {
        EXPECT_FALSE(replaceFile(target, b));
        const std::string now = contentsOf(target);
        EXPECT_TRUE(now == a || now == b);
    }
    first.join();
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

// Another process saving the same name is killed at random moments, as a pupil switching the
// PC off would: the target is always one whole record, old or new, and what the killed saves
// left behind goes once it is stale.
TEST_F(FileReplace, AKilledSaverLeavesTheOldRecordOrTheNew)
{
    const fs::path target = folder / "interrotto.txt";
    const std::string a(4000, 'a'), b(4000, 'b');
    ASSERT_FALSE(replaceFile(target, a));
    std::mt19937 random(7);
    for (int round = 0; round < 60; ++round) {
        const pid_t saver = ::fork();
        ASSERT_NE(saver, -1);
        if (saver == 0) {
            for (int i = 0;; ++i)
                replaceFile(target, i % 2 ? a : b);
        }
        ::usleep(200 + random() % 3000);
        ::kill(saver, SIGKILL);
        ::waitpid(saver, nullptr, 0);
        const std::string now = contentsOf(target);
        ASSERT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " bytes";
    }
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const auto& entry : fs::directory_iterator(folder))
        fs::last_write_time(entry.path(), old);
    ASSERT_FALSE(replaceFile(target, a));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

} // namespace
} // namespace quorvel
