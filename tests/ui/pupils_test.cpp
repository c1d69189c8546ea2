// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pupils at the window, offscreen, each test on a data folder of its own: who plays, their
// collection, the teacher's desk and the class's progress, and a pupil coming back after the
// window was closed.
#include "collection/sqlite_test_support.h"
#include "core/collection/collection.h"
#include "core/collection/memory_store.h"
#include "core/storage/mechanism_commands.h"
#include "fakes/fakes.h"
#include "platform/sqlite/sqlite_store.h"
#include "ui/app/machine_face.h"
#include "ui/app/machine_form.h"
#include "ui/classroom/class_progress.h"
#include "ui/classroom/pupils_dialog.h"
#include "ui/classroom/scheme_chooser.h"
#include "ui/classroom/teacher_desk.h"
#include "ui/notebook/notebook_dock.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/notebook_panel.h"
#include "ui/pupils/collection_board.h"
#include "ui/pupils/pupil_chooser.h"
#include "ui/pupils/pupil_presenter.h"
#include "window_test.h"

#include <QtTest/QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <optional>

namespace quorvel {
namespace {

using testing::DataHome;
using testing::programFolder;

// Answers the next modal dialog from inside its own loop, looking again until it comes up: the
// window's activation turns the event loop once before its message.
template <class Dialog> void answer(std::function<void(Dialog&)> act)
{
    auto* look = new QTimer;
    QObject::connect(look, &QTimer::timeout, [look, act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            look->deleteLater();
            look->stop();
            act(*dialog);
        }
    });
    look->start(0);
}

class Pupils : public ::testing::Test, protected testing::Fakes
{
protected:
    Pupils() { build(); }

    void build()
    {
        characters.available = false;
        form.emplace(programFolder, speaker, characters);
        form->resize(MachineFace::designSize);
        form->notebook()->setShown(true);
        form->onWindowShown(); // the database opens once the window is on the screen
    }
    void rebuild()
    {
        form.reset();
        build();
    }

    MachineForm& window() { return *form; }
    NotebookPanel& panel() { return *form->notebook()->panel(); }
    PupilPresenter& pupils() { return form->pupils(); }

    void addAndChoose(const QString& name)
    {
        QString why;
        ASSERT_TRUE(pupils().addPupil(name, why)) << why.toStdString();
        pupils().choose(name);
    }

    // Level 1's scheme 5 (the larger of the two numbers), found out by three right
    // predictions in a row.
    void discoverTheLarger()
    {
        window().machine().chooseScheme(1, 5);
        for (const auto& [first, second] : { std::pair { "3", "9" }, { "8", "1" }, { "4", "12" } })
            predict(QString::number(std::max(std::stoi(first), std::stoi(second))), first, second);
    }
    void predict(const QString& prediction, const std::string& first, const std::string& second)
    {
        testing::tryPair(*form, prediction, first, second);
    }
    void reveal()
    {
        answer<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
        panel().revealRule();
    }
    void unlockDesk(const QString& pin)
    {
        answer<PinDialog>([pin](PinDialog& dialog) {
            dialog.findChild<QLineEdit*>("pin")->setText(pin);
            if (auto* again = dialog.findChild<QLineEdit*>("ripetiPin"))
                again->setText(pin);
            dialog.enter();
        });
        ASSERT_TRUE(window().desk().unlock());
    }

