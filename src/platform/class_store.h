// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/collection_store.h"
#include "core/ports/outbox.h"
#include "platform/pg_connection.h"

#include <map>
#include <memory>
#include <string>
#include <unordered_map>

namespace quorvel {

struct ClassStoreOptions
{
    int connectMilliseconds = 3000; // how long a read waits for the server to answer a call
    int queryMilliseconds = 5000;
    int retryMilliseconds = 5000; // after a failure, reads fail at once for this long
};

// The collection's store on the class's server: the pupils, their cards and notebooks and the
// class rules live there, so every computer of the lab sees the same. The pupil role can only
// call the class's functions; the teacher's need the teacher role's password, kept only in
// memory while the desk is open.
//
// When the server does not answer, the pupil plays on: trials and cards wait in this computer's
// SQLite file (the outbox) and are sent in the order they were made once it answers again. A
// trial carries its id, which the server keeps once, so nothing is written twice whatever was
// lost on the way. Reads need the server.
class ClassStore : public CollectionStore
{
public:
    // `uri` is the pupils' line; `local` is this computer's database, for what waits. Connects
    // when the server answers, and otherwise starts unlinked. Throws a PgFault when the server
    // refuses the line or holds a newer schema.
    ClassStore(std::string uri, std::unique_ptr<Outbox> local, ClassStoreOptions options = {});
    ~ClassStore() override;

    std::vector<std::string> profiles() override;
    bool addProfile(const std::string& name) override;
    bool renameProfile(const std::string& from, const std::string& to) override;
    void deleteProfile(const std::string& name) override;
    std::vector<Card> cards(const std::string& profile) override;
    bool openCard(const std::string& profile, const Card& card) override;
    std::vector<Page> notebook(const std::string& profile) override;
    void saveNotebook(const std::string& profile, std::span<const Page> pages) override;
    std::string takeNotice() override;

    ClassRules classRules() override;
    void setClassRules(const ClassRules& rules) override;
    // The class has no PIN: the teacher's password guards its desk.
    std::optional<std::string> pinHash() override { return std::nullopt; }
    bool setPinHashIfUnset(const std::string&) override { return false; }
    PinGuard pinGuard() override { return {}; }
    void setPinGuard(const PinGuard&) override { }

    std::vector<PupilProgress> progress() override;
    std::optional<ServerLink> serverLink() override;
    void sendWaiting() override;
    bool guardsWithTeacherPassword() const override { return true; }
    TeacherSignIn signInTeacher(const std::string& password) override;
    void signOutTeacher() override;

    int newsSocket() override;
    ClassNews takeNews() override;
    std::optional<ClassOrder> classOrder() override;
    void markPresent(const std::string& pupil) override;
    std::vector<BoardRow> board() override;
    void orderMechanism(const std::string& record) override;
    void orderStop(bool stopped) override;
    bool orderReveal() override;

    // The pupils' connection, for what follows the class as it plays.
    PgConnection& connection() { return m_pupil; }

private:
    struct KeptPage
    {
        std::size_t trials = 0;
        std::string lastTrial;
        std::string row; // the page's own fields, as sent
    };

    void readClass();
    // The server, connected: waits for it when it may be back, fails at once otherwise.
    PgConnection& server();
    PgResult call(const std::string& sql, const std::vector<PgValue>& arguments);
    PgConnection& teacher();
    [[noreturn]] void lost(const PgFault& fault);
    // Sends a call now when nothing waits before it, or else leaves it in the outbox.
    void deliver(const std::string& call, const std::vector<PgValue>& arguments, int trials);
    bool sendOutbox();
    void keepRules(const ClassRules& rules);
    // Whether the server's class has what moves the class together (the schema's version 2):
    // a class not brought up to date yet plays on without it, and the teacher is told why.
    bool live() const;
    void needLive() const;
    // The class's number for a pupil, learnt while the server answers; nothing before.
    std::optional<std::string> pupilNumber(const std::string& pupil);

    std::string m_uri;
    std::string m_destination; // the line without its password: whose outbox
    ClassStoreOptions m_options;
    std::unique_ptr<Outbox> m_local;
    PgConnection m_pupil;
    std::unique_ptr<PgConnection> m_teacher;
    bool m_reachable = false;
    long long m_failedAt = -1; // when the server last failed to answer, in steady ms
    std::string m_className;
    int m_pupils = 0;
    int m_schema = 0; // the version of the class's schema on the server
    std::string m_teacherRole;
    std::string m_notice;
    ClassNews m_news; // what arrived and was not taken yet
    std::unordered_map<std::string, KeptPage> m_kept; // by page id
    std::map<std::string, std::vector<int>> m_openCards; // by pupil: the mechanisms read open
    std::map<std::string, std::string> m_pupilNumbers; // by name as played here
};

// A call's arguments as one text for the outbox, and back.
std::string outboxArguments(const std::vector<PgValue>& arguments);
std::vector<PgValue> fromOutboxArguments(const std::string& text);

} // namespace quorvel
