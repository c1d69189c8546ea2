// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The collection's store on a real class server: what one computer keeps another reads, what
// waits while the server is away arrives once and in order, and the teacher's password guards
// the teacher's operations.
#include "platform/class_schema.h"
#include "platform/class_store.h"
#include "platform/sqlite/sqlite_store.h"
#include "server/server_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <thread>

namespace quorvel::testing {
namespace {

// A computer of the lab: a data folder of its own.
struct Computer
{
    std::filesystem::path folder;
    explicit Computer(const std::string& name)
        : folder(std::filesystem::temp_directory_path() / uniqueName("quorvel-pc-" + name))
    {
    }
    ~Computer()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

// The computer's own database, which keeps what waits for the server.
std::unique_ptr<Outbox> local(const std::filesystem::path& folder)
{
    return std::make_unique<SqliteStore>(folder);
}

Trial trial(const std::string& id, long long made, const std::string& first,
    const std::string& second, const std::string& output,
    std::optional<std::string> prediction = std::nullopt)
{
    Trial t;
    t.id = id;
    t.made = made;
    t.first = first;
    t.second = second;
    t.a = 12.5;
    t.b = std::nan("");
    t.output = output;
    t.prediction = std::move(prediction);
    t.predictionRight = t.prediction.has_value();
    return t;
}

Page page(const std::string& id, long long begun, std::vector<Trial> trials)
{
    Page p;
    p.id = id;
    p.begun = begun;
    p.level = Level::number(2);
    p.trials = std::move(trials);
    return p;
}

// Pages compared by what a pupil sees and what ids say.
void expectSameNotebook(const std::vector<Page>& read, const std::vector<Page>& written)
{
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].id, written[i].id);
        EXPECT_EQ(read[i].rule, written[i].rule);
        EXPECT_EQ(read[i].streakAnswers, written[i].streakAnswers);
        ASSERT_EQ(read[i].trials.size(), written[i].trials.size());
        for (std::size_t k = 0; k < read[i].trials.size(); ++k) {
            const Trial& r = read[i].trials[k];
            const Trial& w = written[i].trials[k];
            EXPECT_EQ(std::tie(r.id, r.made, r.first, r.second, r.output, r.prediction),
                std::tie(w.id, w.made, w.first, w.second, w.output, w.prediction));
            EXPECT_EQ(r.a, w.a);
            EXPECT_EQ(std::isnan(r.b), std::isnan(w.b));
        }
    }
}

