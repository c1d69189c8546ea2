// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// quorvel-console with --classe against a real class server: two computers (two data folders)
// see one pupil's collection and notebook, and the teacher's commands take the teacher's
// password.
#include "server/server_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace quorvel::testing {
namespace {

// A computer of the lab: its own data and settings folders, the class's line on the command.
class LabComputer
{
public:
    explicit LabComputer(std::string uri)
        : m_uri(std::move(uri))
        , m_home(std::filesystem::temp_directory_path() / uniqueName("quorvel-lab"))
    {
        std::filesystem::create_directories(m_home);
    }
    ~LabComputer()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_home, ignored);
    }

    // The console's lines for these commands.
    std::vector<std::string> play(const std::string& commands) const
    {
        const std::filesystem::path input = m_home / "comandi.txt";
        std::ofstream(input) << commands;
        const std::string output = TestServer::output("XDG_DATA_HOME=" + m_home.string()
            + "/data XDG_CONFIG_HOME=" + m_home.string()
            + "/config " QUORVEL_TEST_BIN "/quorvel-console --seed 7 --date 2026-12-07 --classe "
            + shellQuoted(m_uri) + " < " + input.string() + " 2>&1");
        std::vector<std::string> lines;
        std::istringstream read(output);
        for (std::string line; std::getline(read, line);)
            if (line.rfind("narratore:", 0) != 0 && line.rfind("stato: E'", 0) != 0)
                lines.push_back(line);
        return lines;
    }

private:
    std::string m_uri;
    std::filesystem::path m_home;
};

std::vector<std::string> starting(const std::vector<std::string>& lines, const std::string& word)
{
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if (line.rfind(word, 0) == 0)
            found.push_back(line);
    return found;
}

TEST(ConsoleOnServer, TwoComputersSeeOnePupilsCollectionAndNotebook)
{
    const TestClass made = freshClass("3ª B", "maestra-1234");
    const LabComputer three(made.pupilUri);
    const LabComputer seven(made.pupilUri);
    const std::vector<std::string> played = three.play("classe\n"
                                                       "profilo Giulia\n"
                                                       "livello 1\n"
                                                       "primo 3\nsecondo 4\nesperimento\n"
                                                       "primo 5\nsecondo 2\nesperimento\n"
                                                       "rivela\n"
                                                       "collezione\n"
                                                       "quaderno\n"
                                                       "classe\n");
    EXPECT_EQ(starting(played, "classe:"),
        (std::vector<std::string> { "classe: 3ª B, 0 alunni", "classe: 3ª B, 1 alunni" }));
    EXPECT_TRUE(starting(played, "errore:").empty()) << played.front();

    const std::vector<std::string> seen = seven.play("profilo Giulia\ncollezione\nquaderno\n");
    EXPECT_EQ(starting(seen, "collezione:"), starting(played, "collezione:"));
    EXPECT_EQ(starting(seen, "carta:"), starting(played, "carta:"));
    ASSERT_EQ(starting(seen, "carta:").size(), 1u);
    EXPECT_EQ(starting(seen, "quaderno:"), starting(played, "quaderno:"));
    EXPECT_EQ(starting(seen, "prova"), starting(played, "prova"));
    EXPECT_EQ(starting(seen, "prova").size(), 2u);
}

TEST(ConsoleOnServer, TheTeacherTypesThePasswordForTheClassProgress)
{
    const TestClass made = freshClass("4ª A", "maestra-1234");
    LabComputer(made.pupilUri)
        .play("profilo Aldo\nlivello 1\nprimo 1\nsecondo 1\nesperimento\n"
              "rivela\nprofilo O'Neil; «Zoë»\n");
    const std::vector<std::string> desk = LabComputer(made.pupilUri)
                                              .play("progressi\n"
                                                    "insegnante maestra-sbagliata\n"
                                                    "progressi\n"
                                                    "insegnante maestra-1234\n"
                                                    "progressi\n");
    EXPECT_EQ(desk,
        (std::vector<std::string> {
            "errore: solo l'insegnante può vedere i progressi: prima scrivi «insegnante»",
            "errore: password sbagliata",
            "errore: solo l'insegnante può vedere i progressi: prima scrivi «insegnante»",
            "insegnante: sì",
            "progressi: 2 alunni",
            "alunno: Aldo, 0 scoperte, 1 rivelate, 1 prove",
            "alunno: O'Neil; «Zoë», 0 scoperte, 0 rivelate, 0 prove",
        }));
}

TEST(ConsoleOnServer, SaysWhenTheClassCannotBeReached)
{
    const TestClass made = freshClass("5ª C");
    const LabComputer pc(made.pupilUri);
    EXPECT_EQ(starting(pc.play("profilo Bea\n"), "profilo:"),
        std::vector<std::string> { "profilo: Bea" });
    sharedServer().stop();
    const std::vector<std::string> away = pc.play("classe\nprofilo Bea\n");
    sharedServer().start();
    ASSERT_EQ(away.size(), 2u);
    EXPECT_EQ(away[0], "classe: non raggiungibile, 0 prove in attesa");
    EXPECT_EQ(away[1].rfind("errore: classe non raggiungibile", 0), 0u) << away[1];
}

} // namespace
} // namespace quorvel::testing
