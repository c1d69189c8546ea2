// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/collection/pupil_session.h"

#include "core/app/machine.h"
#include "core/app/translation.h"
#include "core/ports/ports.h"

#include <algorithm>
#include <utility>

namespace quorvel {

PupilSession::PupilSession(
    Machine& machine, const Clock& clock, const PinHasher& pins, StoreOpener open)
    : m_machine(machine)
    , m_clock(clock)
    , m_pins(pins)
    , m_open(std::move(open))
    , m_collection(std::make_unique<Collection>(m_guest, guestName))
    , m_classroom(std::make_unique<Classroom>(m_guest, m_pins))
{
}

PupilSession::~PupilSession() = default;

CollectionStore* PupilSession::store()
{
    if (m_store)
        return m_store.get();
    try {
        m_store = m_open();
        m_classroom = std::make_unique<Classroom>(*m_store, m_pins);
        m_classroom->setFixedPinHash(m_fixedPinHash);
        m_rulesRead = true;
        m_problem.clear();
    } catch (const StoreFault& fault) {
        m_store.reset();
        m_problem = fault.what();
        fallBackRules();
    }
    return m_store.get();
}

void PupilSession::useStore(StoreOpener open)
{
    keepNotebook();
    if (m_store)
        m_store->signOutTeacher();
    m_collection = std::make_unique<Collection>(m_guest, guestName);
    m_guestPlays = true;
    m_waiting = false;
    m_classroom = std::make_unique<Classroom>(m_guest, m_pins);
    m_classroom->setFixedPinHash(m_fixedPinHash);
    m_store.reset();
    m_rulesRead = false;
    m_open = std::move(open);
    m_machine.notebook().restore({});
    if (!m_machine.state().activeLevel.isNone())
        m_machine.beginNotebookPage();
}

std::string PupilSession::takeNotice()
{
    return m_store ? m_store->takeNotice() : std::string();
}

// The class rules fail closed: while they cannot be read, a pupil gets the levels of the last
// rules read, or level 1 alone, never every level.
void PupilSession::fallBackRules()
{
    if (m_rulesRead)
        return; // the rules read before stay in force
    ClassRules rules;
    rules.levels = m_rememberedLevels.value_or(std::array<bool, Level::count> { true });
    m_fallback.setClassRules(rules);
    m_classroom = std::make_unique<Classroom>(m_fallback, m_pins);
    m_classroom->setFixedPinHash(m_fixedPinHash);
}

void PupilSession::setFixedPinHash(std::optional<std::string> hash)
{
    m_fixedPinHash = std::move(hash);
    m_classroom->setFixedPinHash(m_fixedPinHash);
}

Classroom::PinAnswer PupilSession::enterPin(const std::string& pin)
{
    return m_classroom->enterPin(pin, m_clock.secondsSinceEpoch());
}

void PupilSession::setRememberedLevels(std::optional<std::array<bool, Level::count>> levels)
{
    m_rememberedLevels = levels;
}

std::vector<std::string> PupilSession::pupils()
{
    if (!m_store)
        return {};
    try {
        return m_store->profiles();
    } catch (const StoreFault& fault) {
        m_problem = fault.what();
        m_fault = m_problem;
        return {};
    }
}

std::optional<std::string> PupilSession::knownPupil(std::string_view typed)
{
    const std::string name = tidyPupilName(typed);
    for (const std::string& pupil : pupils())
        if (sameProfileName(pupil, name))
            return pupil;
    return std::nullopt;
}

PupilSession::Added PupilSession::addPupil(std::string_view typed, bool byTeacher)
{
    const std::string name = tidyPupilName(typed);
    if (auto problem = pupilNameProblem(name))
        return { name, problem };
    if (isGuestName(name))
        return { name,
            translate("Pupils",
                "«Ospite» è il nome di chi gioca senza tenere nulla: scegline un altro.") };
    CollectionStore* kept = store();
    if (!kept)
        return { name, m_problem };
    if (!byTeacher && !rules().pupilsAddNames)
        return { name,
            translate("Pupils",
                "I nomi nuovi li aggiunge l'insegnante: chiedi a lei o a lui di aggiungere il "
                "tuo.") };
    if (knownPupil(name))
        return { name, translate("Pupils", "C'è già un giocatore con questo nome.") };
    try {
        if (!kept->addProfile(name))
            return { name, translate("Pupils", "C'è già un giocatore con questo nome.") };
    } catch (const StoreFault& fault) {
        return { name, std::string(fault.what()) };
    }
    return { name, std::nullopt };
}

std::optional<std::string> PupilSession::renamePupil(
    const std::string& name, std::string_view typed)
{
    const std::string to = tidyPupilName(typed);
    if (auto problem = pupilNameProblem(to))
        return problem;
    if (isGuestName(to))
        return translate(
            "Pupils", "«Ospite» è il nome di chi gioca senza tenere nulla: scegline un altro.");
    CollectionStore* kept = store();
    if (!kept)
        return m_problem;
    try {
        if (!kept->renameProfile(name, to))
            return translate("Pupils", "C'è già un giocatore con questo nome.");
    } catch (const StoreFault& fault) {
        return std::string(fault.what());
    }
    if (!m_guestPlays && sameProfileName(player(), name))
        m_collection = std::make_unique<Collection>(*kept, to);
    return std::nullopt;
}

std::optional<std::string> PupilSession::deletePupil(const std::string& name)
{
    CollectionStore* kept = store();
    if (!kept)
        return m_problem;
    const bool playing = !m_guestPlays && sameProfileName(player(), name);
    try {
        kept->deleteProfile(name);
    } catch (const StoreFault& fault) {
        return std::string(fault.what());
    }
    if (playing) {
        m_collection = std::make_unique<Collection>(m_guest, guestName);
        m_guestPlays = true;
        m_waiting = false;
        m_machine.notebook().restore({});
        if (!m_machine.state().activeLevel.isNone())
            m_machine.beginNotebookPage();
    }
    return std::nullopt;
}

std::size_t PupilSession::guestTrials() const
{
    const Page* page = m_machine.notebook().currentPage();
    return m_guestPlays && page ? page->trials.size() : 0;
}

std::optional<std::string> PupilSession::choose(const std::string& name, bool keepGuestTrials)
{
    // The last try for what the player who leaves wrote; then it is given up, and said.
    if (keepNotebook() == Keeping::Waiting)
        m_givenUp = unsavedMessage();
    const bool guest = isGuestName(name);
    CollectionStore* kept = guest ? &m_guest : store();
    if (!kept)
        return m_problem;
    std::optional<Page> guestPage;
    if (m_guestPlays && !guest && keepGuestTrials && guestTrials() > 0)
        guestPage = *m_machine.notebook().currentPage();
    auto next = std::make_unique<Collection>(*kept, guest ? guestName : name);
    std::vector<Page> pages;
    try {
        pages = next->savedNotebook();
    } catch (const StoreFault& fault) {
        return std::string(fault.what());
    }
    m_machine.notebook().restore(std::move(pages));
    m_collection = std::move(next);
    m_guestPlays = guest;
    m_waiting = false;
    m_keptTrials = 0;
    if (guestPage)
        m_machine.notebook().adopt(std::move(*guestPage));
    else if (!m_machine.state().activeLevel.isNone())
        m_machine.beginNotebookPage();
    keepNotebook();
    return std::nullopt;
}

std::vector<Card> PupilSession::cards()
{
    try {
        return m_collection->openCards();
    } catch (const StoreFault& fault) {
        m_problem = fault.what();
        m_fault = m_problem;
        return {};
    }
}

std::optional<Card> PupilSession::afterExperiment()
{
    try {
        return m_collection->afterExperiment(m_machine, m_clock.today());
    } catch (const StoreFault& fault) {
        m_problem = fault.what();
        m_fault = m_problem;
        return std::nullopt;
    }
}

std::optional<Card> PupilSession::afterReveal()
{
    try {
        return m_collection->afterReveal(m_machine, m_clock.today());
    } catch (const StoreFault& fault) {
        m_problem = fault.what();
        m_fault = m_problem;
        return std::nullopt;
    }
}

PupilSession::Keeping PupilSession::keepNotebook()
{
    const Page* page = m_machine.notebook().currentPage();
    try {
        m_collection->saveNotebook(m_machine.notebook());
    } catch (const StoreFault& fault) {
        m_problem = fault.what();
        m_waiting = true;
        return Keeping::Waiting;
    }
    m_keptTrials = page ? page->trials.size() : 0;
    const bool recovered = m_waiting;
    m_waiting = false;
    return recovered ? Keeping::Recovered : Keeping::Kept;
}

std::string PupilSession::unsavedMessage() const
{
    if (!m_waiting)
        return {};
    const int trials = unsavedTrials();
    if (trials == 1)
        //: %1 is the pupil's name, %2 why the trial could not be kept
        return fill(translate("Pupils", "Non sono riuscito a salvare l'ultima prova di %1: %2"),
            { player(), m_problem });
    //: %1 is how many trials, %2 the pupil's name, %3 why they could not be kept
    return fill(translate("Pupils", "Non sono riuscito a salvare le ultime %1 prove di %2: %3"),
        { std::to_string(trials), player(), m_problem });
}

std::optional<ServerLink> PupilSession::serverLink()
{
    return m_store ? m_store->serverLink() : std::nullopt;
}

void PupilSession::sendWaiting()
{
    if (m_store)
        m_store->sendWaiting();
}

bool PupilSession::teacherByPassword()
{
    CollectionStore* kept = store();
    return kept && kept->guardsWithTeacherPassword();
}

TeacherSignIn PupilSession::signInTeacher(const std::string& password)
{
    CollectionStore* kept = store();
    return kept ? kept->signInTeacher(password) : TeacherSignIn::Unreachable;
}

void PupilSession::signOutTeacher()
{
    if (m_store)
        m_store->signOutTeacher();
}

std::optional<std::vector<PupilProgress>> PupilSession::progress()
{
    CollectionStore* kept = store();
    if (!kept)
        return std::nullopt;
    try {
        return kept->progress();
    } catch (const StoreFault& fault) {
        m_problem = fault.what();
        return std::nullopt;
    }
}

std::optional<std::string> PupilSession::takeFault()
{
    return std::exchange(m_fault, std::nullopt);
}

std::string PupilSession::takeGivenUp()
{
    return std::exchange(m_givenUp, std::string());
}

int PupilSession::unsavedTrials() const
{
    const Page* page = m_machine.notebook().currentPage();
    if (!m_waiting || !page)
        return 0;
    return static_cast<int>(page->trials.size() - std::min(page->trials.size(), m_keptTrials));
}

} // namespace quorvel
