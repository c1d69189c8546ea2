// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// quorvel-classe on a real server: the schema, the roles, the pupils' line, and what the
// pupil role may not do.
#include "platform/class_schema.h"
#include "platform/pg_connection.h"
#include "server/server_test_support.h"

#include <gtest/gtest.h>

namespace quorvel::testing {
namespace {

TEST(ClassSetUp, PrintsAPupilLineThatKeepsTheServersSocketFolderAndPort)
{
    const TestClass made = freshClass("4ª A");
    EXPECT_EQ(made.pupilUri.rfind("postgresql://quorvel_", 0), 0u) << made.pupilUri;
    std::string folder;
    for (const char c : sharedServer().folder())
        folder += c == '/' ? std::string("%2F") : std::string(1, c);
    EXPECT_NE(made.pupilUri.find("@" + folder + ":" + std::to_string(sharedServer().port()) + "/"
                  + made.database + "?sslmode=prefer"),
        std::string::npos)
        << made.pupilUri;

    PgConnection pupil(made.pupilUri);
    const PgResult info = pupil.query("SELECT name, pupils, schema FROM quorvel.class_info()");
    ASSERT_EQ(info.rows(), 1);
    EXPECT_EQ(info.text(0, 0), "4ª A");
    EXPECT_EQ(info.number(0, 1), 0);
    EXPECT_EQ(info.number(0, 2), classSchemaVersion);
}

TEST(ClassSetUp, RunAgainKeepsTheLineAndTheDataAndTakesTheNewTeacherPassword)
{
    const TestClass made = freshClass("5ª C", "prima-password");
    PgConnection pupil(made.pupilUri);
    pupil.query("SELECT quorvel.add_name($1)", { "Giulia" });

    const ClasseRun again = runClasse(made.adminUri, "5ª C", "seconda-password");
    ASSERT_EQ(again.status, 0) << again.out;
    EXPECT_EQ(again.lastLine, "classe: " + made.pupilUri);
    EXPECT_NE(again.out.find("schema: già aggiornato"), std::string::npos) << again.out;
    EXPECT_EQ(
        PgConnection(made.pupilUri).query("SELECT * FROM quorvel.names()").text(0, 0), "Giulia");

    const std::string teacherRole
        = pupil.query("SELECT teacher_role FROM quorvel.class_info()").text(0, 0);
    PgConnection before(uriForRole(made.pupilUri, teacherRole, "prima-password"));
    try {
        before.connect(5000);
        FAIL() << "the old password still opens the teacher's role";
    } catch (const PgFault& fault) {
        EXPECT_EQ(fault.kind(), PgFault::Kind::WrongPassword) << fault.what();
    }
    PgConnection now(uriForRole(made.pupilUri, teacherRole, "seconda-password"));
    EXPECT_NO_THROW(now.connect(5000));
}

TEST(ClassSetUp, TwoClassesShareADatabaseEachWithItsOwnRolesAndPupils)
{
    const TestClass first = freshClass("prima");
    const ClasseRun second = runClasse(first.adminUri, "seconda", "altra-password");
    ASSERT_EQ(second.status, 0) << second.out;
    const std::string secondUri = second.lastLine.substr(std::string("classe: ").size());
    EXPECT_NE(secondUri, first.pupilUri);
    PgConnection(first.pupilUri).query("SELECT quorvel.add_name('Aldo')");
    PgConnection(secondUri).query("SELECT quorvel.add_name('Bea')");
    EXPECT_EQ(PgConnection(first.pupilUri).query("SELECT * FROM quorvel.names()").rows(), 1);
    EXPECT_EQ(PgConnection(secondUri).query("SELECT * FROM quorvel.names()").text(0, 0), "Bea");
}

TEST(ClassSetUp, LeavesANewerSchemaAloneWithAClearMessage)
{
    const TestClass made = freshClass();
    PgConnection admin(made.adminUri);
    admin.execute("UPDATE quorvel.version SET version = 99");
    const ClasseRun run = runClasse(made.adminUri, "altra", "maestra-1234");
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.out.find("versione più nuova di Quorvel"), std::string::npos) << run.out;
    EXPECT_EQ(admin.query("SELECT version FROM quorvel.version").number(0, 0), 99);
    EXPECT_EQ(admin.query("SELECT count(*) FROM quorvel.classes").number(0, 0), 1);
}

TEST(ClassSetUp, RefusesWhatIsNoUse)
{
    const TestClass made = freshClass();
    const struct
    {
        std::string password;
        std::string more;
        int status;
    } cases[] = {
        { "corta", "", 2 }, // a teacher's password of fewer than 8 characters
        { "maestra-1234", "--sslmode sempre", 2 },
        { "maestra-1234", "--altro x", 2 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(runClasse(made.adminUri, "x", c.password, c.more).status, c.status) << c.more;
    EXPECT_EQ(
        runClasse("postgresql://postgres@%2Fnessuna-cartella:1/db", "x", "maestra-1234").status, 1);
    EXPECT_EQ(TestServer::run(QUORVEL_TEST_BIN "/quorvel-classe init solo > /dev/null 2>&1"), 2);
}

// Connected with the line from /etc/xdg, a pupil can read no table wholesale, change no rule,
// delete nothing: every statement on the tables and every teacher's function is refused.
TEST(PupilRole, IsRefusedEveryTableAndEveryTeachersFunction)
{
    const TestClass made = freshClass();
    PgConnection pupil(made.pupilUri);
    pupil.query("SELECT quorvel.add_name('Giulia')");
    const char* const forbidden[] = {
        "SELECT * FROM quorvel.classes",
        "SELECT pupil_password FROM quorvel.classes",
        "SELECT * FROM quorvel.pupils",
        "SELECT * FROM quorvel.cards",
        "SELECT * FROM quorvel.pages",
        "SELECT * FROM quorvel.trials",
        "SELECT * FROM quorvel.version",
        "UPDATE quorvel.classes SET levels = '1'",
        "UPDATE quorvel.pupils SET name = 'x'",
        "UPDATE quorvel.trials SET output = '0'",
        "UPDATE quorvel.version SET version = 0",
        "DELETE FROM quorvel.pupils",
        "DELETE FROM quorvel.cards",
        "DELETE FROM quorvel.pages",
        "DELETE FROM quorvel.trials",
        "DELETE FROM quorvel.classes",
        "INSERT INTO quorvel.pupils (class, name) VALUES (1, 'x')",
        "TRUNCATE quorvel.trials",
        "DROP TABLE quorvel.trials",
        "SELECT quorvel.set_rules('12345', 'sempre', true, true)",
        "SELECT quorvel.rename_pupil('Giulia', 'Marta')",
        "SELECT quorvel.delete_pupil('Giulia')",
        "SELECT * FROM quorvel.progress()",
        "SELECT * FROM quorvel.board()",
        "SELECT quorvel.order_mechanism('livello1,2,2,1,1.,,1.,,0,2.,')",
        "SELECT quorvel.order_stop(true)",
        "SELECT quorvel.order_reveal()",
        "SELECT * FROM quorvel.presence",
        "UPDATE quorvel.classes SET stopped = true",
        "SELECT quorvel.make_login_role('x', 'y', '{}')",
        "SELECT quorvel.caller_class()",
        "SELECT quorvel.teacher_only()",
        "SELECT nextval('quorvel.class_numbers')",
    };
    for (const char* sql : forbidden) {
        try {
            pupil.query(sql);
            ADD_FAILURE() << "allowed: " << sql;
        } catch (const PgFault& fault) {
            EXPECT_EQ(fault.kind(), PgFault::Kind::Refused) << sql;
            EXPECT_EQ(fault.sqlState(), "42501") << sql << ": " << fault.what();
        }
    }
    PgConnection admin(made.adminUri);
    EXPECT_EQ(admin.query("SELECT count(*) FROM quorvel.pupils").number(0, 0), 1);
    EXPECT_EQ(admin.query("SELECT levels FROM quorvel.classes").text(0, 0), "12345");
}

TEST(TeacherRole, NeedsItsPasswordAndMayChangeTheRules)
{
    const TestClass made = freshClass("classe", "la-maestra-giusta");
    const std::string role = PgConnection(made.pupilUri)
                                 .query("SELECT teacher_role FROM quorvel.class_info()")
                                 .text(0, 0);
    for (const std::string wrong : { "", "la-maestra-sbagliata", "' OR '1'='1" }) {
        PgConnection teacher(uriForRole(made.pupilUri, role, wrong));
        try {
            teacher.connect(5000);
            ADD_FAILURE() << "a wrong password opened the teacher's role: " << wrong;
        } catch (const PgFault& fault) {
            EXPECT_EQ(fault.kind(), PgFault::Kind::WrongPassword) << fault.what();
        }
    }
    PgConnection teacher(uriForRole(made.pupilUri, role, "la-maestra-giusta"));
    teacher.query("SELECT quorvel.set_rules('13', 'mai', false, false)");
    const PgResult rules = PgConnection(made.pupilUri).query("SELECT * FROM quorvel.rules()");
    EXPECT_EQ(rules.text(0, 0), "13");
    EXPECT_EQ(rules.text(0, 1), "mai");
    EXPECT_THROW(teacher.query("SELECT * FROM quorvel.trials"), PgFault);
}

} // namespace
} // namespace quorvel::testing
