// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/collection/class_follower.h"
#include "core/collection/classroom.h"
#include "core/collection/collection.h"
#include "core/collection/memory_store.h"
#include "core/collection/pupil_session.h"
#include "platform/sqlite/sqlite_store.h"

#include <filesystem>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

class Machine;

// The console's profiles, collection and class rules. A session starts as the guest
// ("Ospite"), whose collection and notebook live in memory and are forgotten at the end; the
// database is opened only by a command that needs it (profilo with a pupil's name,
// insegnante), so a session that uses neither writes nothing anywhere and plays by the
// default class rules.
class ConsoleCollection
{
public:
    // `folder` holds the database; the clock gives the cards' date. With a class's line, the
    // store is the class's server, through the class module found in `programFolder`.
    ConsoleCollection(Machine& machine, std::ostream& out, std::filesystem::path folder,
        const Clock& clock, std::optional<std::string> classUri = std::nullopt,
        std::filesystem::path programFolder = {});
    ~ConsoleCollection();

    // Carries out profilo, collezione, scegli, insegnante, classe and progressi; false for any
    // other word or a missing argument.
    bool run(const std::string& word, const std::string& rest);

    // Whether the class rules let the pupil choose the level or see the rule now; when not,
    // says why in an error line.
    bool allowsLevel(int level);
    bool levelAllowedQuietly(Level level) const
    {
        return m_session.classroom().levelAllowed(level);
    }
    bool allowsReveal();
    // What follows an experiment or a reveal: the card it opened, if any.
    void afterExperiment();
    void afterReveal();
    // Keeps the notebook when it changed since it was last tried: a command that writes
    // nothing never waits on a database another copy holds.
    void keepNotebook();
    // At the end: says what could not be kept.
    void finish();

    // The class as it plays. The socket its news arrive on, -1 when there is none yet.
    int newsSocket();
    // Takes the class's news: the teacher's orders, which the pupil's machine follows (what
    // changed, for the session to show), and the board's rows that changed, printed for a
    // teacher who follows it.
    std::vector<ClassFollower::Change> followClass();
    // Whether the teacher has stopped the class: the machine takes no input.
    bool stoppedByClass() const { return m_follower.stopped(); }
    // The teacher's PIN set for every account of the computer, as a hash.
    void setAdministratorPinHash(std::optional<std::string> hash)
    {
        m_session.setFixedPinHash(std::move(hash));
    }

private:
    void chooseProfile(const std::string& name);
    void printCollection();
    void teacher(const std::string& pin);
    void teacherOfClass(const std::string& password);
    bool chooseScheme(const std::string& arguments);
    // The teacher's orders to the class and the live board.
    CollectionStore* classOfTeacher(const char* refusal);
    void orderMechanism(const std::string& arguments);
    void orderStop(bool stopped);
    void orderReveal();
    void printBoard(bool everyRow);
    void printClass();
    void printProgress();
    // Says when the class's server stops answering, and when it answers again.
    void followLink();
    CollectionStore* database();
    void error(const std::string& text);

    Machine& m_machine;
    std::ostream& m_out;
    PupilSession m_session;
    bool m_teacher = false;
    bool m_inClass = false;
    std::optional<bool> m_linked; // whether the class's server answered when last asked
    std::string m_triedNotebook; // a fingerprint of the notebook as last tried
    ClassFollower m_follower;
    bool m_followsBoard = false; // "lavagna": the teacher sees the rows as they change
    bool m_boardWithNames = true;
    std::map<long long, std::string> m_boardRows; // by pupil: each row as last printed
};

} // namespace quorvel
