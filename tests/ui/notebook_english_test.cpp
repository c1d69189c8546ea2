// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The notebook, the pupils, the collection board and the teacher's desk in English, offscreen:
// every widget is built after the switch, as the window builds them at start, and the tests go
// back to Italian at the end so that the others read the program's own texts.
#include "core/collection/memory_store.h"
#include "fakes/fakes.h"
#include "language/language.h"
#include "ui/app/machine_face.h"
#include "ui/app/machine_form.h"
#include "ui/classroom/class_progress.h"
#include "ui/classroom/scheme_chooser.h"
#include "ui/classroom/teacher_desk.h"
#include "ui/modules/modules.h"
#include "ui/notebook/notebook_dock.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/notebook_panel.h"
#include "ui/notebook/notebook_plot.h"
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

void switchTo(Language language)
{
    ASSERT_TRUE(installLanguage(language, QCoreApplication::applicationDirPath()));
    ASSERT_EQ(currentLanguage(), language);
}

QString headings(const QAbstractItemModel& model)
{
    QStringList titles;
    for (int column = 0; column < model.columnCount(); ++column)
        titles << model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    return titles.join('|');
}

QString text(QWidget& parent, const char* name)
{
    QObject* child = parent.findChild<QObject*>(name);
    if (auto* button = qobject_cast<QAbstractButton*>(child))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(child))
        return label->text();
    if (auto* menu = qobject_cast<QMenu*>(child))
        return menu->title();
    if (auto* action = qobject_cast<QAction*>(child))
        return action->text();
    return QString("(no %1)").arg(name);
}

class NotebookInEnglish : public ::testing::Test, protected testing::Fakes
{
protected:
    void SetUp() override
    {
        switchTo(Language::english);
        characters.available = false;
        form.emplace(programFolder, speaker, characters);
        form->resize(MachineFace::designSize);
        form->notebook()->setShown(true);
        form->onWindowShown(); // opens the pupils' database
    }
    void TearDown() override
    {
        form.reset();
        switchTo(Language::italian);
    }

    NotebookPanel& panel() { return *form->notebook()->panel(); }
    PupilPresenter& pupils() { return form->pupils(); }

    DataHome data;
    std::optional<MachineForm> form;
};

TEST_F(NotebookInEnglish, TheVerdictsAndThePageAreInEnglish)
{
    form->machine().chooseLevel(1);
    form->machine().writableState().setScheme(Level::number(1), Value::int16(5)); // the larger
    EXPECT_EQ(panel().pageTitle().section(" · ", 1), "level 1");
    const struct
    {
        QString formula;
        QString verdictStart;
    } beforeTrials[] = {
        { "A +", "I can't read the formula: " },
        { "A", "Do a few experiments first: the formula is checked against the page's trials." },
    };
    for (const auto& c : beforeTrials) {
        panel().hypothesisField().setText(c.formula);
        panel().checkHypothesis();
        EXPECT_TRUE(panel().verdictText().startsWith(c.verdictStart))
            << panel().verdictText().toStdString();
    }
    testing::tryPair(*form, "9", "3", "9");
    const QModelIndex prediction = panel().model().index(0, NotebookModel::PredictionColumn);
    EXPECT_EQ(panel().model().data(prediction, Qt::ToolTipRole).toString(), "9, right");
    panel().hypothesisField().setText("A");
    panel().checkHypothesis();
    EXPECT_TRUE(panel().verdictText().startsWith("Trials the formula works for: 0 out of 1."))
        << panel().verdictText().toStdString();

    const NotebookPlot& plot = panel().plot();
    EXPECT_EQ(plot.axisTitles().join('|'), "first number|output");
    ASSERT_EQ(plot.series().size(), 1u);
    EXPECT_EQ(plot.series().front().name, "second = 9");
}

TEST_F(NotebookInEnglish, TheChooserAndTheGuestAreInEnglish)
{
    PupilChooser chooser(pupils());
    EXPECT_EQ(chooser.windowTitle(), "Who's playing?");
    const struct
    {
        const char* name;
        QString english;
    } buttons[] = { { "aggiungi", "&Add" }, { "ospite", "&Guest (nothing is kept)" },
        { "gioca", "&Play" } };
    for (const auto& b : buttons)
        EXPECT_EQ(text(chooser, b.name), b.english) << b.name;
    const QString guestTaken
        = "‘Guest’ is the name for playing without keeping anything: choose another one.";
    const struct
    {
        QString typed;
        QString problem;
    } names[] = {
        { "Marta", "" }, { "marta", "There is already a player with this name." },
        { "", "Write the name: one letter at least." },
        { "guest", guestTaken }, // the name shown for the guest
        { "Ospite", guestTaken }, // and the one it is kept by
    };
    for (const auto& n : names) {
        chooser.nameField().setText(n.typed);
        chooser.add();
        EXPECT_EQ(chooser.problem(), n.problem) << n.typed.toStdString();
    }
    chooser.playAsGuest();
    EXPECT_TRUE(pupils().isGuest());
    EXPECT_EQ(pupils().player(), "Guest");
}

