#include "console/console_session.h"

#include "console/console_platform.h"
#include "core/storage/mechanism_commands.h"

#include <iostream>
#include <sstream>
#include <vector>

namespace quorvel {

namespace {

    std::string trimmed(const std::string& s)
    {
        const auto first = s.find_first_not_of(" \t\r");
        if (first == std::string::npos)
            return "";
        const auto last = s.find_last_not_of(" \t\r");
        return s.substr(first, last - first + 1);
    }

    // Everything after the command word: names may hold blanks.
    std::string restOf(const std::string& line, const std::string& command)
    {
        return trimmed(line.substr(command.size()));
    }

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
    m_machine = std::make_unique<Machine>(Ports { p, p, p, p, m_clock, m_random },
                                          options.programFolder, options.decimalSeparator);
    m_machine->setObserver(m_platform.get());
}

ConsoleSession::~ConsoleSession() = default;

void ConsoleSession::run(std::istream& in)
{
    m_machine->Form_Activate();
    std::string line;
    while (std::getline(in, line)) {
        if (!execute(line))
            return;
    }
}

void ConsoleSession::error(const std::string& text) { m_out << "errore: " << text << '\n'; }

bool ConsoleSession::execute(const std::string& rawLine)
{
    const std::string line = trimmed(rawLine);
    if (line.empty() || line[0] == '#') // blank lines and comments of scripted sessions
        return true;
    std::istringstream words(line);
    std::string command, argument, extra;
    words >> command >> argument >> extra;
    Machine& m = *m_machine;
    const bool noArgument = argument.empty();

    if (command == "esci" && noArgument)
        return false;
    if (command == "livello" && extra.empty()) {
        if (argument.size() == 1 && argument[0] >= '1' && argument[0] <= '5')
            m.livelloClick(argument[0] - '0');
        else
            error("livello vuole un numero da 1 a 5" + (noArgument ? std::string() : ": " + argument));
    } else if (command == "cambia" && noArgument) {
        m.cmb_Click();
        m_out << "usc: " << m.text(Control::usc) << '\n';
    } else if (command == "operazioni" && noArgument) {
        m.ingr_Click();
    } else if ((command == "primo" || command == "secondo") && extra.empty()) {
        const Keypad keypad = command == "primo" ? Keypad::First : Keypad::Second;
        if (!allDigits(argument))
            error(noArgument ? command + " vuole delle cifre" : "servono solo cifre: " + argument);
        else
            for (char c : argument)
                m.keypadClick(keypad, c - '0');
    } else if (command == "cancella" && extra.empty() && (argument == "primo" || argument == "secondo")) {
        argument == "primo" ? m.Label3_Click() : m.canc2_Click();
    } else if (command == "esperimento" && noArgument) {
        m.exp_Click();
        m_out << "usc: " << m.text(Control::usc) << '\n';
    } else if (command == "salva" && !noArgument) {
        m_platform->typeName(restOf(line, command));
        saveMechanism(m, *m_platform);
    } else if (command == "apri" && !noArgument) {
        const std::filesystem::path path = restOf(line, command);
        openMechanism(m, path.parent_path().empty() ? "." : path.parent_path(), path.filename().string());
    } else if (command == "stato" && noArgument) {
        printState();
    } else if (command == "aiuto" && noArgument) {
        printHelp();
    } else {
        error("comando non valido: " + line);
    }
    return true;
}

void ConsoleSession::printHelp()
{
    m_out << "aiuto: livello N (1-5) | cambia | operazioni | primo CIFRE | secondo CIFRE | "
             "cancella primo | cancella secondo | esperimento | salva NOME | apri PERCORSO | "
             "stato | aiuto | esci\n";
}

void ConsoleSession::printState()
{
    const MachineState& s = m_machine->state();
    const char sep = m_machine->decimalSeparator();
    auto text = [](const std::string& t) { return "\"" + t + "\""; };
    auto value = [&](const Value& v) {
        if (v.isEmpty())
            return std::string("(vuoto)");
        return v.isText() ? text(v.textValue()) : v.display(sep);
    };
    auto flag = [](bool b) { return std::string(b ? "vero" : "falso"); };
    std::string grid;
    for (const auto& row : s.paramGrid) {
        if (!grid.empty())
            grid += " /";
        for (std::int16_t cell : row)
            grid += " " + std::to_string(cell);
    }
    const std::vector<std::pair<const char*, std::string>> fields = {
        { "activeLevel", text(s.activeLevel.name()) },
        { "schemaLevel1", value(s.schemaLevel1) },
        { "schemaLevel2", value(s.schemaLevel2) },
        { "schemaLevel3", value(s.schemaLevel3) },
        { "schemaLevel4", value(s.schemaLevel4) },
        { "schemaLevel5", std::to_string(s.schemaLevel5) },
        { "opCode", value(s.opCode) },
        { "opSymbol", text(s.opSymbol) },
        { "partOpCode", value(s.partOpCode) },
        { "joinOpCode", value(s.joinOpCode) },
        { "altOpSymbol", text(s.altOpSymbol) },
        { "secondOpIndex", std::to_string(s.secondOpIndex) },
        { "secondOpSymbol", text(s.secondOpSymbol) },
        { "secondOpCount", value(s.secondOpCount) },
        { "loadedFromFile", flag(s.loadedFromFile) },
        { "experimentCount", value(s.experimentCount) },
        { "paramGrid", grid.substr(1) },
        { "inputA", value(s.inputA) },
        { "inputB", std::to_string(s.inputB) },
        { "resultValue", value(s.resultValue) },
        { "remainderAB", value(s.remainderAB) },
        { "remainderBA", value(s.remainderBA) },
        { "largerInput", value(s.largerInput) },
        { "smallerInput", value(s.smallerInput) },
        { "calc31Count", value(s.calc31Count) },
        { "calc43Count", value(s.calc43Count) },
        { "chainCount", value(s.chainCount) },
        { "chainOp1", value(s.chainOp1) },
        { "chainOp2", value(s.chainOp2) },
        { "chainOp3", std::to_string(s.chainOp3) },
        { "outputChangeCount", std::to_string(s.outputChangeCount) },
        { "openedMechanismName", text(s.openedMechanismName) },
        { "lightPhase", flag(s.lightPhase) },
        { "i1", text(m_machine->text(Control::i1)) },
        { "i2", text(m_machine->text(Control::i2)) },
        { "Text1", text(m_machine->text(Control::Text1)) },
        { "Text2", text(m_machine->text(Control::Text2)) },
        { "usc", text(m_machine->text(Control::usc)) },
        { "Label15", text(m_machine->text(Control::Label15)) },
    };
    for (const auto& [name, shown] : fields)
        m_out << name << ": " << shown << '\n';
}

std::optional<ConsoleOptions> parseConsoleOptions(int argc, char** argv, std::string& problem)
{
    ConsoleOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--seed" && hasValue && allDigits(argv[i + 1]) && std::string(argv[i + 1]).size() <= 19) {
            options.seed = std::stoull(argv[++i]);
        } else if (arg == "--clock" && hasValue) {
            options.clock = SystemClock::parseTimeOfDay(argv[++i]);
            if (!options.clock) {
                problem = "--clock vuole un orario HH:MM:SS";
                return std::nullopt;
            }
        } else {
            problem = "uso: quorvel-console [--seed N] [--clock HH:MM:SS]";
            return std::nullopt;
        }
    }
    return options;
}

} // namespace quorvel
