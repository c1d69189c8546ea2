// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The console's own rules: its command-line options, and refused lines shown safely.
#include "collection/sqlite_test_support.h"
#include "console/console_session.h"
#include "core/app/dates.h"
#include "platform/sqlite/sqlite_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace quorvel {
namespace {

std::optional<ConsoleOptions> parse(std::vector<std::string> args, std::string& problem)
{
    args.insert(args.begin(), "quorvel-console");
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    return parseConsoleOptions(static_cast<int>(argv.size()), argv.data(), problem);
}

TEST(ConsoleOptions, TakeEverySeedAndExactlyTwoDigitsForEachPartOfTheClock)
{
    struct Row
    {
        std::vector<std::string> args;
        std::optional<std::uint64_t> seed;
        std::optional<int> clock;
        bool accepted;
    };
    const Row rows[] = {
        { { "--seed", "0" }, 0, std::nullopt, true },
        { { "--seed", "18446744073709551615" }, 18446744073709551615ULL, std::nullopt, true },
        { { "--seed", "18446744073709551616" }, std::nullopt, std::nullopt, false },
        { { "--seed", "-1" }, std::nullopt, std::nullopt, false },
        { { "--seed", "+1" }, std::nullopt, std::nullopt, false },
        { { "--clock", "23:59:59" }, std::nullopt, 86399, true },
        { { "--clock", "00:00:00" }, std::nullopt, 0, true },
        { { "--clock", "+1:+2:+3" }, std::nullopt, std::nullopt, false },
        { { "--clock", " 1: 2: 3" }, std::nullopt, std::nullopt, false },
        { { "--clock", "24:00:00" }, std::nullopt, std::nullopt, false },
        { { "--clock", "1:02:03" }, std::nullopt, std::nullopt, false },
        { { "--clock" }, std::nullopt, std::nullopt, false },
    };
    for (const Row& r : rows) {
        std::string problem;
        const auto options = parse(r.args, problem);
        ASSERT_EQ(options.has_value(), r.accepted) << r.args.back();
        if (!options)
            continue;
        EXPECT_EQ(options->seed, r.seed) << r.args.back();
        EXPECT_EQ(options->clock, r.clock) << r.args.back();
    }
}

TEST(ConsoleSession, ShowsARefusedLineWithItsControlCharactersEscaped)
{
    std::ostringstream out;
    ConsoleOptions options;
    options.seed = 1;
    options.clock = 36005;
    ConsoleSession session(options, out);
    session.execute(std::string("volare\x1b[31m\0 \xff é", 17));
    EXPECT_EQ(out.str(), "errore: comando non valido: volare\\x1B[31m\\x00 \\xFF é\n");
}

TEST(ConsoleSession, TypesAVeryLongNumberWhole)
{
    std::ostringstream out;
    ConsoleSession session(ConsoleOptions {}, out);
    session.execute("primo " + std::string(200000, '7'));
    session.execute("stato");
    EXPECT_NE(
        out.str().find("firstInput: \"in" + std::string(200000, '7') + "\"\n"), std::string::npos);
}

// The output display, the notebook and a prediction read back all write the decimal separator
// of the setting, whatever the locale the program runs under.
TEST(ConsoleSession, WritesNumbersWithTheSettingsDecimalSeparator)
{
    const struct
    {
        char separator;
        const char* prediction;
        std::vector<std::string> lines;
    } rows[] = {
        { '.', "4.5",
            { "usc: 4.5", "prova 1: primo 7; secondo 2; uscita 4.5; previsione 4.5; giusta" } },
        { ',', "4,5",
            { "usc: 4,5", "prova 1: primo 7; secondo 2; uscita 4,5; previsione 4,5; giusta" } },
        { ',', "4.50",
            { "usc: 4,5", "prova 1: primo 7; secondo 2; uscita 4,5; previsione 4,5; giusta" } },
    };
    for (const auto& r : rows) {
        std::ostringstream out;
        ConsoleOptions options;
        options.seed = 17;
        options.clock = 33342;
        options.decimalSeparator = r.separator;
        ConsoleSession session(options, out);
        std::istringstream in("livello 2\nprimo 7\nsecondo 2\nprevedi " + std::string(r.prediction)
            + "\nesperimento\nquaderno\n");
        session.run(in);
        for (const std::string& line : r.lines)
            EXPECT_NE(out.str().find("\n" + line + "\n"), std::string::npos)
                << r.prediction << ": " << line << "\n"
                << out.str();
    }
}

TEST(ConsoleCollection, WritesTheCardsDatesInWordsAndTakesOnlyRealLookingDates)
{
    const std::pair<const char*, const char*> rows[] = {
        { "2026-12-07", "7 dicembre 2026" },
        { "2027-01-31", "31 gennaio 2027" },
        { "2027-13-01", "2027-13-01" },
        { "7/12/2026", "7/12/2026" },
    };
    for (const auto& [iso, words] : rows)
        EXPECT_EQ(writtenDate(iso), words);
    std::string problem;
    EXPECT_EQ(parse({ "--date", "2026-12-07" }, problem)->date, "2026-12-07");
    EXPECT_FALSE(parse({ "--date", "2026-12-7" }, problem));
    EXPECT_EQ(problem, "--date vuole una data AAAA-MM-GG");
}

TEST(ConsoleCollection, StaysTheGuestAndSaysWhyWhenTheDatabaseCannotBeMade)
{
    const testing::TempFolder folder;
    const std::filesystem::path file = folder.path() / "not-a-folder";
    std::ofstream(file) << "x";
    std::ostringstream out;
    ConsoleOptions options;
    options.dataFolder = file / "Quorvel";
    ConsoleSession session(options, out);
    session.execute("profilo Anna");
    session.execute("insegnante 1234");
    session.execute("collezione");
    const std::string refused = "errore: Non posso creare la cartella «"
        + options.dataFolder.string() + "» per l'archivio di Quorvel: ";
    EXPECT_EQ(out.str().rfind(refused, 0), 0u) << out.str();
    EXPECT_NE(out.str().find("\n" + refused), std::string::npos);
    EXPECT_TRUE(out.str().ends_with("\ncollezione: 0 scoperte, 0 rivelate su 43\n"));
}

// While another copy holds the database, a command that writes nothing does not try to save,
// so it never waits; the trials wait, and are kept at the end when the database is free.
TEST(ConsoleCollection, ACommandThatWritesNothingNeverWaitsOnTheDatabase)
{
    const testing::TempFolder folder;
    std::ostringstream out;
    ConsoleOptions options;
    options.dataFolder = folder.path();
    options.seed = 3;
    ConsoleSession session(options, out);
    for (const char* line : { "profilo Anna", "livello 1", "primo 3", "secondo 4", "esperimento" })
        session.execute(line);
    {
        testing::RawDatabase holder(folder.path() / SqliteStore::fileName);
        holder.execute("BEGIN EXCLUSIVE");
        session.execute("esperimento");
        EXPECT_NE(out.str().find("errore: "), std::string::npos) << "the save waits, and says so";
        out.str("");
        session.execute("cancella primo");
        session.execute("primo 7");
        EXPECT_EQ(out.str(), "") << "nothing written: nothing tried";
        holder.execute("ROLLBACK");
    }
    session.execute("esperimento");
    EXPECT_EQ(SqliteStore(folder.path()).notebook("Anna").back().trials.size(), 3u);
}

// Whatever changes the notebook is kept as soon as it is typed, not only at the end: a rule
// revealed on a page without trials as much as a trial.
TEST(ConsoleCollection, KeepsTheNotebookAtOnceEvenARevealWithoutTrials)
{
    const struct
    {
        std::vector<std::string> lines;
        std::size_t trials;
        bool revealed;
    } rows[] = {
        { { "livello 2", "rivela" }, 0, true },
        { { "livello 1", "primo 3", "secondo 4", "esperimento" }, 1, false },
        { { "livello 1", "primo 3", "secondo 4", "esperimento", "rivela" }, 1, true },
    };
    for (const auto& r : rows) {
        const testing::TempFolder folder;
        std::ostringstream out;
        ConsoleOptions options;
        options.dataFolder = folder.path();
        options.seed = 3;
        ConsoleSession session(options, out);
        session.execute("profilo Anna");
        for (const std::string& line : r.lines)
            session.execute(line);
        const std::vector<Page> kept = SqliteStore(folder.path()).notebook("Anna");
        ASSERT_EQ(kept.size(), 1u) << r.lines.back() << "\n" << out.str();
        EXPECT_EQ(kept.back().trials.size(), r.trials) << r.lines.back();
        EXPECT_EQ(kept.back().revealed, r.revealed) << r.lines.back();
    }
}

// A name is refused for what is wrong with it: too long counts characters, not bytes.
TEST(ConsoleCollection, RefusesANameForWhatIsWrongWithIt)
{
    const testing::TempFolder folder;
    const std::pair<std::string, std::string> rows[] = {
        { "Ma\tria",
            "errore: Il nome non può contenere caratteri invisibili, come la tabulazione." },
        { "Ma\x01ria",
            "errore: Il nome non può contenere caratteri invisibili, come la tabulazione." },
        { std::string(41, 'a'), "errore: Il nome può avere al massimo 40 lettere." },
        { "  Luca   Rossi ", "profilo: Luca Rossi" }, // trimmed, as the window does
        { std::string(40, 'a'), "profilo: " + std::string(40, 'a') },
        { "Zoë" + std::string(37, 'e'), "profilo: Zoë" + std::string(37, 'e') },
    };
    for (const auto& [name, answer] : rows) {
        std::ostringstream out;
        ConsoleOptions options;
        options.dataFolder = folder.path();
        ConsoleSession session(options, out);
        session.execute("profilo " + name);
        EXPECT_EQ(out.str(), answer + "\n") << name;
    }
}

} // namespace
} // namespace quorvel
