// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console/console_session.h"
#include "core/app/dates.h"

#include "console/console_platform.h"
#include "core/app/translation.h"
#include "core/storage/mechanism_commands.h"
#include "core/values/utf8.h"

#include <charconv>
#include <set>

#include <iostream>
#include <poll.h>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace quorvel {

namespace {

// The grid of hidden constants, row by row: "0 0 0 0 0 / 0 3 0 0 0 / ...".
std::string gridText(const MachineState& s)
{
    std::string grid;
    for (const auto& row : s.paramGrid) {
        if (!grid.empty())
            grid += " /";
        for (std::int16_t cell : row)
            grid += " " + std::to_string(cell);
    }
    return grid.substr(1);
}

// A line as it can be shown on a terminal: control characters and bytes that are not UTF-8
// written as \xNN, so a refused line never drives the terminal.
std::string printable(const std::string& line)
{
    std::string shown;
    for (std::size_t i = 0; i < line.size();) {
        const auto byte = static_cast<unsigned char>(line[i]);
        const std::size_t length = byte < 0x80 ? 1
            : (byte >> 5) == 0x6               ? 2
            : (byte >> 4) == 0xE               ? 3
            : (byte >> 3) == 0x1E              ? 4
                                               : 0;
        bool valid = length > 0 && i + length <= line.size();
        for (std::size_t k = 1; valid && k < length; ++k)
            valid = (static_cast<unsigned char>(line[i + k]) & 0xC0) == 0x80;
        if (valid && byte >= 0x20 && byte != 0x7F) {
            shown.append(line, i, length);
            i += length;
            continue;
        }
        static const char hex[] = "0123456789ABCDEF";
        shown += "\\x";
        shown += hex[byte >> 4];
        shown += hex[byte & 0xF];
        ++i;
    }
    return shown;
}

// A seed: any whole number from 0 to 18446744073709551615, in digits only.
std::optional<std::uint64_t> seedFrom(const std::string& text)
{
    std::uint64_t seed = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, seed);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return seed;
}

// The commands that work the machine: refused while the teacher has stopped the class.
const std::set<std::string> machineCommands = { "livello", "cambia", "operazioni", "primo",
    "secondo", "cancella", "esperimento", "rivela", "apri", "prevedi", "ipotesi", "scegli" };

