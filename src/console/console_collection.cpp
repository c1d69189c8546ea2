// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console/console_collection.h"

#include "core/app/machine.h"
#include "core/app/translation.h"
#include "core/mechanisms/dispatch.h"

#include <ctime>
#include <ostream>
#include <sstream>

namespace quorvel {
namespace {

constexpr const char* guestName = "Ospite";
constexpr std::size_t longestName = 40;

// The notebook changes only at its last page: its count, and that page's counters, tell
// whether it changed since it was kept.
std::string fingerprint(const Notebook& notebook)
{
    const Page* page = notebook.currentPage();
    if (!page)
        return "0";
    std::ostringstream f;
    f << notebook.pages().size() << ' ' << page->level.number() << ' ' << page->trials.size() << ' '
      << page->streak << ' ' << page->discovered << ' ' << page->revealed;
    return f.str();
}

// A name a pupil can be called by: up to 40 characters, none of them a control character. The
// reason when not, or nothing.
std::optional<std::string> nameProblem(const std::string& name)
{
    std::size_t characters = 0;
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return translate("Console",
                "il nome non può contenere caratteri invisibili, come la "
                "tabulazione");
        // UTF-8: every byte but those that go on a character starts one.
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    if (characters > longestName)
        //: %1 is the longest a name can be, in characters
        return fill(translate("Console", "il nome può avere al massimo %1 caratteri"),
            { std::to_string(longestName) });
    return std::nullopt;
}

} // namespace

ConsoleCollection::ConsoleCollection(Machine& machine, std::ostream& out,
    std::filesystem::path folder, std::optional<std::string> date)
    : m_machine(machine)
    , m_out(out)
    , m_folder(std::move(folder))
    , m_date(std::move(date))
    , m_collection(std::make_unique<Collection>(m_guest, guestName))
    , m_classroom(std::make_unique<Classroom>(m_guest))
{
}

ConsoleCollection::~ConsoleCollection() = default;

bool ConsoleCollection::run(const std::string& word, const std::string& rest)
{
    if (word == "profilo" && !rest.empty())
        chooseProfile(rest);
    else if (word == "collezione" && rest.empty())
        printCollection();
    else if (word == "insegnante" && !rest.empty())
        teacher(rest);
    else if (word == "scegli" && !rest.empty())
        chooseScheme(rest);
    else
        return false;
    return true;
}

SqliteStore* ConsoleCollection::database()
{
    if (m_database)
        return m_database.get();
    try {
        m_database = std::make_unique<SqliteStore>(m_folder);
    } catch (const StoreFault& fault) {
        error(fault.what());
        return nullptr;
    }
    if (!m_database->notice().empty())
        m_out << "messaggio: " << m_database->notice() << '\n';
    return m_database.get();
}

void ConsoleCollection::chooseProfile(const std::string& name)
{
    if (const std::optional<std::string> problem = nameProblem(name)) {
        error(*problem);
        return;
    }
    if (sameProfileName(name, guestName)) {
        switchTo(m_guest, guestName);
        m_out << "profilo: " << guestName << '\n';
        return;
    }
    SqliteStore* store = database();
    if (!store)
        return;
    try {
        store->addProfile(name);
        std::string stored = name;
        for (const std::string& p : store->profiles())
            if (sameProfileName(p, name))
                stored = p;
        m_classroom = std::make_unique<Classroom>(*store);
        switchTo(*store, stored);
        m_out << "profilo: " << stored << '\n';
    } catch (const StoreFault& fault) {
        error(fault.what());
    }
}

// The notebook of the profile left is already kept; the new profile's comes back as it was
// left, with a new page for the mechanism in force.
void ConsoleCollection::switchTo(CollectionStore& store, const std::string& profile)
{
    keepNotebook();
    auto next = std::make_unique<Collection>(store, profile);
    m_machine.notebook().restore(next->savedNotebook());
    m_collection = std::move(next);
    m_machine.beginNotebookPage();
    m_keptNotebook = fingerprint(m_machine.notebook());
    keepNotebook();
}

void ConsoleCollection::printCollection()
{
    try {
        const std::vector<Card> cards = m_collection->openCards();
        const CardCounts counts = countCards(cards);
        //: %1 cards discovered, %2 revealed, %3 cards in the whole collection
        m_out << "collezione: "
              << fill(translate("Console", "%1 scoperte, %2 rivelate su %3"),
                     { std::to_string(counts.discovered), std::to_string(counts.revealed),
                         std::to_string(collectionBoard().size()) })
              << '\n';
        for (const Card& c : cards) {
            //: said of a card: its rule was discovered by the pupil, or revealed
            const std::string way = c.way == CardWay::Discovered ? translate("Console", "scoperta")
                                                                 : translate("Console", "rivelata");
            //: a card: %1 the level, %2 the rule, %3 how it was won, %4 the date
            m_out << "carta: "
                  << fill(translate("Console", "livello %1, %2, %3, %4"),
                         { std::to_string(c.level.number()), c.description, way,
                             writtenDate(c.date) })
                  << '\n';
        }
    } catch (const StoreFault& fault) {
        error(fault.what());
    }
}

void ConsoleCollection::teacher(const std::string& pin)
{
    SqliteStore* store = database();
    if (!store)
        return;
    try {
        m_classroom = std::make_unique<Classroom>(*store);
        switch (m_classroom->enterPin(pin)) {
        case Classroom::PinAnswer::FirstSet:
        case Classroom::PinAnswer::Right:
            m_teacher = true;
            m_out << "insegnante: " << translate("Console", "sì") << '\n';
            break;
        case Classroom::PinAnswer::Wrong:
            error(translate("Console", "PIN sbagliato"));
            break;
        case Classroom::PinAnswer::NotAPin:
            error(translate("Console", "il PIN dev'essere fatto di 4-8 cifre"));
            break;
        }
    } catch (const StoreFault& fault) {
        error(fault.what());
    }
}

void ConsoleCollection::chooseScheme(const std::string& arguments)
{
    if (!m_teacher) {
        //: «insegnante PIN» is the command to type: it stays as it is
        error(translate("Console",
            "solo l'insegnante può scegliere uno schema: prima scrivi «insegnante PIN»"));
        return;
    }
    std::istringstream words(arguments);
    int level = 0;
    int scheme = 0;
    std::string more;
    words >> level >> scheme;
    const bool read = !words.fail() && !(words >> more);
    const int schemes = schemeCount(Level::number(level));
    if (!read || schemes == 0 || scheme < 1 || scheme > schemes) {
        if (schemes > 0)
            //: "scegli" is the command word; %1 is how many schemes the level has
            error(fill(translate("Console",
                           "scegli vuole un livello da 1 a 5 e il numero di uno dei suoi schemi "
                           "(da 1 a %1)"),
                { std::to_string(schemes) }));
        else
            //: "scegli" is the command word and stays as it is
            error(translate(
                "Console", "scegli vuole un livello da 1 a 5 e il numero di uno dei suoi schemi"));
        return;
    }
    m_machine.chooseScheme(level, scheme);
}

bool ConsoleCollection::allowsLevel(int level)
{
    if (m_classroom->levelAllowed(Level::number(level)))
        return true;
    //: %1 is the level's number
    error(fill(translate("Console", "il livello %1 non è tra quelli scelti dall'insegnante"),
        { std::to_string(level) }));
    return false;
}

bool ConsoleCollection::allowsReveal()
{
    const std::optional<std::string> refusal
        = m_classroom->revealRefusal(m_machine.notebook().currentPage());
    if (refusal)
        error(*refusal);
    return !refusal;
}

void ConsoleCollection::afterExperiment()
{
    try {
        m_collection->afterExperiment(m_machine, today());
    } catch (const StoreFault& fault) {
        error(fault.what());
    }
}

void ConsoleCollection::afterReveal()
{
    try {
        m_collection->afterReveal(m_machine, today());
    } catch (const StoreFault& fault) {
        error(fault.what());
    }
}

void ConsoleCollection::keepNotebook()
{
    const std::string now = fingerprint(m_machine.notebook());
    if (now == m_keptNotebook)
        return;
    try {
        m_collection->saveNotebook(m_machine.notebook());
        m_keptNotebook = now;
    } catch (const StoreFault& fault) {
        error(fault.what());
    }
}

std::string ConsoleCollection::today() const
{
    if (m_date)
        return *m_date;
    const std::time_t now = std::time(nullptr);
    char text[16] = "";
    if (const std::tm* local = std::localtime(&now))
        std::strftime(text, sizeof text, "%Y-%m-%d", local);
    return text;
}

void ConsoleCollection::error(const std::string& text)
{
    m_out << "errore: " << text << '\n';
}

std::filesystem::path dataFolder(const char* xdgDataHome, const char* home)
{
    const std::filesystem::path base = xdgDataHome && *xdgDataHome
        ? std::filesystem::path(xdgDataHome)
        : std::filesystem::path(home ? home : "") / ".local" / "share";
    return base / "Quorvel" / "Quorvel";
}

} // namespace quorvel
