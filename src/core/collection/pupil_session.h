// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/collection/classroom.h"
#include "core/collection/collection.h"
#include "core/collection/memory_store.h"
#include "core/collection/pupil_names.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

class Clock;
class PinHasher;
class Machine;

// Who plays, and what is kept of them: the pupils' store, opened when first needed, the chosen
// pupil's collection and notebook, and the class rules. It starts with the guest ("Ospite"),
// whose collection and notebook live in memory and are forgotten. The window and the console
// both present this one session: they say its answers, each in its own way.
class PupilSession
{
public:
    // Opens the pupils' store; throws a StoreFault, with why in words, when it cannot.
    using StoreOpener = std::function<std::unique_ptr<CollectionStore>()>;

    PupilSession(Machine& machine, const Clock& clock, const PinHasher& pins, StoreOpener open);
    ~PupilSession();

    // Another store from now on (the class's server, or this computer's database): what the
    // player wrote is kept first, the guest plays, and the store opens when next asked for.
    void useStore(StoreOpener open);

    // The pupils' store, opened the first time it is asked for: null when it cannot be, and
    // then problem() says why. A store found damaged and repaired says so once in notice().
    CollectionStore* store();
    // The store when it is open already; nothing otherwise (it is not opened).
    CollectionStore* openedStore() const { return m_store.get(); }
    const std::string& problem() const { return m_problem; }
    // Why the last thing asked of the store failed, once; nothing when all went well.
    std::optional<std::string> takeFault();
    std::string takeNotice();

    // The player's name as kept: a pupil's, or guestName.
    const std::string& player() const { return m_collection->profile(); }
    bool isGuest() const { return m_guestPlays; }
    // The pupils of this computer, in the order they were added; none without a store.
    std::vector<std::string> pupils();

    // Adds a pupil under a typed name (tidied): the name as kept, or why it cannot be added.
    struct Added
    {
        std::string name;
        std::optional<std::string> problem;
    };
    // When the class rules leave the names to the teacher, only `byTeacher` adds one.
    Added addPupil(std::string_view typed, bool byTeacher = false);
    // The teacher renames a pupil, who keeps everything; why not, if not.
    std::optional<std::string> renamePupil(const std::string& name, std::string_view typed);
    // The teacher deletes a pupil with their collection and notebook; the guest plays on if it
    // was the player.
    std::optional<std::string> deletePupil(const std::string& name);
    // The pupil a typed name stands for, as kept, whatever its capitals; none when not there.
    std::optional<std::string> knownPupil(std::string_view typed);

    // How many trials the guest made on the page in force: a pupil who takes over may keep them.
    std::size_t guestTrials() const;
    // Lets a pupil (or the guest) play: what the player who leaves wrote is kept (their unsaved
    // trials are tried once more, and given up if they still cannot be kept), and the pupil's
    // notebook comes back as it was left, with a page for the mechanism in force. The guest's
    // trials of that page go on the pupil's notebook when `keepGuestTrials`. Why not, if not.
    std::optional<std::string> choose(const std::string& name, bool keepGuestTrials = false);

    std::vector<Card> cards();
    Classroom& classroom() { return *m_classroom; }
    const Classroom& classroom() const { return *m_classroom; }
    const ClassRules& rules() const { return m_classroom->rules(); }
    // The levels of the last class rules read, kept by the front end between runs: while the
    // rules cannot be read, these levels (or, without any, level 1 alone) are the ones offered.
    void setRememberedLevels(std::optional<std::array<bool, Level::count>> levels);
    // Whether the rules in force are the class's own, read from the store.
    bool rulesRead() const { return m_rulesRead; }
    // The teacher's PIN set by the computer's administrator, as a hash; nothing for none.
    void setFixedPinHash(std::optional<std::string> hash);
    // The teacher's PIN, checked at the time the clock says.
    Classroom::PinAnswer enterPin(const std::string& pin);

    // What follows an experiment or a reveal: the card it opened, if any. A store that fails
    // says why in problem().
    std::optional<Card> afterExperiment();
    std::optional<Card> afterReveal();

    // Keeps the player's notebook. A save that fails keeps the pupil and the trials not yet
    // kept: they wait, and are tried again at the next call.
    enum class Keeping { Kept, Waiting, Recovered };
    Keeping keepNotebook();
    bool waiting() const { return m_waiting; }
    // The trials made since the notebook was last kept, when a save is waiting.
    int unsavedTrials() const;
    // The class's server, when the store is on one: how it is linked; nothing otherwise, and
    // nothing before the store is opened.
    std::optional<ServerLink> serverLink();
    // Sends what waits on this computer for the class's server, without waiting for it.
    void sendWaiting();
    // Whether the teacher's desk asks for the class's teacher password rather than the PIN.
    bool teacherByPassword();
    TeacherSignIn signInTeacher(const std::string& password);
    void signOutTeacher();
    // Every pupil's cards and trials, for the teacher; nothing, with why in problem(), when
    // the store cannot tell.
    std::optional<std::vector<PupilProgress>> progress();

    // What could not be kept, in words: said when a waiting save is given up (at the end of
    // the program); empty when nothing waits.
    std::string unsavedMessage() const;
    // What was given up when the player last changed; empty when nothing was.
    std::string takeGivenUp();

private:
    Classroom& rulesFromStore(CollectionStore& store);
    void fallBackRules();

    Machine& m_machine;
    const Clock& m_clock;
    const PinHasher& m_pins;
    StoreOpener m_open;
    MemoryStore m_guest;
    std::unique_ptr<CollectionStore> m_store;
    std::unique_ptr<Collection> m_collection;
    std::unique_ptr<Classroom> m_classroom;
    MemoryStore m_fallback; // the rules offered while the class's cannot be read
    std::optional<std::array<bool, Level::count>> m_rememberedLevels;
    std::optional<std::string> m_fixedPinHash;
    std::string m_problem;
    std::optional<std::string> m_fault;
    std::string m_givenUp;
    bool m_guestPlays = true;
    bool m_rulesRead = false;
    bool m_waiting = false;
    std::size_t m_keptTrials = 0; // on the page in force, when the notebook was last kept
};

} // namespace quorvel