    DataHome data;
    std::optional<MachineForm> form;
};

TEST_F(Pupils, TheChooserAddsPupilsAndRefusesWhatCannotBeAName)
{
    PupilChooser chooser(pupils());
    const struct
    {
        QString typed;
        QString problem; // empty when the pupil is added
    } cases[] = {
        { "  Marta  ", "" },
        { "MARTA", "C'è già un giocatore con questo nome." },
        { "", "Scrivi il nome: almeno una lettera." },
        { "Ma\x01ria", "Il nome non può contenere caratteri invisibili, come la tabulazione." },
        { "ospite", "«Ospite» è il nome di chi gioca senza tenere nulla: scegline un altro." },
        { "Luca", "" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        chooser.nameField().setText(c.typed);
        chooser.add();
        EXPECT_EQ(chooser.problem(), c.problem);
    }
    ASSERT_EQ(chooser.list().count(), 2);
    EXPECT_EQ(chooser.list().item(0)->text(), "Marta");
    EXPECT_EQ(chooser.list().currentItem()->text(), "Luca"); // the one just added
    chooser.play();
    EXPECT_EQ(pupils().player(), "Luca");
    EXPECT_EQ(window().windowTitle(), "Quorvel - gioca Luca");
    QString why;
    EXPECT_FALSE(pupils().addPupil(QString(41, 'a'), why));
    EXPECT_EQ(why, "Il nome può avere al massimo 40 lettere.");
    EXPECT_TRUE(pupils().addPupil(QString(40, u'è'), why)); // letters, not bytes
}

// A new player finds their own notebook at once, and nothing of the previous player's on the
// machine's face; the guest's trials are offered with one question.
TEST_F(Pupils, TheNotebookFollowsThePupilWhoPlays)
{
    for (const bool keep : { false, true }) {
        SCOPED_TRACE(keep);
        rebuild();
        window().findChild<QAction*>("livello1")->trigger();
        predict("", "3", "4");
        panel().hypothesisField().setText("A + B");
        const QString pupil = keep ? "Nora" : "Leo";
        QString why;
        ASSERT_TRUE(pupils().addPupil(pupil, why)) << why.toStdString();
        answer<QMessageBox>([keep](QMessageBox& box) {
            EXPECT_EQ(box.text(), "Vuoi tenere nel tuo quaderno le prove fatte come Ospite?");
            box.button(keep ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        pupils().choose(pupil);
        EXPECT_EQ(pupils().player(), pupil);
        Machine& m = window().machine();
        EXPECT_EQ(
            m.text(Control::FirstInput) + m.text(Control::SecondInput) + m.text(Control::Output),
            "");
        EXPECT_EQ(panel().hypothesisField().text(), "");
        EXPECT_EQ(
            panel().verdictText(), keep ? "" : "Le prove fatte come Ospite non sono state tenute.");
        predict("", "5", "6");
        predict("", "7", "1");
        EXPECT_EQ(panel().model().rowCount(), keep ? 3 : 2);
        EXPECT_TRUE(panel().findChild<QPushButton*>("rivela")->isEnabled());
        EXPECT_FALSE(panel().statusText().startsWith("Scegli un livello"));
        EXPECT_EQ(window().findChild<QComboBox*>("pagine")->count(),
            static_cast<int>(m.notebook().pages().size()));
    }
}

// A database another copy holds for a while never turns the pupil into the guest: the trials
// wait, the notebook says so once, and they are kept when the database is free again.
TEST_F(Pupils, ASaveThatFailsIsTriedAgainAndThePupilStays)
{
    addAndChoose("Marta");
    window().machine().chooseScheme(1, 5);
    predict("", "3", "4");
    {
        testing::RawDatabase holder(data.database() / SqliteStore::fileName);
        holder.execute("BEGIN EXCLUSIVE");
        predict("", "5", "6");
        EXPECT_EQ(pupils().player(), "Marta");
        EXPECT_EQ(panel().verdictText(), "Non riesco a salvare: riprovo...");
        predict("", "7", "8");
        EXPECT_EQ(pupils().player(), "Marta");
        holder.execute("ROLLBACK");
    }
    QTest::qWait(PupilPresenter::retryMs + 500);
    EXPECT_EQ(panel().verdictText(), "Ora il quaderno è salvato.");
    EXPECT_EQ(SqliteStore(data.database()).notebook("Marta").back().trials.size(), 3u);
}

TEST_F(Pupils, TheGuestKeepsNothing)
{
    addAndChoose("Marta");
    PupilChooser chooser(pupils());
    chooser.playAsGuest();
    EXPECT_TRUE(pupils().isGuest());
    EXPECT_EQ(window().windowTitle(), "Quorvel");
    discoverTheLarger();
    EXPECT_EQ(pupils().cards().size(), 1u); // the guest sees the card while playing...
    rebuild();
    SqliteStore store(data.database());
    EXPECT_EQ(store.profiles(), std::vector<std::string> { "Marta" }); // ...but nothing stays
    EXPECT_TRUE(store.cards("Ospite").empty());
    EXPECT_TRUE(store.notebook("Marta").empty());
}

TEST_F(Pupils, TheBoardShowsEveryCardAndHowEachOpened)
{
    addAndChoose("Marta");
    discoverTheLarger();
    EXPECT_EQ(panel().verdictText(),
        "Nuova carta nella collezione: Il risultato è il più grande dei due numeri. La macchina "
        "mostra «????» se il secondo numero è più grande di 32767.");
    const int discovered = *mechanismInForce(window().machine().state());
    window().machine().chooseScheme(2, 1);
    reveal();
    // Said after the rule, not in a box.
    EXPECT_TRUE(panel().verdictText().startsWith("La regola:"));
    EXPECT_TRUE(
        panel().verdictText().endsWith("\nLa carta di questa regola è entrata nella collezione."));
    const int revealed = *mechanismInForce(window().machine().state());

    CollectionBoard board(pupils().player(), pupils().cards());
    EXPECT_EQ(board.findChildren<QLabel*>(QRegularExpression("^carta\\d+$")).size(),
        static_cast<qsizetype>(collectionBoard().size()));
    EXPECT_EQ(board.summary(), "Regole scoperte: 1 · rivelate: 1 · ancora da trovare: 41 su 43");
    const struct
    {
        int mechanism;
        bool open;
        QString way;
    } cases[] = { { discovered, true, "scoperta" }, { revealed, true, "rivelata" },
        { collectionBoard().back().mechanism, false, "" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mechanism);
        QLabel* card = board.card(c.mechanism);
        ASSERT_NE(card, nullptr);
        EXPECT_EQ(card->property("aperta").toBool(), c.open);
        EXPECT_EQ(card->text().contains(c.way + " il "), c.open);
        if (!c.open) {
            EXPECT_EQ(card->text(), "?");
        }
    }
    EXPECT_TRUE(board.card(discovered)->text().contains("dopo 3 prove"));
    EXPECT_EQ(board.card(discovered)->focusPolicy(), Qt::StrongFocus); // Tab reaches every card
}

TEST_F(Pupils, TheBoardsWritingGrowsWithIt)
{
    const int first = collectionBoard()[0].mechanism;
    const int second = collectionBoard()[1].mechanism;
    const Card open { first, Level::number(1), "Una regola.", CardWay::Discovered, "2026-12-07",
        4 };
    CollectionBoard board("Ospite", { open });
    board.resize(900, 600);
    board.show();
    const int closed = board.card(second)->font().pixelSize();
    const int opened = board.card(first)->font().pixelSize();
    board.resize(1800, 1200);
    QCoreApplication::processEvents();
    EXPECT_EQ(board.card(second)->font().pixelSize(), 2 * closed);
    EXPECT_EQ(board.card(first)->font().pixelSize(), 2 * opened);
}

TEST_F(Pupils, TheBoardIsWalkedWithTheKeyboardAlone)
{
    CollectionBoard board("Ospite", {});
    board.show();
    board.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&board));
    const auto& places = collectionBoard();
    board.card(places[0].mechanism)->setFocus();
    for (std::size_t i = 1; i < places.size(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), board.card(places.back().mechanism));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(board.isVisible());
}

TEST_F(Pupils, ThePinIsSetOnceKeptHashedAndChecked)
{
    const QString pin = "90817263";
    {
        PinDialog first(pupils().session(), true);
        const struct
        {
            QString pin, again, problem;
        } cases[] = {
            { "123", "123", "Il PIN deve avere da 4 a 8 cifre." },
            { "90817263", "90817264", "I due PIN non sono uguali: scrivili di nuovo." },
        };
        for (const auto& c : cases) {
            first.findChild<QLineEdit*>("pin")->setText(c.pin);
            first.findChild<QLineEdit*>("ripetiPin")->setText(c.again);
            first.enter();
            EXPECT_EQ(first.problem(), c.problem);
            EXPECT_EQ(first.result(), QDialog::Rejected);
        }
        EXPECT_EQ(first.findChild<QLineEdit*>("pin")->echoMode(), QLineEdit::Password);
    }
    unlockDesk(pin);
    const std::optional<std::string> hash = SqliteStore(data.database()).pinHash();
    ASSERT_TRUE(hash);
    EXPECT_EQ(hash->find(pin.toStdString()), std::string::npos);
    QFile file(QString::fromStdString((data.database() / SqliteStore::fileName).string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains(pin.toUtf8()));

    const std::pair<const char*, QString> wrongs[] = { { "0000", "PIN sbagliato." },
        { "9081726", "PIN sbagliato." },
        { "90817264", "PIN sbagliato. Troppi PIN sbagliati: riprova fra 30 secondi." },
        { "90817263", "Troppi PIN sbagliati: riprova fra 30 secondi." } }; // even the right one
    for (const auto& [wrong, problem] : wrongs) {
        PinDialog again(pupils().session(), false);
        again.findChild<QLineEdit*>("pin")->setText(wrong);
        again.enter();
        // The seconds left may have gone down by one meanwhile.
        const QString upToWait = problem.left(problem.indexOf(" fra ") + 5);
        EXPECT_TRUE(again.problem().startsWith(upToWait)) << again.problem().toStdString();
        EXPECT_EQ(again.result(), QDialog::Rejected);
        EXPECT_TRUE(again.findChild<QLabel*>("pinDimenticato")->text().contains("man quorvel"));
    }
    EXPECT_EQ(SqliteStore(data.database()).pinGuard().wrongInARow, 3) << "kept past a restart";
    SqliteStore(data.database()).setPinGuard({}); // the wait is over
    PinDialog right(pupils().session(), false);
    right.findChild<QLineEdit*>("pin")->setText(pin);
    right.enter();
    EXPECT_EQ(right.result(), QDialog::Accepted);
}

// In a lab the next pupil never finds the desk open: it closes when asked, when the player
// changes and when it is left unused.
TEST_F(Pupils, TheDeskClosesWhenAskedWhenThePlayerChangesAndWhenLeftUnused)
{
    TeacherDesk& desk = window().desk();
    auto* close = window().findChild<QAction*>("chiudiInsegnante");
    ASSERT_NE(close, nullptr);
    EXPECT_FALSE(close->isEnabled());
    unlockDesk("2468");
    EXPECT_TRUE(desk.unlock() && desk.isOpen() && close->isEnabled());
    close->trigger();
    EXPECT_FALSE(desk.isOpen());
    unlockDesk("2468");
    EXPECT_TRUE(desk.unlock());
    addAndChoose("Marta");
    EXPECT_FALSE(desk.isOpen()) << "the player changed";
    desk.setIdleTime(50);
    unlockDesk("2468");
    EXPECT_TRUE(desk.unlock());
    QTest::qWait(150);
    EXPECT_FALSE(desk.isOpen()) << "left unused";
}

// Without a class the window never loads the class module (nor libpq); a line whose server does
// not answer is refused, and nothing is kept of it.
TEST_F(Pupils, WithoutAClassTheClassModuleStaysOutAndALineThatDoesNotAnswerIsRefused)
{
    ASSERT_TRUE(pupils().open());
    addAndChoose("Marta");
    const auto loaded = [](const char* piece) {
        QFile maps("/proc/self/maps");
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(piece);
    };
    EXPECT_FALSE(loaded("libpq"));
    EXPECT_FALSE(loaded("quorvel_classe"));
    EXPECT_FALSE(pupils().inClass());
    ASSERT_NE(window().findChild<QAction*>("collegaClasse"), nullptr);

    const std::optional<QString> problem
        = pupils().joinClass("postgresql://x:y@%2Fnessuna-cartella:1/scuola?sslmode=prefer");
    ASSERT_TRUE(problem.has_value());
    EXPECT_TRUE(problem->contains("non è raggiungibile")) << problem->toStdString();
    EXPECT_FALSE(pupils().inClass());
    EXPECT_FALSE(QSettings().contains("classe/uri"));
    EXPECT_EQ(pupils().player(), "Marta");
}

// The teacher renames and deletes pupils, and may keep the adding of names for themselves.
TEST_F(Pupils, TheTeacherRenamesDeletesAndMayKeepTheNamesForThemselves)
{
    addAndChoose("Marta");
    discoverTheLarger();
    addAndChoose("Luca");
    {
        PupilsDialog dialog(pupils());
        dialog.list().setCurrentRow(0);
        dialog.nameField().setText("Martina");
        dialog.rename();
        EXPECT_EQ(dialog.problem(), "");
        EXPECT_EQ(pupils().pupils(), (QStringList { "Martina", "Luca" }));
        EXPECT_EQ(PupilsDialog::deleteQuestion("Martina", 1, 3),
            "Vuoi davvero cancellare Martina? Si perdono per sempre la sua carta della collezione "
            "e il suo quaderno con 3 prove.");
        answer<QMessageBox>([](QMessageBox& box) {
            EXPECT_TRUE(box.text().contains("la sua carta della collezione"))
                << box.text().toStdString();
            box.button(QMessageBox::Yes)->click();
        });
        dialog.list().setCurrentRow(0);
        dialog.remove();
        EXPECT_EQ(pupils().pupils(), QStringList { "Luca" });
    }
    EXPECT_TRUE(SqliteStore(data.database()).cards("Martina").empty());
    ClassRules rules = pupils().rules();
    rules.pupilsAddNames = false;
    pupils().setRules(rules);
    QString why;
    EXPECT_FALSE(pupils().addPupil("Nora", why));
    EXPECT_TRUE(why.startsWith("I nomi nuovi li aggiunge l'insegnante")) << why.toStdString();
    PupilChooser chooser(pupils());
    EXPECT_TRUE(chooser.nameField().isHidden());
    PupilsDialog desk(pupils());
    desk.nameField().setText("Nora");
    desk.add();
    EXPECT_EQ(desk.problem(), "");
    EXPECT_EQ(pupils().pupils(), (QStringList { "Luca", "Nora" }));
}

// The class rules hold for a saved mechanism, and they fail closed: a database another copy
// holds at start offers only the levels of the last rules read.
TEST_F(Pupils, TheClassRulesHoldForSavedMechanismsAndFailClosed)
{
    ClassRules rules = pupils().rules();
    rules.levels = { true, false, false, false, false };
    pupils().setRules(rules);
    window().machine().chooseScheme(1, 2);
    const std::filesystem::path files = QUORVEL_TEST_DATA;
    const QString said = testing::answeringModal([&] {
        EXPECT_FALSE(openMechanism(window().machine(), files, "mechanism_level2.txt",
            [&](Level level) { return pupils().classroom().levelAllowed(level); }));
    });
    EXPECT_EQ(said,
        "Quorvel: Questo meccanismo è del livello 2, che l'insegnante non ha scelto per la "
        "classe: non si può aprire.");
    EXPECT_EQ(window().machine().state().activeLevel, Level::number(1)) << "nothing opened";

    // The database cannot be opened at the next start: a file stands where its folder was.
    form.reset();
    QDir(PupilPresenter::folder()).removeRecursively();
    QFile(PupilPresenter::folder()).open(QIODevice::WriteOnly);
    const QStringList problems = testing::closingEveryModal([&] { build(); });
    ASSERT_FALSE(problems.isEmpty());
    EXPECT_TRUE(problems.front().contains("Quorvel")) << problems.front().toStdString();
    EXPECT_TRUE(window().findChild<QAction*>("livello1")->isEnabled());
    EXPECT_FALSE(window().findChild<QAction*>("livello2")->isEnabled()) << "not every level";
    QSettings().remove("classe/livelli");
    form.reset();
    testing::closingEveryModal([&] { build(); });
    EXPECT_TRUE(window().findChild<QAction*>("livello1")->isEnabled());
    EXPECT_FALSE(window().findChild<QAction*>("livello5")->isEnabled()) << "level 1 alone";
}

TEST_F(Pupils, SchemeChooserPutsTheSchemeInForceAsTheLevelMenuWould)
{
    unlockDesk("2468");
    answer<SchemeChooser>([](SchemeChooser& chooser) {
        QTreeWidgetItem* level3 = chooser.catalogue().topLevelItem(2);
        EXPECT_EQ(level3->text(0), "Livello 3");
        EXPECT_TRUE(level3->child(1)->text(1).startsWith("Meccanismo "));
        chooser.catalogue().setCurrentItem(level3->child(1));
        chooser.choose();
    });
    const MachineState before = window().machine().state();
    window().desk().chooseScheme();
    const MachineState& s = window().machine().state();
    EXPECT_EQ(s.activeLevel, Level::number(3));
    EXPECT_EQ(s.schemaLevel3, Value::single(2));
    EXPECT_EQ(window().machine().text(Control::StatusLine), "E'attivo il livello 3");
    EXPECT_EQ(s.c1(), before.c1()); // describing the catalogue changed no constant
}

TEST_F(Pupils, TheClassRulesGovernTheLevelsAndTheReveal)
{
    unlockDesk("2468");
    answer<ClassRulesDialog>([](ClassRulesDialog& dialog) {
        dialog.findChild<QCheckBox*>("livelloPermesso3")->setChecked(false);
        dialog.findChild<QComboBox*>("quandoRivelare")->setCurrentIndex(3); // mai
        dialog.findChild<QCheckBox*>("magoParla")->setChecked(false);
        dialog.keep();
    });
    window().desk().classRules();
    EXPECT_FALSE(window().findChild<QAction*>("livello3")->isEnabled());
    EXPECT_TRUE(window().findChild<QAction*>("livello2")->isEnabled());
    window().findChild<QAction*>("livello2")->trigger();
    panel().revealRule(); // refused before any question
    EXPECT_EQ(panel().verdictText(), "L'insegnante ha deciso che la regola non si può rivelare.");
    EXPECT_FALSE(window().machine().notebook().currentPage()->revealed);

    const ClassRules kept = SqliteStore(data.database()).classRules();
    EXPECT_EQ(kept.levels, (std::array<bool, 5> { true, true, false, true, true }));
    EXPECT_EQ(kept.reveal, RevealPolicy::Never);
    EXPECT_FALSE(kept.wizardSpeaksAtStart);
    // The window built again follows them, the wizard there but silent at start.
    characters.available = true;
    form.reset();
    recorder.log.clear();
    form.emplace(programFolder, speaker, characters);
    form->onWindowShown();
    EXPECT_FALSE(window().findChild<QAction*>("livello3")->isEnabled());
    EXPECT_TRUE(std::ranges::find(recorder.log, "Language it") != recorder.log.end());
    EXPECT_TRUE(std::ranges::none_of(
        recorder.log, [](const std::string& line) { return line.starts_with("Speak"); }));
}

// Why the rule cannot be told yet follows the trials made, and goes once it can be told.
TEST_F(Pupils, TheReasonNotToRevealYetFollowsTheTrials)
{
    unlockDesk("2468");
    answer<ClassRulesDialog>([](ClassRulesDialog& dialog) {
        dialog.findChild<QComboBox*>("quandoRivelare")->setCurrentIndex(1); // after 10 trials
        dialog.keep();
    });
    window().desk().classRules();
    window().machine().chooseScheme(1, 5);
    predict("", "3", "4");
    panel().revealRule();
    EXPECT_EQ(panel().verdictText(),
        "Prima fai almeno 10 prove con questo meccanismo: finora ne hai fatta 1.");
    predict("", "5", "4");
    EXPECT_EQ(panel().verdictText(),
        "Prima fai almeno 10 prove con questo meccanismo: finora ne hai fatte 2.");
    for (int a = 10; a < 18; ++a)
        predict("", std::to_string(a), "4");
    EXPECT_EQ(panel().verdictText(), "") << "ten trials: the rule may be revealed now";
}

TEST_F(Pupils, ClassRulesKeepAtLeastOneLevel)
{
    ClassRulesDialog dialog(pupils());
    for (int n = 1; n <= 5; ++n)
        dialog.findChild<QCheckBox*>(QString("livelloPermesso%1").arg(n))->setChecked(false);
    dialog.keep();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(pupils().rules().levels[0]);
}

// A simple reader of the spreadsheet's table: quoted fields, doubled quotes, ";" between.
std::vector<QStringList> readCsv(const QByteArray& bytes)
{
    std::vector<QStringList> rows(1);
    QString field;
    bool quoted = false;
    const QString text = QString::fromUtf8(bytes);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"')
            field += '"', ++i;
        else if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ';')
            rows.back() << field, field.clear();
        else if (!quoted && c == '\r' && text[i + 1] == '\n')
            rows.back() << field, field.clear(), rows.emplace_back(), ++i;
        else
            field += c;
    }
    rows.pop_back(); // after the last line's end
    return rows;
}

TEST(ClassProgressCsv, OpensInAnItalianSpreadsheet)
{
    MemoryStore store;
    store.addProfile("Ma;r\"ta");
    store.addProfile("=1+1");
    store.openCard("Ma;r\"ta",
        { 17, Level::number(2), "Il risultato è A; poi B", CardWay::Revealed, "2026-12-07", 12 });
    const QByteArray csv = QByteArray::fromStdString(progressCsv(classProgressRows(store)));
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    const std::vector<QStringList> rows = readCsv(csv.mid(3));
    const std::vector<QStringList> expected = {
        { "Alunno", "Livello", "Meccanismo", "Regola", "Come", "Data", "Prove" },
        { "Ma;r\"ta", "2", "17", "Il risultato è A; poi B", "rivelata", "07/12/2026", "12" },
        { "'=1+1", "", "", "", "", "", "" },
    };
    EXPECT_EQ(rows, expected);
}

TEST_F(Pupils, ProgressTableListsThePupilsAndExportsThem)
{
    addAndChoose("Marta");
    discoverTheLarger();
    addAndChoose("Luca");
    ClassProgress progress(*pupils().session().store());
    const QAbstractItemModel& model = *progress.table().model();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.index(0, 0).data().toString(), "Marta");
    EXPECT_EQ(model.index(0, 4).data().toString(), "scoperta");
    EXPECT_EQ(model.index(0, 5).data().toString(), QDate::currentDate().toString("dd/MM/yyyy"));
    EXPECT_EQ(model.index(1, 0).data().toString(), "Luca");
    const QString path = data.dir.filePath("progressi.csv");
    ASSERT_TRUE(progress.exportCsv(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(readCsv(file.readAll().mid(3)).size(), 3u);
}

TEST_F(Pupils, APupilFindsNotebookAndCardsAsLeftAfterARestart)
{
    addAndChoose("Marta");
    discoverTheLarger();
    const std::vector<Page> pages = window().machine().notebook().pages();
    const std::vector<Card> cards = pupils().cards();
    ASSERT_EQ(cards.size(), 1u);

    rebuild();
    auto* chooser = window().findChild<PupilChooser*>(); // offered at start: there are pupils
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->list().currentItem()->text(), "Marta");
    chooser->play();
    EXPECT_EQ(pupils().player(), "Marta");
    EXPECT_EQ(pupils().cards(), cards);
    const std::vector<Page>& now = window().machine().notebook().pages();
    ASSERT_EQ(now.size(), pages.size());
    EXPECT_EQ(now.back().trials.size(), pages.back().trials.size());
    EXPECT_TRUE(now.back().discovered);
}

// 309 digits and more are too many for a double: the trial is kept with an infinite first
// number, and the pupil's notebook opens, shows it and exports it as ever.
TEST_F(Pupils, ANumberTooLargeForTheMachineNeverStopsThePupil)
{
    addAndChoose("Marta");
    window().machine().chooseScheme(1, 5);
    predict("", std::string(400, '9'), "3");
    predict(QString::fromStdString(std::string(400, '7')), "3", "4");
    rebuild();
    window().findChild<PupilChooser*>()->play();
    ASSERT_EQ(pupils().player(), "Marta");
    const NotebookModel& model = panel().model();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.index(0, NotebookModel::FirstColumn).data().toString(), "∞");
    EXPECT_EQ(model.index(0, NotebookModel::OutputColumn).data().toString(), "????");
    EXPECT_EQ(model.index(1, NotebookModel::PredictionColumn).data().toString(),
        QString::fromStdString(std::string(400, '7')) + " ✗");
    const QString path = data.dir.filePath("quaderno.csv");
    window().notebook()->exportCsv(path);
    QFile csv(path);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().contains("Meccanismo 1;1;1;∞;3;????;;;"));
}

