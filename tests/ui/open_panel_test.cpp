// The open panel in the window: its lists, "apri" with and without a selection, and dragging.
#include "machine_form_fixture.h"

#include "ui/storage/open_panel.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileSystemModel>
#include <QListView>
#include <QMessageBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

namespace quorvel {
namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class OpenPanelTest : public MachineFormTest {
protected:
    QTemporaryDir dir;
    OpenPanel* panel() { return form.openPanel(); }

    // Shows `folder` in the lists and gives what the file list shows once it has read it (the
    // model reads folders in the background).
    QStringList listed(const QString& folder, int expected = 0)
    {
        EXPECT_TRUE(panel()->setFolder(folder)); // the lists are made when first needed
        auto* model = qobject_cast<QFileSystemModel*>(panel()->fileList()->model());
        QElapsedTimer waited;
        waited.start();
        while (model->rowCount(panel()->fileList()->rootIndex()) < expected && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        // A little longer, for any name that should not be there to show up too.
        for (waited.restart(); waited.elapsed() < 200;)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QStringList names;
        const QModelIndex root = panel()->fileList()->rootIndex();
        for (int row = 0; row < model->rowCount(root); ++row)
            names << model->fileName(model->index(row, 0, root));
        names.sort();
        return names;
    }

    void select(const QString& name)
    {
        auto* model = qobject_cast<QFileSystemModel*>(panel()->fileList()->model());
        panel()->fileList()->setCurrentIndex(model->index(panel()->folder() + "/" + name));
    }

    // Presses "apri"; gives the text of the message box it raised, if any (closing it).
    QString apri()
    {
        QString message;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = box->text();
                box->accept();
            }
        });
        control<QAbstractButton>("Command1")->click();
        return message;
    }
};

TEST_F(OpenPanelTest, OpensFromTheMenuAndClosesWithItsX)
{
    showWithFace(MachineFace::designSize);
    EXPECT_FALSE(panel()->isVisible());
    trigger("aprimeccanismo");
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(panel()->geometry(), QRect(200, 16, 385, 281));
    clickOn("Label11");
    EXPECT_FALSE(panel()->isVisible());
}

TEST_F(OpenPanelTest, ListsOnlyTheNamesThatContainDotTxt)
{
    for (const char* name : { "prova.txt", "vecchio.txt.bak", "note.md", "txt", "dati.csv" })
        writeFile(dir.filePath(name), "x");
    EXPECT_EQ(listed(dir.path(), 2), (QStringList { "prova.txt", "vecchio.txt.bak" }));
}

TEST_F(OpenPanelTest, ApriWithoutASelectionAsksForAFileAndChangesNothing)
{
    showWithFace(MachineFace::designSize);
    trigger("aprimeccanismo");
    writeFile(dir.filePath("prova.txt"), "\"livello2,3,7,1,4,2,0,12\"\r\n");
    listed(dir.path());
    const QString message = apri();
    EXPECT_TRUE(message.startsWith("Scegli")) << message.toStdString();
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(form.machine().state().activeLevel.name(), "");
    EXPECT_FALSE(form.machine().state().loadedFromFile);
}

TEST_F(OpenPanelTest, ApriRestoresTheSelectedMechanismAndClosesThePanel)
{
    showWithFace(MachineFace::designSize);
    trigger("aprimeccanismo");
    writeFile(dir.filePath("prova.txt"), "\"livello2,3,7,1,4,2,0,12\"\r\n");
    listed(dir.path());
    select("prova.txt");
    EXPECT_EQ(apri(), "");
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_EQ(text("Label15"), "E' attivo il meccanismo recuperato  prova");
    const MachineState& s = form.machine().state();
    EXPECT_EQ(s.activeLevel.name(), "livello2");
    EXPECT_EQ(s.schemaLevel2.textValue(), "12");
    EXPECT_EQ(s.c1(), 3);
    EXPECT_EQ(s.c2(), 7);
}

TEST_F(OpenPanelTest, ABrokenFileIsRefusedAndThePanelStaysOpen)
{
    showWithFace(MachineFace::designSize);
    trigger("aprimeccanismo");
    writeFile(dir.filePath("rotto.txt"), "\"livello9,3,7,1,4,2,0,12\"\r\n");
    listed(dir.path());
    select("rotto.txt");
    EXPECT_EQ(apri(), "Il file scelto non contiene un meccanismo valido.");
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(form.machine().state().activeLevel.name(), "");
}

// Press on the panel's surface, move, release at `to` (face pixels).
void drag(OpenPanel* panel, QWidget* face, QPoint to)
{
    const QPoint from = panel->mapTo(face, QPoint(5, 5));
    auto send = [&](QEvent::Type type, QPoint facePoint, Qt::MouseButtons buttons) {
        const QPoint global = face->mapToGlobal(facePoint);
        QMouseEvent e(type, QPointF(panel->mapFromGlobal(global)), QPointF(global), Qt::LeftButton,
                      buttons, Qt::NoModifier);
        QApplication::sendEvent(panel, &e);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
}

TEST_F(OpenPanelTest, DroppedOnTheSurfaceItsCentreLandsOnTheDropPoint)
{
    showWithFace(MachineFace::designSize);
    trigger("aprimeccanismo");
    const QPoint bolt(30, 500); // bare surface near the bottom-left corner
    drag(panel(), form.face(), bolt);
    EXPECT_EQ(panel()->geometry().center(), bolt);
    EXPECT_LT(panel()->geometry().left(), 0) << "no clamping at the window's edge";
}

TEST_F(OpenPanelTest, DroppedOnAControlItStaysWhereItWas)
{
    showWithFace(MachineFace::designSize);
    trigger("aprimeccanismo");
    const QRect before = panel()->geometry();
    drag(panel(), form.face(), control("exp")->geometry().center());
    EXPECT_EQ(panel()->geometry(), before);
}

} // namespace
} // namespace quorvel
