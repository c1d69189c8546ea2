// The console's own rules: its command-line options, and refused lines shown safely.
#include "console/console_session.h"

#include <gtest/gtest.h>

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
    EXPECT_NE(out.str().find("i1: \"in" + std::string(200000, '7') + "\"\n"), std::string::npos);
}

} // namespace
} // namespace quorvel