// Sends what waits, as a window's timer would, until the server has it.
void linkAgain(ClassStore& store)
{
    for (int i = 0; i < 200; ++i) {
        store.sendWaiting();
        const ServerLink link = *store.serverLink();
        if (link.reachable && link.waitingTrials == 0)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

TEST(ClassStore, NamesAndFormulasWithQuotesSemicolonsAndUnicodeComeBackAsWritten)
{
    const TestClass made = freshClass();
    const Computer pc("uno");
    ClassStore store(made.pupilUri, local(pc.folder));
    const std::string names[] = { "O'Brien", "Zoë; DROP TABLE quorvel.trials; --",
        "\"Ugo\" \\ «Ĝiù» 日本", "Robert'); DELETE FROM quorvel.pupils;--" };
    for (const std::string& name : names)
        EXPECT_TRUE(store.addProfile(name)) << name;
    EXPECT_FALSE(store.addProfile("o'brien")) << "the same name, whatever its capitals";
    EXPECT_EQ(store.profiles(), std::vector<std::string>(std::begin(names), std::end(names)));

    Page p = page("pagina-1", 100,
        { trial("t1", 101, "1'2", "3;4", "max(A; B)", "da 3 a 9"),
            trial("t2", 102, "\\", "\"", "????"), trial("t3", 103, "∞", "½", "1,43", "5 o 7") });
    p.rule = "max(A; B) + 'x'; -- «regola»";
    p.streakAnswers = { "5", "7;8" };
    // Ids are the page's and trial's own, whoever's they are.
    const auto pageOf = [&](const std::string& name) {
        Page own = p;
        own.id = "pagina di " + name;
        for (Trial& t : own.trials)
            t.id += " di " + name;
        return own;
    };
    for (const std::string& name : names) {
        const Page own = pageOf(name);
        store.saveNotebook(name, std::span(&own, 1));
    }
    const Card card { 17, Level::number(3), "A ; B 'quote' «ü»", CardWay::Revealed, "2026-12-07",
        4 };
    EXPECT_TRUE(store.openCard(names[1], card));

    ClassStore other(made.pupilUri, local(Computer("due").folder));
    for (const std::string& name : names)
        expectSameNotebook(other.notebook(name), { pageOf(name) });
    EXPECT_EQ(other.cards(names[1]), std::vector<Card> { card });
    EXPECT_TRUE(other.cards(names[0]).empty());
}

TEST(ClassStore, TwoComputersPlayingAsOnePupilBothKeepTheirTrials)
{
    const TestClass made = freshClass();
    const Computer pc3("tre");
    const Computer pc7("sette");
    ClassStore three(made.pupilUri, local(pc3.folder));
    ClassStore seven(made.pupilUri, local(pc7.folder));
    ASSERT_TRUE(three.addProfile("Giulia"));
    Page mine = page("p", 1, { trial("a", 10, "1", "2", "3") });
    Page theirs = mine;
    three.saveNotebook("Giulia", std::span(&mine, 1));
    seven.notebook("Giulia");
    mine.trials.push_back(trial("b", 20, "2", "2", "4"));
    theirs.trials.push_back(trial("c", 15, "5", "5", "10"));
    three.saveNotebook("Giulia", std::span(&mine, 1));
    seven.saveNotebook("Giulia", std::span(&theirs, 1));

    const std::vector<Page> read = ClassStore(made.pupilUri, local(pc3.folder)).notebook("Giulia");
    ASSERT_EQ(read.size(), 1u);
    std::vector<std::string> ids;
    for (const Trial& t : read[0].trials)
        ids.push_back(t.id);
    EXPECT_EQ(ids, (std::vector<std::string> { "a", "c", "b" })); // in the order they were made
}

TEST(ClassStore, WhileTheServerIsAwayTrialsWaitHereAndArriveOnceInOrder)
{
    const TestClass made = freshClass();
    const Computer pc("uno");
    ClassStore store(made.pupilUri, local(pc.folder), { 1000, 3000, 0 });
    ASSERT_TRUE(store.addProfile("Giulia"));
    Page p = page("p", 1, {});
    for (int i = 1; i <= 3; ++i) {
        p.trials.push_back(trial("t" + std::to_string(i), i, "1", "1", "2"));
        store.saveNotebook("Giulia", std::span(&p, 1));
    }
    ASSERT_TRUE(store.serverLink()->reachable);

    sharedServer().stop();
    for (int i = 4; i <= 10; ++i) {
        p.trials.push_back(trial("t" + std::to_string(i), i, "1", "1", "2"));
        EXPECT_NO_THROW(store.saveNotebook("Giulia", std::span(&p, 1)));
    }
    const Card card { 1, Level::number(1), "A + B", CardWay::Discovered, "2026-12-07", 9 };
    EXPECT_TRUE(store.openCard("Giulia", card));
    const ServerLink away = *store.serverLink();
    EXPECT_FALSE(away.reachable);
    EXPECT_EQ(away.waitingTrials, 7);
    EXPECT_THROW(store.notebook("Giulia"), StoreFault);
    store.sendWaiting(); // nothing to answer it: nothing changes
    EXPECT_EQ(store.serverLink()->waitingTrials, 7);

    sharedServer().start();
    linkAgain(store);
    const ServerLink back = *store.serverLink();
    EXPECT_TRUE(back.reachable);
    EXPECT_EQ(back.waitingTrials, 0);
    // Sent again after a lost answer: the server keeps each trial once.
    store.connection().query(
        "SELECT quorvel.save_page('Giulia', 'p', 1, 2, 0, '', false, false, '', '{t4}', '{4}', "
        "'{1}', '{1}', '{1}', '{1}', '{2}', '{NULL}', '{f}')");

    PgConnection admin(made.adminUri);
    const PgResult kept = admin.query("SELECT uid FROM quorvel.trials ORDER BY id");
    ASSERT_EQ(kept.rows(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(kept.text(i, 0), "t" + std::to_string(i + 1));
    EXPECT_EQ(
        ClassStore(made.pupilUri, local(pc.folder)).cards("Giulia"), std::vector<Card> { card });
}

TEST(ClassStore, ACardKeepsTheEarliestOpeningOfTheClasssComputers)
{
    const TestClass made = freshClass();
    const Computer pc3("tre");
    const Computer pc7("sette");
    ClassStore three(made.pupilUri, local(pc3.folder), { 1000, 3000, 0 });
    ASSERT_TRUE(three.addProfile("Giulia"));
    three.cards("Giulia");

    sharedServer().stop();
    const Card first { 5, Level::number(1), "A x B", CardWay::Revealed, "2026-12-07", 2 };
    EXPECT_TRUE(three.openCard("Giulia", first)); // waits on computer 3
    sharedServer().start();

    ClassStore seven(made.pupilUri, local(pc7.folder));
    const Card later { 5, Level::number(1), "A x B", CardWay::Discovered, "2026-12-08", 12 };
    EXPECT_TRUE(seven.openCard("Giulia", later));
    EXPECT_FALSE(seven.openCard("Giulia", later));
    linkAgain(three);
    EXPECT_EQ(seven.cards("Giulia"), std::vector<Card> { first });
}

// What waited on a computer goes to the pupil who made it, even when the teacher renamed them
// meanwhile on another computer.
TEST(ClassStore, WhatWaitsReachesAPupilRenamedMeanwhile)
{
    const TestClass made = freshClass();
    const Computer pc("uno");
    ClassStore store(made.pupilUri, local(pc.folder), { 1000, 3000, 0 });
    ASSERT_TRUE(store.addProfile("Giulia"));
    store.markPresent("Giulia"); // she starts to play
    Page p = page("p", 1, { trial("t1", 1, "1", "1", "2") });
    store.saveNotebook("Giulia", std::span(&p, 1));

    sharedServer().stop();
    p.trials.push_back(trial("t2", 2, "2", "1", "3"));
    p.trials.push_back(trial("t3", 3, "3", "1", "4"));
    store.saveNotebook("Giulia", std::span(&p, 1));
    const Card card { 1, Level::number(1), "A + B", CardWay::Discovered, "2026-12-07", 3 };
    EXPECT_TRUE(store.openCard("Giulia", card));
    EXPECT_EQ(store.serverLink()->waitingTrials, 2);
    sharedServer().start();

    const Computer desk("cattedra");
    ClassStore teacher(made.pupilUri, local(desk.folder));
    ASSERT_EQ(teacher.signInTeacher(made.teacherPassword), TeacherSignIn::Right);
    ASSERT_TRUE(teacher.renameProfile("Giulia", "Giulia Rossi"));
    linkAgain(store);
    EXPECT_EQ(store.serverLink()->waitingTrials, 0);
    const std::vector<Page> kept = teacher.notebook("Giulia Rossi");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].trials.size(), 3u);
    EXPECT_EQ(teacher.cards("Giulia Rossi"), std::vector<Card> { card });
}

// A server whose class was set up by an earlier version plays on, and says what to do for the
// board: the lab's computers may be brought up to date before the server is.
TEST(ClassStore, AClassNotBroughtUpToDatePlaysOnWithoutTheBoard)
{
    const TestClass made = freshClass();
    PgConnection admin(made.adminUri);
    admin.execute("UPDATE quorvel.version SET version = 1");
    const Computer pc("uno");
    ClassStore store(made.pupilUri, local(pc.folder));
    ASSERT_TRUE(store.addProfile("Giulia"));
    store.markPresent("Giulia");
    Page p = page("p", 1, { trial("t1", 1, "1", "1", "2") });
    store.saveNotebook("Giulia", std::span(&p, 1));
    EXPECT_EQ(store.notebook("Giulia").at(0).trials.size(), 1u);
    EXPECT_EQ(store.classOrder(), std::nullopt);
    ASSERT_EQ(store.signInTeacher(made.teacherPassword), TeacherSignIn::Right);
    try {
        store.board();
        ADD_FAILURE() << "a board without the schema's live part";
    } catch (const StoreFault& fault) {
        EXPECT_NE(std::string(fault.what()).find("quorvel-classe init"), std::string::npos);
    }
    EXPECT_THROW(store.orderStop(true), StoreFault);
}

TEST(ClassStore, TheTeachersOperationsNeedTheTeachersPassword)
{
    const TestClass made = freshClass("classe", "password-giusta");
    const Computer pc("uno");
    ClassStore store(made.pupilUri, local(pc.folder));
    ASSERT_TRUE(store.addProfile("Aldo"));
    ASSERT_TRUE(store.addProfile("Bea"));
    Page p = page("p", 1, { trial("t1", 1, "1", "1", "2"), trial("t2", 2, "1", "2", "3") });
    store.saveNotebook("Bea", std::span(&p, 1));
    store.openCard("Bea", { 1, Level::number(1), "A + B", CardWay::Discovered, "2026-12-07", 2 });
    store.openCard("Bea", { 2, Level::number(1), "A - B", CardWay::Revealed, "2026-12-07", 1 });

    ClassRules rules;
    rules.levels = { true, false, true, false, false };
    rules.reveal = RevealPolicy::AfterDiscovery;
    rules.pupilsAddNames = false;
    EXPECT_THROW(store.setClassRules(rules), StoreFault);
    EXPECT_THROW(store.progress(), StoreFault);
    EXPECT_THROW(store.deleteProfile("Aldo"), StoreFault);
    EXPECT_EQ(store.signInTeacher("password-sbagliata"), TeacherSignIn::Wrong);
    EXPECT_THROW(store.renameProfile("Aldo", "Ugo"), StoreFault);

    ASSERT_EQ(store.signInTeacher("password-giusta"), TeacherSignIn::Right);
    store.setClassRules(rules);
    EXPECT_EQ(ClassStore(made.pupilUri, local(Computer("due").folder)).classRules(), rules);
    EXPECT_EQ(
        store.progress(), (std::vector<PupilProgress> { { "Aldo", 0, 0, 0 }, { "Bea", 1, 1, 2 } }));
    EXPECT_TRUE(store.renameProfile("Aldo", "Ugo"));
    EXPECT_FALSE(store.renameProfile("Ugo", "bea"));
    store.deleteProfile("Bea");
    EXPECT_EQ(store.profiles(), std::vector<std::string> { "Ugo" });
    EXPECT_TRUE(store.addProfile("Carla")) << "the teacher adds names the pupils may not";

    store.signOutTeacher();
    EXPECT_THROW(store.progress(), StoreFault);
    EXPECT_THROW(store.addProfile("Dario"), StoreFault);
}

TEST(ClassStore, RefusesANewerSchemaAndLeavesItAlone)
{
    const TestClass made = freshClass();
    PgConnection admin(made.adminUri);
    const int newer = classSchemaVersion + 1;
    admin.query("UPDATE quorvel.version SET version = $1", { std::to_string(newer) });
    try {
        ClassStore store(made.pupilUri, local(Computer("uno").folder));
        FAIL() << "a newer schema was taken";
    } catch (const PgFault& fault) {
        EXPECT_EQ(fault.kind(), PgFault::Kind::NewerSchema);
        EXPECT_NE(std::string(fault.what()).find("aggiorna Quorvel"), std::string::npos);
    }
    EXPECT_EQ(admin.query("SELECT version FROM quorvel.version").number(0, 0), newer);
}

TEST(ClassStore, OutboxArgumentsComeBackWhole)
{
    const std::vector<PgValue> arguments { std::string(), std::nullopt, std::string("12:3-"),
        std::string("a\0b", 3), std::string("«ü»;'\"") };
    EXPECT_EQ(fromOutboxArguments(outboxArguments(arguments)), arguments);
    EXPECT_EQ(fromOutboxArguments("5:ab"), std::vector<PgValue> {}) << "a damaged call";
}

} // namespace
} // namespace quorvel::testing
