// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The open panel in the window: what its lists hold, what "apri" opens, the keys
// pressed in it, the folder it shares with saving, a folder it cannot read, and where it can
// be dragged.
#include "ui/storage/mechanism_folder.h"
#include "ui/storage/open_panel.h"
#include "window_test.h"

#include <QTest>

namespace quorvel {
namespace {

using testing::answeringModal;
using testing::sendMouse;

const QByteArray level2 = "\"livello2,3,7,1,4,2,0,12\"\r\n";

class Panel : public testing::Window
{
protected:
    OpenPanel* panel = form.openPanel();
    QTemporaryDir dir;

    // The test's folder: mechanisms good and bad, names that are no mechanism, two folders.
    void SetUp() override
    {
        const std::pair<const char*, QByteArray> files[] = { { "prova.txt", level2 },
            { "rotto.txt", "\"livello2\"\r\n" }, { "vecchio.txt.bak", level2 },
            { "note.md", level2 }, { "txt", level2 }, { "sotto/dentro.txt", level2 } };
        QDir(dir.path()).mkpath("sotto");
        QDir(dir.path()).mkpath("cartella.txt");
        for (const auto& [name, bytes] : files) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        showWithFace();
        trigger("aprimeccanismo");
        ASSERT_TRUE(panel->setFolder(dir.path()));
    }
    static QStringList rows(const QListView* list)
    {
        QStringList names;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            names << list->model()->index(row, 0).data().toString();
        return names;
    }
    // A click on a row where the pupil sees it; twice, a double-click.
    void clickRow(QListView* list, const QString& name, bool twice = false)
    {
        const QModelIndex index = list->model()->index(int(rows(list).indexOf(name)), 0);
        ASSERT_TRUE(index.isValid()) << name.toStdString();
        const QPoint at = list->visualRect(index).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (twice)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    QString apri()
    {
        return answeringModal([&] { control<QAbstractButton>("apri")->click(); });
    }
};

TEST_F(Panel, ListsMechanismFilesOnlyAndOpensTheOneSeenSelected)
{
    const QStringList mechanisms = { "prova.txt", "rotto.txt", "vecchio.txt.bak" };
    EXPECT_EQ(rows(panel->fileList()), mechanisms) << "files whose names contain .txt";
    EXPECT_EQ(rows(panel->folderList()), QStringList({ "..", "cartella.txt", "sotto" }));
    clickRow(panel->folderList(), "sotto", true);
    EXPECT_EQ(rows(panel->fileList()), QStringList { "dentro.txt" });
    clickRow(panel->folderList(), "..", true);
    EXPECT_EQ(rows(panel->fileList()), mechanisms) << "the folder just left is no file";

    // The row clicked (none for ""), then the message "apri" gives ("" when it opens).
    const std::pair<const char*, const char*> tries[] = {
        { "", "Quorvel: Scegli un file dall'elenco dei meccanismi salvati." },
        { "rotto.txt", "Quorvel: Il file scelto non contiene un meccanismo valido." },
        { "vecchio.txt.bak", "" },
    };
    for (const auto& [clicked, message] : tries) {
        SCOPED_TRACE(clicked);
        if (*clicked)
            clickRow(panel->fileList(), clicked);
        EXPECT_EQ(panel->selectedName(), clicked);
        EXPECT_EQ(apri(), message);
        EXPECT_EQ(panel->isVisible(), *message != 0) << "open until a mechanism is in force";
    }
    EXPECT_EQ(text("rigaStato"), "E' attivo il meccanismo recuperato  vecchio.txt");
    const MachineState& s = form.machine().state();
    EXPECT_EQ(s.activeLevel.name(), "livello2");
    EXPECT_EQ(s.c1() * 100 + s.c2(), 307) << "c1 3 and c2 7";
}

// Return in a list does what a double-click there does, and never reaches the machine behind,
// where it would run an experiment.
TEST_F(Panel, KeysInThePanelNeverReachTheMachine)
{
    // The keyboard's frame on a row, the row not selected.
    const auto current = [&](const char* list, const QString& name) {
        auto* view = control<QListView>(list);
        const QModelIndex index = view->model()->index(int(rows(view).indexOf(name)), 0);
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::Clear);
    };
    // Where the key goes, the row made current there first, the key, and then the folder
    // shown, the status line, whether the panel is still open.
    const std::tuple<const char*, const char*, int, QString, QString, bool> keys[] = {
        { "cartelle", "sotto", Qt::Key_Return, dir.filePath("sotto"), "", true },
        { "cartelle", "..", Qt::Key_Enter, dir.path(), "", true },
        { "dischi", nullptr, Qt::Key_Return, dir.path(), "", true },
        { "meccanismiSalvati", nullptr, Qt::Key_Delete, dir.path(), "", true },
        { "meccanismiSalvati", nullptr, Qt::Key_Backspace, dir.path(), "", true },
        { "meccanismiSalvati", "prova.txt", Qt::Key_Return, dir.path(), "prova", false },
        { "meccanismiSalvati", nullptr, Qt::Key_Escape, dir.path(), "prova", false },
    };
    form.machine().typeDigits(Keypad::First, "42");
    for (const auto& [where, row, key, folder, opened, open] : keys) {
        SCOPED_TRACE(::testing::Message() << where << " " << key);
        trigger("aprimeccanismo");
        if (row)
            current(where, row);
        EXPECT_EQ(answeringModal([&] { QTest::keyClick(control(where), Qt::Key(key)); }), "");
        EXPECT_EQ(panel->folder(), folder);
        EXPECT_EQ(text("rigaStato"),
            opened.isEmpty() ? "" : "E' attivo il meccanismo recuperato  " + opened);
        EXPECT_EQ(panel->isVisible(), open);
    }
    EXPECT_EQ(count("Beep 800 100"), 0) << "no experiment ran";
    // The input still showing the starting text is emptied by the mechanism opened.
    EXPECT_EQ(inputs(), "in42/");
}

TEST_F(Panel, SavingAndOpeningShareTheLastFolderUsed)
{
    const QString first = documents.path() + "/Quorvel";
    trigger("livello3");
    clickOn("chiudiApri");
    trigger("aprimeccanismo");
    EXPECT_EQ(panel->folder(), documents.path()) << "Quorvel is made by the first save";
    // Saves under `name`, telling where the dialog started.
    const auto save = [&](const QString& name) {
        QString startedIn;
        answeringModal([&] { trigger("salvameccanismo"); },
            [&](QDialog& dialog) {
                auto& files = static_cast<QFileDialog&>(dialog);
                startedIn = files.directory().absolutePath();
                files.findChild<QLineEdit*>("fileNameEdit")->setText(name);
                dialog.accept(); // reads the name, as its Save button does
            });
        return startedIn;
    };
    EXPECT_EQ(save("primo"), first);
    EXPECT_EQ(panel->folder(), first) << "the panel shows the folder saved in";
    EXPECT_EQ(rows(panel->fileList()), QStringList { "primo.txt" });
    EXPECT_EQ(save(dir.filePath("secondo")), first);
    EXPECT_EQ(panel->folder(), dir.path());
    EXPECT_TRUE(rows(panel->fileList()).contains("secondo.txt"));
    EXPECT_EQ(save("terzo"), dir.path());

    // Opening from a folder makes it the one to start from, in this run and the next.
    panel->setFolder(dir.filePath("sotto"));
    clickRow(panel->fileList(), "dentro.txt");
    EXPECT_EQ(apri(), "");
    MachineForm next(testing::programFolder, speaker, characters);
    next.findChild<QAction*>("aprimeccanismo")->trigger();
    EXPECT_EQ(next.openPanel()->folder(), dir.filePath("sotto"));
    EXPECT_EQ(save("quarto"), dir.filePath("sotto"));
}

// Qt's own complaints reach the terminal the game was started from: opening the save dialog
// gives none (its side bar once could not scale a missing folder picture).
TEST_F(Panel, SaveDialogOpensWithoutComplaints)
{
    static QStringList complaints;
    complaints.clear();
    const QtMessageHandler before = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { complaints << text; });
    trigger("livello1");
    EXPECT_EQ(answeringModal([&] { trigger("salvameccanismo"); }), "salvameccanismo");
    qInstallMessageHandler(before);
    complaints.removeIf([](const QString& text) { return text.contains("propagateSizeHints"); });
    EXPECT_EQ(complaints, QStringList());
}

TEST_F(Panel, SaysWhenAFolderCannotBeReadAndLeadsBackUp)
{
    const QString cannotRead
        = "Non riesco a leggere questa cartella. Fai doppio clic su «..» per tornare indietro.";
    const QString empty = "In questa cartella non ci sono meccanismi salvati.";
    QDir(dir.path()).mkpath("vuota");
    QDir(dir.path()).mkpath("chiusa");
    QFile(dir.filePath("chiusa")).setPermissions({});
    const bool closedToUs = !QFileInfo(dir.filePath("chiusa")).isReadable(); // not to root
    QDir(dir.filePath("tolta")).mkpath(".");
    panel->setFolder(dir.filePath("tolta"));
    QDir(dir.filePath("tolta")).removeRecursively(); // a memory stick pulled out, say
    // The folder, whether it can be read, what the panel then says.
    const std::tuple<QString, bool, QString> folders[] = {
        { "tolta", false, cannotRead },
        { "chiusa", !closedToUs, closedToUs ? cannotRead : empty },
        { "vuota", true, empty },
        { "sotto", true, "" },
    };
    for (const auto& [name, readable, notice] : folders) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(panel->setFolder(dir.filePath(name)), readable);
        EXPECT_EQ(panel->notice(), notice);
        EXPECT_EQ(rows(panel->folderList()).value(0), "..");
        clickRow(panel->folderList(), "..", true);
        EXPECT_EQ(panel->folder(), dir.path());
        EXPECT_EQ(panel->notice(), "");
    }
    QFile(dir.filePath("chiusa"))
        .setPermissions(QFile::ReadOwner | QFile::ExeOwner | QFile::WriteOwner);
}

