// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window in a class on a real server, with consoles of the lab beside it: a pupil's window
// follows the teacher's orders as they arrive, and the teacher's board follows the pupils.
#include "core/collection/live_board.h"
#include "language/class_link.h"
#include "server/live_console.h"
#include "server/server_test_support.h"
#include "ui/classroom/live_board.h"
#include "ui/notebook/notebook_dock.h"
#include "ui/window_test.h"

#include <QSignalSpy>
#include <QTest>

namespace quorvel::testing {
namespace {

// Waits, the window's events going on, until `done` holds; whether it did within 15 s.
bool eventually(const std::function<bool()>& done)
{
    return QTest::qWaitFor(done, 15000);
}

class ClassWindow : public ::testing::Test
{
protected:
    TestClass made = freshClass("3ª B", "maestra-1234");
    // The window plays in the class, as with --classe.
    const bool inClass = (useClassUriOfCommandLine(made.pupilUri), true);
    DataHome home;
    TemporaryDocuments documents;
    Recorder recorder;
    FakeSpeaker speaker { recorder };
    FakeCharacterService characters { recorder };
    MachineForm form { programFolder, speaker, characters };

    void playAs(const QString& name)
    {
        // The window shown and started (its first picture painted) before anyone plays.
        form.show();
        form.face()->repaint();
        ASSERT_TRUE(
            eventually([&] { return std::ranges::count(recorder.log, "Language it") > 0; }));
        ASSERT_TRUE(form.pupils().open());
        QString why;
        ASSERT_TRUE(form.pupils().addPupil(name, why)) << why.toStdString();
        form.pupils().choose(name);
        ASSERT_EQ(form.pupils().player(), name);
    }
    QString status() { return form.findChild<QLabel*>("rigaStato")->text(); }
    QWidget* stopNotice() { return form.findChild<QWidget*>("guardateLaLavagna"); }
};

TEST_F(ClassWindow, APupilsWindowFollowsTheTeachersOrders)
{
    playAs("Anna");
    LiveConsole teacher(made.pupilUri);
    ASSERT_EQ(teacher.ask("insegnante maestra-1234", "insegnante:"), "insegnante: sì");

    ASSERT_EQ(teacher.ask("tutti 2 1", "classe:"),
        "classe: tutta la classe sul meccanismo del livello 2");
    EXPECT_TRUE(eventually([&] {
        return status() == "Tutta la classe è sul meccanismo del livello 2";
    })) << status().toStdString();
    EXPECT_EQ(form.machine().state().activeLevel.number(), 2);

    // Stopped, the window takes no key and no menu; what was typed stays.
    form.machine().typeDigits(Keypad::First, "7");
    ASSERT_EQ(teacher.ask("fermi", "classe:"), "classe: fermi tutti, guardate la lavagna");
    ASSERT_TRUE(eventually([&] { return stopNotice() && stopNotice()->isVisible(); }));
    EXPECT_EQ(static_cast<QLabel*>(stopNotice())->text(), "Guardate la lavagna");
    EXPECT_FALSE(form.menuBar()->isEnabled());
    QKeyEvent digit(QEvent::KeyPress, Qt::Key_4, Qt::NoModifier);
    QApplication::sendEvent(&form, &digit);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&form, &enter);
    EXPECT_EQ(form.machine().text(Control::FirstInput), "7");
    EXPECT_TRUE(form.machine().notebook().currentPage()->trials.empty());

    ASSERT_EQ(teacher.ask("via", "classe:"), "classe: via, si riparte");
    ASSERT_TRUE(eventually([&] { return stopNotice() == nullptr; }));
    EXPECT_TRUE(form.menuBar()->isEnabled());
    EXPECT_EQ(form.machine().text(Control::FirstInput), "7");

    // The rule told to everyone: the page is marked revealed, as when the pupil asks for it.
    ASSERT_EQ(teacher.ask("rivela-tutti", "classe:"), "classe: regola rivelata a tutti");
    EXPECT_TRUE(eventually([&] { return form.machine().notebook().currentPage()->revealed; }));
}

TEST_F(ClassWindow, TheTeachersBoardFollowsThePupils)
{
    playAs("Maestra Rita");
    ASSERT_EQ(form.pupils().session().signInTeacher("maestra-1234"), TeacherSignIn::Right);
    form.pupils().setTeacherLeads(true);
    LiveConsole bruno(made.pupilUri);
    ASSERT_EQ(bruno.ask("profilo Bruno", "profilo:"), "profilo: Bruno");

    LiveBoard board(form.machine(), form.pupils(), &form);
    board.show();
    auto row = [&](const std::string& name) -> const BoardRow* {
        for (const BoardRow& r : board.rows())
            if (r.name == name)
                return &r;
        return nullptr;
    };
    ASSERT_TRUE(eventually([&] { return row("Bruno") != nullptr; }));
    EXPECT_EQ(row("Bruno")->page, 0);

    bruno.send("livello 1");
    bruno.send("primo 3");
    bruno.send("secondo 4");
    bruno.send("esperimento");
    ASSERT_TRUE(eventually([&] { return row("Bruno") && row("Bruno")->trials == 1; }));
    auto* table = board.findChild<QTableWidget*>("righeClasse");
    QStringList names;
    for (int r = 0; r < table->rowCount(); ++r)
        names << table->item(r, 0)->text();
    EXPECT_TRUE(names.contains("Bruno")) << names.join(", ").toStdString();

    // Without names: each pupil is an animal, the same at every update.
    board.findChild<QCheckBox*>("senzaNomi")->setChecked(true);
    names.clear();
    for (int r = 0; r < table->rowCount(); ++r)
        names << table->item(r, 0)->text();
    EXPECT_FALSE(names.contains("Bruno"));
    EXPECT_TRUE(names.contains(QString::fromStdString(boardAlias(row("Bruno")->pupilId))));

    // The orders reach the pupil; the teacher's own machine does not take them.
    board.findChild<QPushButton*>("fermiTutti")->click();
    EXPECT_EQ(bruno.waitFor("classe:"), "classe: fermi tutti, guardate la lavagna");
    EXPECT_EQ(board.findChild<QPushButton*>("fermiTutti")->text(), "&Via, si riparte!");
    board.findChild<QPushButton*>("fermiTutti")->click();
    EXPECT_EQ(bruno.waitFor("classe:"), "classe: via, si riparte");
    QCoreApplication::processEvents();
    EXPECT_EQ(stopNotice(), nullptr);
}

} // namespace
} // namespace quorvel::testing
