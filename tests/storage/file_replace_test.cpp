// Replacing a file whole: permissions and links kept, long names, stale leftovers of killed
// saves cleaned (and nothing else), and two savers that never mix their files.
#include "core/storage/file_replace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <thread>

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

} // namespace
} // namespace quorvel