bool allDigits(const std::string& s)
{
    if (s.empty())
        return false;
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

ConsoleSession::ConsoleSession(const ConsoleOptions& options, std::ostream& out)
    : m_out(out)
    , m_platform(std::make_unique<ConsolePlatform>(out))
    , m_clock(options.clock ? SystemClock(*options.clock) : SystemClock())
    , m_random(options.seed ? *options.seed : freshSeed())
{
    ConsolePlatform& p = *m_platform;
    m_machine = std::make_unique<Machine>(
        Ports { p, p, p, p, m_clock, m_random }, options.decimalSeparator);
    m_machine->setObserver(m_platform.get());
    m_notebook = std::make_unique<ConsoleNotebook>(*m_machine, m_out);
    if (options.date)
        m_clock.setDate(*options.date);
    m_collection = std::make_unique<ConsoleCollection>(
        *m_machine, m_out, options.dataFolder, m_clock, options.classUri, options.programFolder);
    m_collection->setAdministratorPinHash(options.administratorPinHash);
}

ConsoleSession::~ConsoleSession() = default;

void ConsoleSession::run(std::istream& in)
{
    m_machine->start();
    std::string line;
    while (std::getline(in, line)) {
        if (!execute(line))
            break;
        // What a command said is out before the next is read: a program that talks to the
        // console through a pipe reads each answer as it comes.
        m_out.flush();
    }
    m_collection->finish();
}

void ConsoleSession::error(const std::string& text)
{
    m_out << "errore: " << text << '\n';
}

bool ConsoleSession::execute(const std::string& rawLine)
{
    const std::string line(trimmed(rawLine));
    if (line.empty() || line[0] == '#') // blank lines and comments of scripted sessions
        return true;
    std::istringstream words(line);
    CommandLine c;
    std::string extra;
    words >> c.word >> c.argument >> extra;
    c.extra = !extra.empty();
    c.rest = std::string(trimmed(line.substr(c.word.size())));
    if (c.word == "esci" && c.argument.empty())
        return false;
    if (m_collection->stoppedByClass() && machineCommands.contains(c.word))
        //: the teacher has stopped the whole class: the machine takes nothing until "via"
        error(translate("Console", "guardate la lavagna: l'insegnante ha fermato la classe"));
    else if (!runCommand(c))
        //: %1 is the line typed
        error(fill(translate("Console", "comando non valido: %1"), { printable(line) }));
    m_collection->keepNotebook();
    followClass();
    return true;
}

// The teacher's orders as they arrive: each said on a "classe:" line.
void ConsoleSession::followClass()
{
    const std::vector<ClassFollower::Change> changes = m_collection->followClass();
    for (const ClassFollower::Change change : changes) {
        switch (change) {
        case ClassFollower::Change::Mechanism:
            m_out << "classe: "
                  << fill(translate("Console", "tutta la classe sul meccanismo del livello %1"),
                         { std::to_string(m_machine->state().activeLevel.number()) })
                  << '\n';
            break;
        case ClassFollower::Change::Stopped:
            m_out << "classe: " << translate("Console", "fermi tutti, guardate la lavagna") << '\n';
            break;
        case ClassFollower::Change::GoesOn:
            m_out << "classe: " << translate("Console", "via, si riparte") << '\n';
            break;
        case ClassFollower::Change::RuleTold:
            m_out << "classe: " << translate("Console", "regola rivelata a tutti") << '\n';
            if (m_notebook->run("rivela", ""))
                m_collection->afterReveal();
            break;
        }
    }
    // A new page or a revealed rule is kept at once; otherwise the caller just kept it.
    if (!changes.empty())
        m_collection->keepNotebook();
}

// Commands read from a descriptor, with the class's news printed as they arrive between them
// (and, should a notification be lost, looked for again every little while).
void ConsoleSession::runLive(int input)
{
    m_machine->start();
    std::string pending;
    bool open = true;
    while (open) {
        m_out.flush();
        pollfd watched[2] = { { input, POLLIN, 0 }, { m_collection->newsSocket(), POLLIN, 0 } };
        const int ready = ::poll(watched, watched[1].fd >= 0 ? 2 : 1, 1000);
        if (ready > 0 && (watched[0].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
            char buffer[4096];
            const ssize_t got = ::read(input, buffer, sizeof buffer);
            if (got <= 0) {
                open = false;
                if (!pending.empty())
                    execute(pending);
                break;
            }
            pending.append(buffer, static_cast<std::size_t>(got));
            for (std::size_t end; open && (end = pending.find('\n')) != std::string::npos;) {
                const std::string line = pending.substr(0, end);
                pending.erase(0, end + 1);
                open = execute(line);
                m_out.flush();
            }
            continue;
        }
        // Nothing typed: what waits for the server goes, and the class's news are shown.
        m_collection->keepNotebook();
        followClass();
    }
    m_collection->finish();
}

bool ConsoleSession::runCommand(const CommandLine& c)
{
    Machine& m = *m_machine;
    const bool bare = c.argument.empty();
    if (c.word == "livello" && !c.extra) {
        chooseLevel(c.argument);
    } else if (c.word == "cambia" && bare) {
        m.changeMechanism();
        printOutput();
    } else if (c.word == "operazioni" && bare) {
        m.changeOperation();
    } else if ((c.word == "primo" || c.word == "secondo") && !c.extra) {
        typeDigits(c.word, c.argument);
    } else if (c.word == "cancella" && !c.extra && c.argument == "primo") {
        m.clearFirstInput();
    } else if (c.word == "cancella" && !c.extra && c.argument == "secondo") {
        m.clearSecondInput();
    } else if (c.word == "esperimento" && bare) {
        m.runExperiment();
        printOutput();
        m_notebook->printOutcome();
        m_collection->afterExperiment();
    } else if (c.word == "rivela" && bare) {
        if (m_collection->allowsReveal() && m_notebook->run(c.word, c.rest))
            m_collection->afterReveal();
    } else if (c.word == "salva" && !bare) {
        m_platform->typeName(c.rest);
        saveMechanism(m, *m_platform, m_files);
    } else if (c.word == "apri" && !bare) {
        openFile(c.rest);
    } else if (c.word == "stato" && bare) {
        printState();
    } else if (c.word == "aiuto" && bare) {
        printHelp();
    } else {
        return m_notebook->run(c.word, c.rest) || m_collection->run(c.word, c.rest);
    }
    return true;
}

void ConsoleSession::chooseLevel(const std::string& argument)
{
    if (argument.size() == 1 && argument[0] >= '1' && argument[0] <= '5') {
        if (m_collection->allowsLevel(argument[0] - '0'))
            m_machine->chooseLevel(argument[0] - '0');
    } else if (argument.empty()) {
        //: "livello" is the command word and stays as it is
        error(translate("Console", "livello vuole un numero da 1 a 5"));
    } else {
        //: "livello" is the command word and stays as it is; %1 is what was typed after it
        error(fill(translate("Console", "livello vuole un numero da 1 a 5: %1"), { argument }));
    }
}

void ConsoleSession::typeDigits(const std::string& keypad, const std::string& digits)
{
    if (digits.empty())
        //: %1 is the command word, primo or secondo, which stays as it is
        error(fill(translate("Console", "%1 vuole delle cifre"), { keypad }));
    else if (!allDigits(digits))
        //: %1 is what was typed in place of the digits
        error(fill(translate("Console", "servono solo cifre: %1"), { digits }));
    else
        m_machine->typeDigits(keypad == "primo" ? Keypad::First : Keypad::Second, digits);
}

void ConsoleSession::openFile(const std::string& typed)
{
    const std::filesystem::path path = typed;
    const std::filesystem::path folder = path.parent_path();
    openMechanism(*m_machine, folder.empty() ? "." : folder, path.filename().string(),
        [this](Level level) { return m_collection->levelAllowedQuietly(level); });
}

void ConsoleSession::printOutput()
{
    m_out << "usc: " << m_machine->text(Control::Output) << '\n';
}

void ConsoleSession::printHelp()
{
    // The command words stay as they are in every language; what follows them is translated.
    //: the lines of the console's help: only the words in capitals are translated
    m_out << translate("Console",
        "aiuto: livello N (1-5) | cambia | operazioni | primo CIFRE | secondo CIFRE | "
        "cancella primo | cancella secondo | esperimento | salva NOME | apri PERCORSO | "
        "stato | aiuto | esci\n"
        "aiuto: prevedi NUMERO | quaderno | ipotesi FORMULA | esporta PERCORSO | rivela\n"
        "aiuto: profilo NOME | collezione | insegnante PIN | scegli LIVELLO SCHEMA\n"
        "aiuto: classe | progressi | lavagna | tutti LIVELLO SCHEMA | fermi | via | "
        "rivela-tutti\n");
}

namespace {

// Writes "name: value" lines, each value in the console's form: numbers as the display writes
// them, texts in quotes, "(vuoto)" for an empty value, "vero"/"falso" for a flag.
class StateLines
{
public:
    StateLines(std::ostream& out, char separator)
        : m_out(out)
        , m_separator(separator)
    {
    }

    void value(const char* name, const Value& v)
    {
        if (v.isEmpty())
            line(name, "(vuoto)");
        else
            line(name, v.isText() ? quoted(v.textValue()) : v.display(m_separator));
    }
    void text(const char* name, const std::string& t) { line(name, quoted(t)); }
    void number(const char* name, int n) { line(name, std::to_string(n)); }
    void flag(const char* name, bool b) { line(name, b ? "vero" : "falso"); }
    void line(const char* name, const std::string& shown)
    {
        m_out << name << ": " << shown << '\n';
    }

private:
    static std::string quoted(const std::string& t) { return "\"" + t + "\""; }

    std::ostream& m_out;
    char m_separator;
};

// The level, the schemes and everything that decides the operation.
void levelAndOperationLines(StateLines& w, const MachineState& s)
{
    w.text("activeLevel", s.activeLevel.name());
    w.value("schemaLevel1", s.schemaLevel1);
    w.value("schemaLevel2", s.schemaLevel2);
    w.value("schemaLevel3", s.schemaLevel3);
    w.value("schemaLevel4", s.schemaLevel4);
    w.number("schemaLevel5", s.schemaLevel5);
    w.value("opCode", s.opCode);
    w.text("opSymbol", s.opSymbol);
    w.value("partOpCode", s.partOpCode);
    w.value("joinOpCode", s.joinOpCode);
    w.text("altOpSymbol", s.altOpSymbol);
    w.number("secondOpIndex", s.secondOpIndex);
    w.text("secondOpSymbol", s.secondOpSymbol);
    w.value("secondOpCount", s.secondOpCount);
    w.flag("loadedFromFile", s.loadedFromFile);
    w.value("experimentCount", s.experimentCount);
    w.line("paramGrid", gridText(s));
}

// The last calculation: inputs, result, the fields of single mechanisms, and the rest.
void calculationLines(StateLines& w, const MachineState& s)
{
    w.value("inputA", s.inputA);
    w.number("inputB", s.inputB);
    w.value("resultValue", s.resultValue);
    w.value("remainderAB", s.remainderAB);
    w.value("remainderBA", s.remainderBA);
    w.value("largerInput", s.largerInput);
    w.value("smallerInput", s.smallerInput);
    w.value("calc31Count", s.calc31Count);
    w.value("calc43Count", s.calc43Count);
    w.value("chainCount", s.chainCount);
    w.value("chainOp1", s.chainOp1);
    w.value("chainOp2", s.chainOp2);
    w.number("chainOp3", s.chainOp3);
    w.number("outputChangeCount", s.outputChangeCount);
    w.text("openedMechanismName", s.openedMechanismName);
    w.flag("lightPhase", s.lightPhase);
}

} // namespace

// Every field of the state record, then the texts of the face, one "name: value" line each.
void ConsoleSession::printState()
{
    StateLines w(m_out, m_machine->decimalSeparator());
    levelAndOperationLines(w, m_machine->state());
    calculationLines(w, m_machine->state());
    for (const auto& [name, control] :
        { std::pair { "firstInput", Control::FirstInput }, { "secondInput", Control::SecondInput },
            { "firstOperand", Control::FirstOperand }, { "secondOperand", Control::SecondOperand },
            { "output", Control::Output }, { "statusLine", Control::StatusLine } })
        w.text(name, m_machine->text(control));
}

std::optional<ConsoleOptions> parseConsoleOptions(int argc, char** argv, std::string& problem)
{
    ConsoleOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--seed" && hasValue && seedFrom(argv[i + 1])) {
            options.seed = seedFrom(argv[++i]);
        } else if (arg == "--clock" && hasValue) {
            options.clock = SystemClock::parseTimeOfDay(argv[++i]);
            if (!options.clock) {
                problem = "--clock vuole un orario HH:MM:SS";
                return std::nullopt;
            }
        } else if (arg == "--date" && hasValue) {
            options.date = argv[++i];
            if (!isIsoDate(*options.date)) {
                problem = "--date vuole una data AAAA-MM-GG";
                return std::nullopt;
            }
        } else if (arg == "--classe" && hasValue) {
            options.classUri = argv[++i];
        } else if (arg == "--version" && argc == 2) {
            options.showVersion = true;
        } else if (arg == "--hash-pin" && argc == 2) {
            options.hashPin = true;
        } else {
            problem = "uso: quorvel-console [--seed N] [--clock HH:MM:SS] [--date AAAA-MM-GG] "
                      "[--lingua it|en] [--classe URI] | --version | --hash-pin";
            return std::nullopt;
        }
    }
    return options;
}

} // namespace quorvel