TEST(PupilsFaults, AStoreThatFailsIsSaidAndTheGuestPlaysOn)
{
    const struct
    {
        const char* what;
        bool folderIsAFile; // else the database is a file that is no database
        QString message;
        int filesAfter; // in the data folder
    } cases[] = {
        { "unwritable", true, "Non posso creare la cartella", 0 },
        { "damaged", false, "L'archivio di Quorvel era rovinato: l'ho messo da parte", 2 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DataHome data;
        if (c.folderIsAFile) {
            QFile blocker(PupilPresenter::folder());
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        } else {
            QDir().mkpath(PupilPresenter::folder());
            QFile damaged(PupilPresenter::folder() + "/quorvel.db");
            ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
            damaged.write(QByteArray(8192, 'x'));
        }
        testing::Fakes fakes;
        fakes.characters.available = false;
        MachineForm form(programFolder, fakes.speaker, fakes.characters);
        QString seen;
        answer<QMessageBox>([&seen](QMessageBox& box) {
            seen = box.text();
            box.accept();
        });
        form.onWindowShown();
        EXPECT_TRUE(seen.startsWith(c.message)) << seen.toStdString();
        EXPECT_TRUE(form.pupils().isGuest());
        form.machine().chooseLevel(1);
        form.machine().typeDigits(Keypad::First, "4");
        form.machine().typeDigits(Keypad::Second, "2");
        form.runExperiment(); // plays on
        EXPECT_NE(form.machine().text(Control::Output), "");
        EXPECT_EQ(QDir(PupilPresenter::folder()).entryList({ "quorvel*.db" }, QDir::Files).size(),
            c.filesAfter); // the damaged file set aside, beside a fresh one
    }
}

} // namespace
} // namespace quorvel
