// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/level.h"
#include "core/notebook/notebook.h"

#include <array>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvel {

// How a card of the collection was opened.
enum class CardWay { Discovered, Revealed };

// An open card: a mechanism the pupil found out, or was told.
struct Card
{
    int mechanism = 0; // 1..47, as in calc01..calc47
    Level level; // the lowest level that reaches it
    std::string description; // the rule in words, with the constants in force at the time
    CardWay way = CardWay::Discovered;
    std::string date; // "YYYY-MM-DD"
    int trials = 0; // on the notebook's page when it opened

    bool operator==(const Card&) const = default;
};

// When "Rivela la regola" may tell the rule of the mechanism in force.
enum class RevealPolicy { Always, AfterTenTrials, AfterDiscovery, Never };

// What the teacher decides for the whole class on this computer.
struct ClassRules
{
    std::array<bool, Level::count> levels { true, true, true, true, true }; // which may be chosen
    RevealPolicy reveal = RevealPolicy::Always;
    bool wizardSpeaksAtStart = true;
    bool pupilsAddNames = true; // else "Chi gioca?" only lists the names the teacher added

    bool operator==(const ClassRules&) const = default;
};

// The guard of the teacher's PIN: wrong PINs in a row, and until when (seconds since the
// epoch) the next try must wait.
struct PinGuard
{
    int wrongInARow = 0;
    long long waitUntil = 0;

    bool operator==(const PinGuard&) const = default;
};

// One pupil's numbers, for the teacher's progress table.
struct PupilProgress
{
    std::string name;
    int discovered = 0; // cards
    int revealed = 0;
    int trials = 0; // in the whole notebook

    bool operator==(const PupilProgress&) const = default;
};

// How a store kept on the class's server is linked to it.
struct ServerLink
{
    bool reachable = false;
    std::string className; // as the server last said
    int pupils = 0;
    int waitingTrials = 0; // made here and not yet on the server
};

// What the teacher asked of the whole class, as the class's server keeps it.
struct ClassOrder
{
    long long mechanismSerial = 0; // each "everyone on this mechanism" numbered from 1
    std::string mechanism; // that mechanism, as a saved mechanism file holds it; empty: none
    bool stopped = false; // "Fermi tutti!": the machines take no input until "via"
    long long revealSerial = 0; // equal to mechanismSerial once its rule is told to everyone

    bool operator==(const ClassOrder&) const = default;
};

// A pupil on the teacher's live board: the page they are on, never its rule.
struct BoardRow
{
    long long pupilId = 0; // the class's number for the pupil, which never changes
    std::string name;
    int level = 0; // of the page they are on; 0 before their first page
    int page = 0; // its number in their notebook
    int trials = 0; // on that page
    int streak = 0; // right predictions in a row
    bool discovered = false;
    bool revealed = false;
    std::optional<long long> secondsSinceTrial; // nothing before the page's first trial
    long long secondsSinceSeen = 0; // since their computer was last heard of

    bool operator==(const BoardRow&) const = default;
};

// What the class's server said since it was last asked.
struct ClassNews
{
    bool trials = false; // a pupil's trial arrived
    bool orders = false; // the teacher gave an order, or the link came back and may have missed one
};

// What the class's server answered the teacher's password.
enum class TeacherSignIn { Right, Wrong, Unreachable };

// A store that cannot do what was asked: what() says why in words for the pupil and the teacher.
// Whatever the store held before the failing call is still there.
class StoreFault : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Where the pupils' profiles, their collections and notebooks and the class rules are kept.
// Every call is whole or nothing: it changes everything it says or nothing, and throws a
// StoreFault when it cannot.
class CollectionStore
{
public:
    virtual ~CollectionStore() = default;

    virtual std::vector<std::string> profiles() = 0; // in the order they were added
    // False when a profile of that name (whatever its capitals) is already there.
    virtual bool addProfile(const std::string& name) = 0;

    // Renames a profile, keeping all it holds; false when the new name is another's.
    virtual bool renameProfile(const std::string& from, const std::string& to) = 0;
    // Deletes a profile with its cards and notebook.
    virtual void deleteProfile(const std::string& name) = 0;

    virtual std::vector<Card> cards(const std::string& profile) = 0;
    // Opens a card; a card already open is never changed, and then the answer is false.
    virtual bool openCard(const std::string& profile, const Card& card) = 0;

    // The profile's notebook in its order, the pages and trials numbered from 1 in it: every
    // page and trial kept for the profile, whichever copy of the program wrote it.
    virtual std::vector<Page> notebook(const std::string& profile) = 0;
    // Keeps these pages and their trials by their ids (see keepInto): pages with trials or
    // revealed, a page's latest streak, level and marks, and the trials not kept yet. Nothing
    // kept is ever taken away, so two copies playing as one pupil keep each other's trials,
    // and pages not handed over stay as they were kept.
    virtual void saveNotebook(const std::string& profile, std::span<const Page> pages) = 0;

    // What the store has to say once, such as a damaged archive repaired; empty when nothing.
    virtual std::string takeNotice() { return {}; }

    virtual ClassRules classRules() = 0;
    virtual void setClassRules(const ClassRules& rules) = 0;
    // The teacher's PIN, only as its salted hash; nothing before it is first set.
    virtual std::optional<std::string> pinHash() = 0;
    // Keeps the hash only when no PIN is set yet; false when one already was.
    virtual bool setPinHashIfUnset(const std::string& hash) = 0;
    virtual PinGuard pinGuard() = 0;
    virtual void setPinGuard(const PinGuard& guard) = 0;

    // Every pupil with their cards and trials, in the order they were added.
    virtual std::vector<PupilProgress> progress();

    // A store on the class's server says how it is linked to it; the others say nothing.
    virtual std::optional<ServerLink> serverLink() { return std::nullopt; }
    // Sends what waits on this computer for the server, when it answers, without waiting for
    // it; called now and then.
    virtual void sendWaiting() { }
    // Whether the teacher's operations are guarded by a password the store checks itself (the
    // class server's teacher role) rather than by the PIN.
    virtual bool guardsWithTeacherPassword() const { return false; }
    // The teacher's password, checked by the server; while signed in, the teacher's
    // operations (class rules, names, progress) are allowed. Signing out forgets it.
    virtual TeacherSignIn signInTeacher(const std::string&) { return TeacherSignIn::Wrong; }
    virtual void signOutTeacher() { }

    // The class as it plays, on a store on the class's server (the others have no class).
    // The socket to watch for the server's news; -1 when there is none.
    virtual int newsSocket() { return -1; }
    // What arrived since last asked, without waiting.
    virtual ClassNews takeNews() { return {}; }
    // The teacher's orders in force; nothing without a class, or while its server is away.
    virtual std::optional<ClassOrder> classOrder() { return std::nullopt; }
    // The pupil's computer says it is there, for the teacher's board.
    virtual void markPresent(const std::string&) { }
    // The teacher's, once signed in: the live board, and the orders to the whole class.
    virtual std::vector<BoardRow> board() { return {}; }
    virtual void orderMechanism(const std::string&) { throw StoreFault(noClass()); }
    virtual void orderStop(bool) { throw StoreFault(noClass()); }
    // False when the class has no mechanism of its own whose rule could be told.
    virtual bool orderReveal() { throw StoreFault(noClass()); }

protected:
    static std::string noClass();
};

} // namespace quorvel
