// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A lesson on a real class server: a teacher's console and three pupils' consoles running at
// once. The board follows the pupils' experiments, and the pupils follow the teacher's orders
// as they arrive (through LISTEN/NOTIFY), a pupil who was away included.
#include "server/live_console.h"
#include "server/server_test_support.h"

#include "platform/pg_connection.h"

#include <gtest/gtest.h>

#include <memory>

namespace quorvel::testing {
namespace {

struct Lesson
{
    TestClass made = freshClass("3ª B", "maestra-1234");
    LiveConsole teacher { made.pupilUri };
    std::vector<std::unique_ptr<LiveConsole>> pupils;

    explicit Lesson(const std::vector<std::string>& names)
    {
        for (const std::string& name : names) {
            pupils.push_back(std::make_unique<LiveConsole>(made.pupilUri));
            EXPECT_EQ(pupils.back()->ask("profilo " + name, "profilo:"), "profilo: " + name);
        }
        EXPECT_EQ(teacher.ask("insegnante maestra-1234", "insegnante:"), "insegnante: sì");
    }
    // Every pupil's console says `line`.
    void everyPupilSays(const std::string& line)
    {
        for (const auto& pupil : pupils)
            EXPECT_EQ(pupil->waitFor(line), line);
    }
};

TEST(LiveClass, ATeacherRunsALessonFromTheBoard)
{
    Lesson lesson({ "Anna", "Bruno", "Carla" });
    LiveConsole& teacher = lesson.teacher;
    LiveConsole& anna = *lesson.pupils[0];
    LiveConsole& bruno = *lesson.pupils[1];

    // The board lists who plays today; an experiment reaches it as it happens.
    EXPECT_EQ(teacher.ask("lavagna", "lavagna:"), "lavagna: 3 alunni oggi");
    EXPECT_EQ(teacher.waitFor("lavagna: Carla"), "lavagna: Carla, non ha ancora cominciato");
    anna.send("livello 1");
    anna.send("primo 3");
    anna.send("secondo 4");
    anna.send("esperimento");
    EXPECT_EQ(anna.waitFor("usc:").empty(), false);
    EXPECT_EQ(teacher.waitFor("lavagna: Anna, livello 1, pagina 1, 1 prove"),
        "lavagna: Anna, livello 1, pagina 1, 1 prove, 0 giuste di fila, in corso, ultima prova "
        "adesso");

    // Everyone on one mechanism.
    EXPECT_EQ(teacher.ask("tutti 2 1", "classe:"),
        "classe: tutta la classe sul meccanismo del livello 2");
    lesson.everyPupilSays("classe: tutta la classe sul meccanismo del livello 2");

    // Stopped: the machine takes nothing, and what was typed stays; then on again.
    bruno.send("primo 12");
    EXPECT_EQ(teacher.ask("fermi", "classe:"), "classe: fermi tutti, guardate la lavagna");
    lesson.everyPupilSays("classe: fermi tutti, guardate la lavagna");
    EXPECT_EQ(bruno.ask("secondo 5", "errore:"),
        "errore: guardate la lavagna: l'insegnante ha fermato la classe");
    EXPECT_EQ(bruno.ask("esperimento", "errore:"),
        "errore: guardate la lavagna: l'insegnante ha fermato la classe");
    EXPECT_EQ(teacher.ask("via", "classe:"), "classe: via, si riparte");
    lesson.everyPupilSays("classe: via, si riparte");
    bruno.send("secondo 5");
    bruno.send("esperimento");
    EXPECT_FALSE(bruno.waitFor("usc:").empty());
    EXPECT_EQ(bruno.ask("quaderno", "prova 1:").rfind("prova 1: primo 12; secondo 5;", 0), 0u)
        << ::testing::PrintToString(bruno.seen());

    // The rule for everyone: each pupil's page and collection say it was revealed.
    EXPECT_EQ(teacher.ask("rivela-tutti", "classe:"), "classe: regola rivelata a tutti");
    lesson.everyPupilSays("classe: regola rivelata a tutti");
    for (const auto& pupil : lesson.pupils) {
        EXPECT_EQ(pupil->waitFor("regola:").rfind("regola: ", 0), 0u);
        EXPECT_EQ(pupil->ask("collezione", "carta:").find("rivelata") != std::string::npos, true)
            << pupil->seen().back();
    }
    // Bruno's row changes with his experiment, then with the rule revealed.
    EXPECT_EQ(teacher.waitFor("lavagna: Bruno, livello 2, pagina 1, 1 prove, 0 giuste di fila, "
                              "rivelata"),
        "lavagna: Bruno, livello 2, pagina 1, 1 prove, 0 giuste di fila, rivelata, ultima prova "
        "adesso");
}

TEST(LiveClass, OrdersAreTheTeachersAlone)
{
    Lesson lesson({ "Anna" });
    LiveConsole& anna = *lesson.pupils[0];
    for (const char* order : { "tutti 1 1", "fermi", "via", "rivela-tutti", "lavagna" })
        EXPECT_EQ(anna.ask(order, "errore:").rfind("errore: solo l'insegnante può", 0), 0u)
            << order;
    EXPECT_EQ(lesson.teacher.ask("rivela-tutti", "errore:"),
        "errore: la classe non ha ancora un meccanismo comune: prima scrivi «tutti LIVELLO "
        "SCHEMA»");
    EXPECT_EQ(lesson.teacher.ask("tutti 9 1", "errore:").rfind("errore: scegli vuole", 0), 0u);
}

TEST(LiveClass, APupilAwayDuringAnOrderFollowsItWhenBackAndOneWhoJoinsLaterToo)
{
    Lesson lesson({ "Dario" });
    LiveConsole& dario = *lesson.pupils[0];
    // Dario's computer loses the server: its connection is cut while it is frozen.
    dario.pause();
    PgConnection admin(lesson.made.adminUri);
    admin.connect(10000);
    admin.query("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                "WHERE usename LIKE 'quorvel_%_alunni' AND datname = current_database()");
    EXPECT_EQ(lesson.teacher.ask("tutti 3 2", "classe:"),
        "classe: tutta la classe sul meccanismo del livello 3");
    dario.resume();
    EXPECT_EQ(dario.waitFor("classe:"), "classe: tutta la classe sul meccanismo del livello 3");

    // Elena starts her computer after the order: she starts on the class's mechanism.
    LiveConsole elena(lesson.made.pupilUri);
    EXPECT_EQ(elena.ask("profilo Elena", "classe:"),
        "classe: tutta la classe sul meccanismo del livello 3");
    EXPECT_EQ(elena.ask("stato", "activeLevel").empty(), false);
}

} // namespace
} // namespace quorvel::testing
