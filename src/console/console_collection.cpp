// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console/console_collection.h"
#include "core/app/dates.h"
#include "platform/pin_hash.h"

#include "core/app/machine.h"
#include "core/app/translation.h"
#include "core/collection/live_board.h"
#include "core/mechanisms/dispatch.h"
#include "core/notebook/notebook_words.h"
#include "core/storage/mechanism_file.h"
#include "language/class_link.h"
#include "platform/file_replace.h"

#include <chrono>
#include <ostream>
#include <sstream>
#include <thread>

namespace quorvel {
namespace {

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

} // namespace

ConsoleCollection::ConsoleCollection(Machine& machine, std::ostream& out,
    std::filesystem::path folder, const Clock& clock, std::optional<std::string> classUri,
    std::filesystem::path programFolder)
    : m_machine(machine)
    , m_out(out)
    , m_session(machine, clock, sodiumPinHasher(),
          [folder, classUri, programFolder]() -> std::unique_ptr<CollectionStore> {
              if (classUri)
                  return openClassStore(
                      *classUri, folder, QString::fromStdString(utf8FromPath(programFolder)));
              return std::make_unique<SqliteStore>(folder);
          })
    , m_inClass(classUri.has_value())
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
    else if (word == "classe" && rest.empty())
        printClass();
    else if (word == "progressi" && rest.empty())
        printProgress();
    else if (word == "tutti" && !rest.empty())
        orderMechanism(rest);
    else if (word == "fermi" && rest.empty())
        orderStop(true);
    else if (word == "via" && rest.empty())
        orderStop(false);
    else if (word == "rivela-tutti" && rest.empty())
        orderReveal();
    else if (word == "lavagna" && (rest.empty() || rest == "senza nomi")) {
        m_boardWithNames = rest.empty();
        m_boardRows.clear();
        printBoard(true);
    } else
        return false;
    return true;
}

CollectionStore* ConsoleCollection::database()
{
    CollectionStore* store = m_session.store();
    if (!store) {
        error(m_session.problem());
        return nullptr;
    }
    if (const std::string notice = m_session.takeNotice(); !notice.empty())
        m_out << "messaggio: " << notice << '\n';
    return store;
}

// "profilo NOME" plays as that pupil, added when new; the guest's name plays as the guest.
void ConsoleCollection::chooseProfile(const std::string& typed)
{
    const std::string name = tidyPupilName(typed);
    if (const std::optional<std::string> problem = pupilNameProblem(name)) {
        error(*problem);
        return;
    }
    std::string chosen = guestName;
    if (!isGuestName(name)) {
        if (!database())
            return;
        std::optional<std::string> known = m_session.knownPupil(name);
        if (!known) {
            const PupilSession::Added added = m_session.addPupil(name);
            if (added.problem) {
                error(*added.problem);
                return;
            }
            known = added.name;
        }
        chosen = *known;
    }
    if (const std::optional<std::string> problem = m_session.choose(chosen)) {
        error(*problem);
        return;
    }
    if (const std::string givenUp = m_session.takeGivenUp(); !givenUp.empty())
        error(givenUp);
    m_triedNotebook = fingerprint(m_machine.notebook());
    m_out << "profilo: " << chosen << '\n';
}

void ConsoleCollection::printCollection()
{
    {
        const std::vector<Card> cards = m_session.cards();
        if (const auto fault = m_session.takeFault())
            return error(*fault);
        const CardCounts counts = countCards(cards);
        //: %1 cards discovered, %2 revealed, %3 cards in the whole collection
        m_out << "collezione: "
              << fill(translate("Console", "%1 scoperte, %2 rivelate su %3"),
                     { std::to_string(counts.discovered), std::to_string(counts.revealed),
                         std::to_string(collectionBoard().size()) })
              << '\n';
        for (const Card& c : cards) {
            //: said of a card: its rule was discovered by the pupil, or revealed
            const std::string way
                = c.way == CardWay::Discovered ? discoveredWord() : revealedWord();
            //: a card: %1 the level, %2 the rule, %3 how it was won, %4 the date
            m_out << "carta: "
                  << fill(translate("Console", "livello %1, %2, %3, %4"),
                         { std::to_string(c.level.number()), c.description, way,
                             writtenDate(c.date) })
                  << '\n';
        }
    }
}