TEST_F(Panel, StaysWholeOnTheFaceWhereverItIsDroppedAndAtEverySize)
{
    const auto drop = [&](QPoint at) { // pressed on the panel's surface, let go at `at`
        sendMouse(panel, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
        sendMouse(panel, QEvent::MouseMove, panel->mapFrom(form.face(), at), Qt::LeftButton);
        sendMouse(panel, QEvent::MouseButtonRelease, panel->mapFrom(form.face(), at), {});
    };
    drop(control("exp")->geometry().center());
    EXPECT_EQ(panel->geometry(), QRect(200, 16, 385, 281)) << "a control takes no drop";
    // Drop point on the bare surface, then where the panel's top-left corner lands.
    const std::pair<QPoint, QPoint> drops[] = {
        { { 400, 305 }, { 208, 165 } }, // room all round: centred on the drop point
        { { 30, 500 }, { 0, 248 } },
        { { 776, 10 }, { 400, 0 } },
        { { 781, 525 }, { 400, 248 } },
    };
    for (const auto& [at, corner] : drops) {
        drop(at);
        EXPECT_EQ(panel->geometry(), QRect(corner, QSize(385, 281))) << at.x() << "," << at.y();
    }
    // Larger, smaller, and of other proportions: the panel stays whole on the face.
    for (const QSize face : { QSize(1870, 1058), QSize(935, 800), QSize(1200, 529) }) {
        showWithFace(face);
        EXPECT_TRUE(form.face()->rect().contains(panel->geometry())) << face.width();
    }
    drop({ 1190, 10 }); // beyond the design's proportions, to the right of the machine
    EXPECT_TRUE(form.face()->rect().contains(panel->geometry()));
    EXPECT_FALSE(panel->geometry().intersects(form.face()->stageArea())) << "the wizard's place";
}

TEST_F(Panel, ForgetsItsListsWhenClosedAndReadsThemAgainWhenOpened)
{
    ASSERT_FALSE(rows(panel->fileList()).isEmpty());
    clickOn("chiudiApri");
    EXPECT_TRUE(rows(panel->fileList()).isEmpty() && rows(panel->folderList()).isEmpty());
    QFile(dir.filePath("nuovo.txt")).open(QIODevice::WriteOnly);
    panel->show(); // as "aprimeccanismo" does after it has chosen the folder
    EXPECT_TRUE(rows(panel->fileList()).contains("nuovo.txt"));
}

// A saved mechanism given on the command line (the desktop's double click) opens once the
// window is up, as "apri" opens it; the open panel then starts in its folder.
using Start = testing::Window;

TEST_F(Start, AFileGivenAtStartOpensOnceTheWindowIsUp)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("compito di Anna.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(level2);
    file.close();
    form.openAtStart(file.fileName());
    showWithFace();
    QCoreApplication::processEvents();
    EXPECT_EQ(text("rigaStato"), "E' attivo il meccanismo recuperato  compito di Anna");
    EXPECT_EQ(form.machine().state().activeLevel, Level::number(2));
    EXPECT_EQ(MechanismFolder::forOpening(), dir.path());
}

} // namespace
} // namespace quorvel