TEST_F(NotebookInEnglish, TheBoardWritesItsCardsInEnglish)
{
    const auto& places = collectionBoard();
    const Card discovered { places[0].mechanism, places[0].level, "A rule.", CardWay::Discovered,
        "2026-12-07", 4 };
    const Card revealed { places[1].mechanism, places[1].level, "Another rule.", CardWay::Revealed,
        "2026-03-01", 0 };
    CollectionBoard board(pupils().player(), { discovered, revealed });
    EXPECT_EQ(board.windowTitle(), "Guest's collection");
    EXPECT_EQ(board.summary(),
        QString("Rules discovered: 1 · revealed: 1 · still to find: %1 of %2")
            .arg(places.size() - 2)
            .arg(places.size()));
    const struct
    {
        int mechanism;
        QString text;
    } cards[] = {
        { discovered.mechanism, "A rule.\n\ndiscovered on 7 December 2026\nafter 4 trials" },
        { revealed.mechanism, "Another rule.\n\nrevealed on 1 March 2026\nwith no trials" },
        { places.back().mechanism, "?" },
    };
    for (const auto& c : cards) {
        ASSERT_NE(board.card(c.mechanism), nullptr);
        EXPECT_EQ(board.card(c.mechanism)->text(), c.text);
    }
    EXPECT_EQ(board.card(places.back().mechanism)->accessibleName(), "Card still to be discovered");
    EXPECT_EQ(cardText({ 1, Level::number(1), "R.", CardWay::Discovered, "2026-12-07", 1 })
                  .section('\n', -1),
        "after 1 trial");
    EXPECT_EQ(text(board, "chiudi"), "&Close");
}

TEST_F(NotebookInEnglish, TheDesksDialogsAreInEnglish)
{
    PinDialog pin(pupils().session(), true);
    EXPECT_EQ(pin.windowTitle(), "Teacher");
    EXPECT_EQ(text(pin, "entra"), "&Enter");
    const struct
    {
        QString pin, again, problem;
    } pins[] = {
        { "12", "12", "The PIN must have 4 to 8 digits." },
        { "1234", "4321", "The two PINs are not the same: type them again." },
    };
    for (const auto& p : pins) {
        pin.findChild<QLineEdit*>("pin")->setText(p.pin);
        pin.findChild<QLineEdit*>("ripetiPin")->setText(p.again);
        pin.enter();
        EXPECT_EQ(pin.problem(), p.problem) << p.pin.toStdString();
    }

    ClassRulesDialog rules(pupils());
    EXPECT_EQ(rules.windowTitle(), "Class rules");
    auto* when = rules.findChild<QComboBox*>("quandoRivelare");
    ASSERT_NE(when, nullptr);
    QStringList policies;
    for (int i = 0; i < when->count(); ++i)
        policies << when->itemText(i);
    EXPECT_EQ(policies.join('|'), "always|after 10 trials|after the discovery|never");
    EXPECT_EQ(text(rules, "magoParla"), "The &wizard speaks at the start");
    for (QCheckBox* level : rules.findChildren<QCheckBox*>(QRegularExpression("^livelloPermesso")))
        level->setChecked(false);
    rules.keep();
    EXPECT_EQ(text(rules, "problema"), "Leave at least one level, or nobody can play.");

    SchemeChooser schemes(form->machine());
    EXPECT_EQ(schemes.windowTitle(), "Choose the mechanism");
    auto* catalogue = schemes.findChild<QTreeWidget*>("catalogo");
    ASSERT_NE(catalogue, nullptr);
    EXPECT_EQ(headings(*catalogue->model()), "Scheme|Rule");
    EXPECT_EQ(catalogue->topLevelItem(0)->text(0), "Level 1");
    EXPECT_EQ(catalogue->topLevelItem(0)->child(0)->text(0), "Scheme 1");
    EXPECT_TRUE(catalogue->topLevelItem(0)->child(0)->text(1).startsWith("Mechanism "));

    ClassProgress progress(*pupils().session().store());
    EXPECT_EQ(progress.windowTitle(), "Class progress");
    EXPECT_EQ(headings(*progress.table().model()), "Pupil|Level|Mechanism|Rule|How|Date|Trials");
}

// The export's headings and the way each card opened follow the language; the rest is the
// pupils' own.
TEST(ProgressExport, FollowsTheLanguage)
{
    MemoryStore store;
    store.addProfile("Anna");
    store.openCard(
        "Anna", { 7, Level::number(2), "Una regola.", CardWay::Revealed, "2026-12-07", 3 });
    const struct
    {
        Language language;
        std::string lines;
    } cases[] = {
        { Language::english,
            "Pupil;Level;Mechanism;Rule;How;Date;Trials\r\n"
            "Anna;2;7;Una regola.;revealed;07/12/2026;3\r\n" },
        { Language::italian,
            "Alunno;Livello;Meccanismo;Regola;Come;Data;Prove\r\n"
            "Anna;2;7;Una regola.;rivelata;07/12/2026;3\r\n" },
    };
    for (const auto& c : cases) {
        switchTo(c.language);
        EXPECT_EQ(progressCsv(classProgressRows(store)), "\xEF\xBB\xBF" + c.lines)
            << languageCode(c.language);
    }
    switchTo(Language::italian);
}

} // namespace
} // namespace quorvel
