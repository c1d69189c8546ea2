// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A lesson on a class server that stops, or dies: the pupil's console plays on, and afterwards
// the server holds every trial once, in the order it was made.
#include "platform/pg_connection.h"
#include "server/server_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

namespace quorvel::testing {
namespace {

// One pupil's console, fed a line at a time as a pupil would type.
class PlayingConsole
{
public:
    explicit PlayingConsole(const std::string& uri)
        : m_home(std::filesystem::temp_directory_path() / uniqueName("quorvel-guasti"))
    {
        std::filesystem::create_directories(m_home);
        m_pipe = ::popen(
            ("XDG_DATA_HOME=" + m_home.string() + "/data XDG_CONFIG_HOME=" + m_home.string()
                + "/config " QUORVEL_TEST_BIN "/quorvel-console --seed 3 --classe "
                + shellQuoted(uri) + " > " + (m_home / "uscita.txt").string() + " 2>&1")
                .c_str(),
            "w");
    }
    ~PlayingConsole()
    {
        if (m_pipe)
            ::pclose(m_pipe);
        std::error_code ignored;
        std::filesystem::remove_all(m_home, ignored);
    }

    void type(const std::string& line)
    {
        std::fputs((line + "\n").c_str(), m_pipe);
        std::fflush(m_pipe);
    }
    // One experiment on the two numbers.
    void experiment(int a, int b)
    {
        type("cancella primo");
        type("cancella secondo");
        type("primo " + std::to_string(a));
        type("secondo " + std::to_string(b));
        type("esperimento");
    }
    // Ends the session and gives what it wrote.
    std::string finish()
    {
        type("esci");
        ::pclose(m_pipe);
        m_pipe = nullptr;
        std::ifstream read(m_home / "uscita.txt");
        std::stringstream text;
        text << read.rdbuf();
        return text.str();
    }

private:
    std::filesystem::path m_home;
    FILE* m_pipe = nullptr;
};

// Plays `count` experiments, one every `gap`, calling `during` after the experiment `at`.
std::vector<std::pair<std::string, std::string>> play(PlayingConsole& console, int count,
    std::chrono::milliseconds gap, const std::vector<std::pair<int, std::function<void()>>>& during)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int i = 1; i <= count; ++i) {
        const int a = i % 97 + 1;
        const int b = i / 97 + 1;
        console.experiment(a, b);
        pairs.emplace_back(std::to_string(a), std::to_string(b));
        for (const auto& [at, action] : during)
            if (at == i)
                action();
        std::this_thread::sleep_for(gap);
    }
    return pairs;
}

// The trials the server keeps for the pupil, as (first, second), in the order they were made.
std::vector<std::pair<std::string, std::string>> keptTrials(const std::string& adminUri)
{
    PgConnection admin(adminUri);
    const PgResult kept = admin.query(
        "SELECT t.first, t.second, count(*) OVER (PARTITION BY t.uid) FROM quorvel.trials t "
        "JOIN quorvel.pages p ON p.id = t.page ORDER BY t.made, t.uid");
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int row = 0; row < kept.rows(); ++row) {
        EXPECT_EQ(kept.number(row, 2), 1);
        pairs.emplace_back(kept.text(row, 0), kept.text(row, 1));
    }
    return pairs;
}

// Waits until the server holds at least `count` trials: the console is writing.
void waitForTrials(const std::string& adminUri, int count)
{
    PgConnection admin(adminUri);
    for (int i = 0; i < 600; ++i) {
        if (admin.query("SELECT count(*) FROM quorvel.trials").number(0, 0) >= count)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ADD_FAILURE() << "the console wrote fewer than " << count << " trials";
}

TEST(ServerFaults, AServerStoppedForThirtySecondsDuringAGameLosesNoTrial)
{
    const TestClass made = freshClass();
    PlayingConsole console(made.pupilUri);
    console.type("profilo Giulia");
    console.type("livello 1");
    // 120 experiments, the server stopped after the 40th for 30 s (about 75 experiments
    // while it is away), then 120 more.
    auto pairs = play(console, 120, std::chrono::milliseconds(400),
        { { 40, [] { sharedServer().stop(); } }, { 115, [] { sharedServer().start(); } } });
    const auto after = play(console, 120, std::chrono::milliseconds(10), {});
    pairs.insert(pairs.end(), after.begin(), after.end());
    const std::string out = console.finish();

    EXPECT_NE(out.find("stato: classe non raggiungibile: le prove restano su questo computer"),
        std::string::npos)
        << out.substr(0, 2000);
    EXPECT_NE(out.find("stato: classe di nuovo collegata"), std::string::npos);
    EXPECT_EQ(out.find("errore:"), std::string::npos) << out.substr(out.find("errore:"), 300);
    EXPECT_EQ(keptTrials(made.adminUri), pairs);
}

TEST(ServerFaults, AServerKilledDuringWritesKeepsEveryTrialOnce)
{
    const TestClass made = freshClass();
    PlayingConsole console(made.pupilUri);
    console.type("profilo Marco");
    console.type("livello 2");
    // Killed while the writes come as fast as the console makes them.
    const std::string admin = made.adminUri;
    auto pairs = play(console, 300, std::chrono::milliseconds(2),
        { { 100,
              [&admin] {
                  waitForTrials(admin, 30);
                  sharedServer().kill();
              } },
            { 200, [] { sharedServer().start(); } } });
    const std::string out = console.finish();
    EXPECT_EQ(out.find("errore:"), std::string::npos) << out.substr(out.find("errore:"), 300);
    EXPECT_EQ(keptTrials(made.adminUri), pairs);
}

} // namespace
} // namespace quorvel::testing
