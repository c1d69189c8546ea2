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
        Ports { p, p, p, p, m_clock, m_random }, options.programFolder, options.decimalSeparator);
    m_machine->setObserver(m_platform.get());
    m_notebook = std::make_unique<ConsoleNotebook>(*m_machine, m_out);
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

void ConsoleSession::error(const std::string& text)
{
    m_out << "errore: " << text << '\n';
}

bool ConsoleSession::execute(const std::string& rawLine)
{
    const std::string line = trimmed(rawLine);
    if (line.empty() || line[0] == '#') // blank lines and comments of scripted sessions
        return true;
    std::istringstream words(line);
    CommandLine c;
    std::string extra;
    words >> c.word >> c.argument >> extra;
    c.extra = !extra.empty();
    c.rest = trimmed(line.substr(c.word.size()));
    if (c.word == "esci" && c.argument.empty())
        return false;
    if (!runCommand(c))
        error("comando non valido: " + line);
    return true;
}

bool ConsoleSession::runCommand(const CommandLine& c)
{
    Machine& m = *m_machine;
    const bool bare = c.argument.empty();
    if (c.word == "livello" && !c.extra) {
        chooseLevel(c.argument);
    } else if (c.word == "cambia" && bare) {
        m.cmb_Click();
        printOutput();
    } else if (c.word == "operazioni" && bare) {
        m.ingr_Click();
    } else if ((c.word == "primo" || c.word == "secondo") && !c.extra) {
        typeDigits(c.word, c.argument);
    } else if (c.word == "cancella" && !c.extra && c.argument == "primo") {
        m.Label3_Click();
    } else if (c.word == "cancella" && !c.extra && c.argument == "secondo") {
        m.canc2_Click();
    } else if (c.word == "esperimento" && bare) {
        m.exp_Click();
        printOutput();
        m_notebook->printOutcome();
    } else if (c.word == "salva" && !bare) {
        m_platform->typeName(c.rest);
        saveMechanism(m, *m_platform);
    } else if (c.word == "apri" && !bare) {
        openFile(c.rest);
    } else if (c.word == "stato" && bare) {
        printState();
    } else if (c.word == "aiuto" && bare) {
        printHelp();
    } else {
        return m_notebook->run(c.word, c.rest);
    }
    return true;
}

void ConsoleSession::chooseLevel(const std::string& argument)
{
    if (argument.size() == 1 && argument[0] >= '1' && argument[0] <= '5')
        m_machine->livelloClick(argument[0] - '0');
    else
        error("livello vuole un numero da 1 a 5" + (argument.empty() ? "" : ": " + argument));
}

void ConsoleSession::typeDigits(const std::string& keypad, const std::string& digits)
{
    if (!allDigits(digits))
        error(digits.empty() ? keypad + " vuole delle cifre" : "servono solo cifre: " + digits);
    else
        m_machine->typeDigits(keypad == "primo" ? Keypad::First : Keypad::Second, digits);
}

void ConsoleSession::openFile(const std::string& typed)
{
    const std::filesystem::path path = typed;
    const std::filesystem::path folder = path.parent_path();
    openMechanism(*m_machine, folder.empty() ? "." : folder, path.filename().string());
}

void ConsoleSession::printOutput()
{
    m_out << "usc: " << m_machine->text(Control::usc) << '\n';
}

void ConsoleSession::printHelp()
{
    m_out << "aiuto: livello N (1-5) | cambia | operazioni | primo CIFRE | secondo CIFRE | "
             "cancella primo | cancella secondo | esperimento | salva NOME | apri PERCORSO | "
             "stato | aiuto | esci\n"
             "aiuto: prevedi NUMERO | quaderno | ipotesi FORMULA | esporta PERCORSO | rivela\n";
}

// Every field of the state record, then the texts of the face, one "name: value" line each.
void ConsoleSession::printState()
{
    const MachineState& s = m_machine->state();
    const char sep = m_machine->decimalSeparator();
    auto quoted = [](const std::string& t) { return "\"" + t + "\""; };
    auto value = [&](const Value& v) {
        if (v.isEmpty())
            return std::string("(vuoto)");
        return v.isText() ? quoted(v.textValue()) : v.display(sep);
    };
    auto number = [](int n) { return std::to_string(n); };
    auto flag = [](bool b) { return std::string(b ? "vero" : "falso"); };
    auto text = [&](Control c) { return quoted(m_machine->text(c)); };
    const std::pair<const char*, std::string> fields[] = {
        { "activeLevel", quoted(s.activeLevel.name()) },
        { "schemaLevel1", value(s.schemaLevel1) },
        { "schemaLevel2", value(s.schemaLevel2) },
        { "schemaLevel3", value(s.schemaLevel3) },
        { "schemaLevel4", value(s.schemaLevel4) },
        { "schemaLevel5", number(s.schemaLevel5) },
        { "opCode", value(s.opCode) },
        { "opSymbol", quoted(s.opSymbol) },
        { "partOpCode", value(s.partOpCode) },
        { "joinOpCode", value(s.joinOpCode) },
        { "altOpSymbol", quoted(s.altOpSymbol) },
        { "secondOpIndex", number(s.secondOpIndex) },
        { "secondOpSymbol", quoted(s.secondOpSymbol) },
        { "secondOpCount", value(s.secondOpCount) },
        { "loadedFromFile", flag(s.loadedFromFile) },
        { "experimentCount", value(s.experimentCount) },
        { "paramGrid", gridText(s) },
        { "inputA", value(s.inputA) },
        { "inputB", number(s.inputB) },
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
        { "chainOp3", number(s.chainOp3) },
        { "outputChangeCount", number(s.outputChangeCount) },
        { "openedMechanismName", quoted(s.openedMechanismName) },
        { "lightPhase", flag(s.lightPhase) },
        { "i1", text(Control::i1) },
        { "i2", text(Control::i2) },
        { "Text1", text(Control::Text1) },
        { "Text2", text(Control::Text2) },
        { "usc", text(Control::usc) },
        { "Label15", text(Control::Label15) },
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
        if (arg == "--seed" && hasValue && allDigits(argv[i + 1])
            && std::string(argv[i + 1]).size() <= 19) {
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
