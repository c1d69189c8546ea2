// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "console/console_collection.h"
#include "console/console_notebook.h"
#include "core/app/machine.h"
#include "core/app/random.h"
#include "platform/file_replace.h"
#include "platform/system_clock.h"

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace quorvel {

class ConsolePlatform;

struct ConsoleOptions
{
    std::optional<std::uint64_t> seed; // the generator's starting state
    std::optional<int> clock; // a fixed time of day, seconds since midnight
    char decimalSeparator = '.';
    std::filesystem::path programFolder;
    bool showVersion = false; // --version: say the version and end
    bool hashPin = false; // --hash-pin: print the settings line for a PIN read from the input
    std::optional<std::string> administratorPinHash; // the PIN set for every account
    std::optional<std::string> date; // a fixed date for the collection's cards, "YYYY-MM-DD"
    std::filesystem::path dataFolder; // where the pupils' database is kept
    std::optional<std::string> classUri; // the class's server: --classe, or the settings' line
};

// The line-oriented front end: one command per input line, one line per event out.
class ConsoleSession
{
public:
    ConsoleSession(const ConsoleOptions& options, std::ostream& out);
    ~ConsoleSession();

    // Runs the activation, then every command until "esci" or the end of the input.
    void run(std::istream& in);
    // The same, reading the commands from a descriptor while the class's news are watched:
    // a console in a class shows the teacher's orders as they arrive.
    void runLive(int input);
    // Carries out one command line; false once the session should end.
    bool execute(const std::string& line);

private:
    // A command line: its first word, the first argument, whether more words follow, and
    // everything after the word (a file name may hold blanks).
    struct CommandLine
    {
        std::string word;
        std::string argument;
        bool extra = false;
        std::string rest;
    };

    // Carries out a command; false when the line is no command the console knows.
    bool runCommand(const CommandLine& command);
    void chooseLevel(const std::string& argument);
    void typeDigits(const std::string& keypad, const std::string& digits);
    void openFile(const std::string& typed);
    void printOutput();
    void printState();
    void printHelp();
    void followClass();
    void error(const std::string& text);

    std::ostream& m_out;
    std::unique_ptr<ConsolePlatform> m_platform;
    ReplacingFileWriter m_files;
    SystemClock m_clock;
    MixingRandom m_random;
    std::unique_ptr<Machine> m_machine;
    std::unique_ptr<ConsoleNotebook> m_notebook;
    std::unique_ptr<ConsoleCollection> m_collection;
};

// Parses the command-line options; nothing when they are not understood.
std::optional<ConsoleOptions> parseConsoleOptions(int argc, char** argv, std::string& problem);

} // namespace quorvel