void ConsoleCollection::teacher(const std::string& pin)
{
    if (!database())
        return;
    if (m_session.teacherByPassword())
        return teacherOfClass(pin);
    try {
        switch (m_session.enterPin(pin)) {
        case Classroom::PinAnswer::FirstSet:
        case Classroom::PinAnswer::Right:
            m_teacher = true;
            m_out << "insegnante: " << translate("Console", "sì") << '\n';
            break;
        case Classroom::PinAnswer::Wrong:
            if (m_session.classroom().waitSeconds() > 0)
                error(translate("Console", "PIN sbagliato") + ". "
                    + m_session.classroom().waitMessage());
            else
                error(translate("Console", "PIN sbagliato"));
            break;
        case Classroom::PinAnswer::NotAPin:
            error(translate("Console", "il PIN dev'essere fatto di 4-8 cifre"));
            break;
        case Classroom::PinAnswer::Wait:
            error(m_session.classroom().waitMessage());
            break;
        }
    } catch (const StoreFault& fault) {
        error(fault.what());
    }
}

// In a class on a server, "insegnante" takes the teacher's password, which the server checks.
void ConsoleCollection::teacherOfClass(const std::string& password)
{
    switch (m_session.signInTeacher(password)) {
    case TeacherSignIn::Right:
        m_teacher = true;
        m_out << "insegnante: " << translate("Console", "sì") << '\n';
        break;
    case TeacherSignIn::Wrong:
        error(translate("Console", "password sbagliata"));
        break;
    case TeacherSignIn::Unreachable:
        error(translate("Class", "classe non raggiungibile: le prove restano su questo computer"));
        break;
    }
}

// "classe": the class this computer plays in, and how it is linked to it.
void ConsoleCollection::printClass()
{
    if (!m_inClass) {
        m_out << "classe: " << translate("Console", "non collegata") << '\n';
        return;
    }
    if (!database())
        return;
    m_session.sendWaiting();
    m_session.pupils(); // how many they are now; nothing when the server does not answer
    m_session.takeFault();
    const std::optional<ServerLink> link = m_session.serverLink();
    if (!link)
        return;
    m_linked = link->reachable;
    if (link->reachable)
        //: %1 is the class's name, %2 how many pupils it has
        m_out << "classe: "
              << fill(translate("Console", "%1, %2 alunni"),
                     { link->className, std::to_string(link->pupils) })
              << '\n';
    else
        //: %1 is how many trials wait on this computer for the class's server
        m_out << "classe: "
              << fill(translate("Console", "non raggiungibile, %1 prove in attesa"),
                     { std::to_string(link->waitingTrials) })
              << '\n';
}

// "progressi": every pupil's cards and trials, for the teacher.
void ConsoleCollection::printProgress()
{
    if (!m_teacher) {
        //: «insegnante» is the command to type: it stays as it is
        error(translate(
            "Console", "solo l'insegnante può vedere i progressi: prima scrivi «insegnante»"));
        return;
    }
    const std::optional<std::vector<PupilProgress>> rows = m_session.progress();
    if (!rows) {
        error(m_session.problem());
        return;
    }
    //: %1 is how many pupils the class has
    m_out << "progressi: "
          << fill(translate("Console", "%1 alunni"), { std::to_string(rows->size()) }) << '\n';
    for (const PupilProgress& row : *rows)
        //: one pupil: %1 the name, %2 cards discovered, %3 revealed, %4 trials made
        m_out << "alunno: "
              << fill(translate("Console", "%1, %2 scoperte, %3 rivelate, %4 prove"),
                     { row.name, std::to_string(row.discovered), std::to_string(row.revealed),
                         std::to_string(row.trials) })
              << '\n';
}

void ConsoleCollection::followLink()
{
    if (!m_inClass)
        return;
    m_session.sendWaiting();
    const std::optional<ServerLink> link = m_session.serverLink();
    if (!link || link->reachable == m_linked)
        return;
    if (!link->reachable)
        m_out << "stato: "
              << translate("Class", "classe non raggiungibile: le prove restano su questo computer")
              << '\n';
    else if (m_linked.has_value())
        m_out << "stato: " << translate("Class", "classe di nuovo collegata") << '\n';
    m_linked = link->reachable;
}

bool ConsoleCollection::chooseScheme(const std::string& arguments)
{
    if (!m_teacher) {
        //: «insegnante PIN» is the command to type: it stays as it is
        error(translate("Console",
            "solo l'insegnante può scegliere uno schema: prima scrivi «insegnante PIN»"));
        return false;
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
        return false;
    }
    m_machine.chooseScheme(level, scheme);
    return true;
}

// The teacher's store in a class, signed in; nothing, with `refusal` said, otherwise.
CollectionStore* ConsoleCollection::classOfTeacher(const char* refusal)
{
    if (!m_inClass) {
        error(translate("Console", "questo computer non gioca in una classe: vedi «classe»"));
        return nullptr;
    }
    if (!m_teacher) {
        error(translate("Console", refusal));
        return nullptr;
    }
    return database();
}

// "tutti LIVELLO SCHEMA": the teacher's machine takes that mechanism, and so does every
// pupil's.
void ConsoleCollection::orderMechanism(const std::string& arguments)
{
    CollectionStore* store = classOfTeacher(QV_TRANSLATE_NOOP("Console",
        "solo l'insegnante può dare un meccanismo a tutti: prima scrivi «insegnante PASSWORD»"));
    if (!store || !chooseScheme(arguments))
        return;
    try {
        store->orderMechanism(mechanismRecord(m_machine.state()));
        m_out << "classe: "
              //: %1 is the level's number
              << fill(translate("Console", "tutta la classe sul meccanismo del livello %1"),
                     { std::to_string(m_machine.state().activeLevel.number()) })
              << '\n';
    } catch (const StoreFault& fault) {
        error(fault.what());
    }
}

// "fermi" stops every pupil's machine, "via" lets them go on.
void ConsoleCollection::orderStop(bool stopped)
{
    CollectionStore* store = classOfTeacher(QV_TRANSLATE_NOOP(
        "Console", "solo l'insegnante può fermare la classe: prima scrivi «insegnante PASSWORD»"));
    if (!store)
        return;
    try {
        store->orderStop(stopped);
        m_out << "classe: "
              << (stopped ? translate("Console", "fermi tutti, guardate la lavagna")
                          : translate("Console", "via, si riparte"))
              << '\n';
    } catch (const StoreFault& fault) {
        error(fault.what());
    }
}

// "rivela-tutti": the rule of the class's mechanism, told on every machine that is on it.
void ConsoleCollection::orderReveal()
{
    CollectionStore* store = classOfTeacher(QV_TRANSLATE_NOOP("Console",
        "solo l'insegnante può rivelare la regola a tutti: prima scrivi «insegnante PASSWORD»"));
    if (!store)
        return;
    try {
        if (store->orderReveal())
            m_out << "classe: " << translate("Console", "regola rivelata a tutti") << '\n';
        else
            //: «tutti» is the command to type: it stays as it is
            error(translate("Console",
                "la classe non ha ancora un meccanismo comune: prima scrivi «tutti LIVELLO "
                "SCHEMA»"));
    } catch (const StoreFault& fault) {
        error(fault.what());
    }
}

// "lavagna": one line for each pupil playing today, then a line again whenever one changes.
void ConsoleCollection::printBoard(bool everyRow)
{
    CollectionStore* store = everyRow
        ? classOfTeacher(QV_TRANSLATE_NOOP("Console",
            "solo l'insegnante può vedere la lavagna: prima scrivi «insegnante PASSWORD»"))
        : m_session.openedStore();
    if (!store)
        return;
    std::vector<BoardRow> rows;
    try {
        rows = store->board();
    } catch (const StoreFault& fault) {
        error(fault.what());
        return;
    }
    m_followsBoard = true;
    if (everyRow)
        m_out << "lavagna: "
              //: %1 is how many pupils are on the board
              << fill(translate("Console", "%1 alunni oggi"), { std::to_string(rows.size()) })
              << '\n';
    for (const BoardRow& row : rows) {
        std::string line = (m_boardWithNames ? row.name : boardAlias(row.pupilId)) + ", ";
        if (row.page == 0) {
            line += translate("Console", "non ha ancora cominciato");
        } else {
            //: a pupil's row of the board: level, page of their notebook, trials on it,
            //: right predictions in a row; the page's mark follows
            line += fill(translate("Console", "livello %1, pagina %2, %3 prove, %4 giuste di fila"),
                { std::to_string(row.level), std::to_string(row.page), std::to_string(row.trials),
                    std::to_string(row.streak) });
            line += ", "
                + (row.discovered      ? translate("Console", "scoperta")
                        : row.revealed ? translate("Console", "rivelata")
                                       : translate("Console", "in corso"));
        }
        // Only what changed is printed again; the time since the last trial goes with it.
        std::string& printed = m_boardRows[row.pupilId];
        if (!everyRow && printed == line)
            continue;
        printed = line;
        if (row.secondsSinceTrial)
            //: %1 says how long ago, such as "40 s fa"
            line += ", "
                + fill(
                    translate("Console", "ultima prova %1"), { agoText(*row.secondsSinceTrial) });
        m_out << "lavagna: " << line << '\n';
    }
}

int ConsoleCollection::newsSocket()
{
    CollectionStore* store = m_session.openedStore();
    return store ? store->newsSocket() : -1;
}

std::vector<ClassFollower::Change> ConsoleCollection::followClass()
{
    CollectionStore* store = m_inClass ? m_session.openedStore() : nullptr;
    if (!store)
        return {};
    ClassFollower::Update update = m_follower.takeNews(*store, m_machine, m_teacher);
    if (update.news.trials && m_followsBoard)
        printBoard(false);
    return std::move(update.changes);
}

bool ConsoleCollection::allowsLevel(int level)
{
    if (m_session.classroom().levelAllowed(Level::number(level)))
        return true;
    //: %1 is the level's number
    error(fill(translate("Console", "il livello %1 non è tra quelli scelti dall'insegnante"),
        { std::to_string(level) }));
    return false;
}

bool ConsoleCollection::allowsReveal()
{
    const std::optional<std::string> refusal
        = m_session.classroom().revealRefusal(m_machine.notebook().currentPage());
    if (refusal)
        error(*refusal);
    return !refusal;
}

void ConsoleCollection::afterExperiment()
{
    m_session.afterExperiment();
    if (const auto fault = m_session.takeFault())
        error(*fault);
}

void ConsoleCollection::afterReveal()
{
    m_session.afterReveal();
    if (const auto fault = m_session.takeFault())
        error(*fault);
}

void ConsoleCollection::keepNotebook()
{
    const std::string now = fingerprint(m_machine.notebook());
    if (now != m_triedNotebook) {
        m_triedNotebook = now;
        if (m_session.keepNotebook() == PupilSession::Keeping::Waiting)
            error(m_session.problem());
    }
    followLink();
}

void ConsoleCollection::finish()
{
    m_triedNotebook.clear();
    keepNotebook();
    // What waits for the class's server is given a few seconds to go, if it answers; what
    // does not stays on this computer for the next session.
    for (int tries = 0; m_inClass && tries < 50; ++tries) {
        const std::optional<ServerLink> link = m_session.serverLink();
        if (!link || link->waitingTrials == 0)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        m_session.sendWaiting();
    }
    if (m_session.waiting())
        error(m_session.unsavedMessage());
}

void ConsoleCollection::error(const std::string& text)
{
    m_out << "errore: " << text << '\n';
}

} // namespace quorvel
