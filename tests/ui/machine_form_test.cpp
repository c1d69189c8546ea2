// The window offscreen, used as the pupil uses it: every control where the machine's face puts
// it at any size, the menus, the activation, the lights, the panels, clicks and keys.
#include "fakes/fakes.h"
#include "ui/app/key_label.h"
#include "ui/app/machine_face.h"
#include "ui/app/machine_form.h"
#include "ui/effects/clip_player.h"
#include "ui/storage/open_panel.h"

#include <QtWidgets>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ranges>

// Failures show texts as text.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

namespace quorvel {
namespace {

const QString programFolder = QStringLiteral(QUORVEL_TEST_DATA "/../../assets");

void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    QMouseEvent event(
        type, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton, held, {});
    QApplication::sendEvent(target, &event);
}

// Runs `action`; a modal window it raises is read and closed from inside its own loop.
// Gives its title, then the text of a message box, or "" when no modal window came up.
QString answeringModal(const std::function<void()>& action)
{
    QString seen;
    QTimer::singleShot(0, [&] {
        if (auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            auto* box = qobject_cast<QMessageBox*>(window);
            seen = window->windowTitle() + (box ? ": " + box->text() : QString());
            window->reject();
        }
    });
    action();
    QCoreApplication::processEvents(); // a timer that found no modal window is spent here
    return seen;
}

// The window wired to recording fakes.
class Window : public ::testing::Test
{
protected:
    testing::Recorder recorder;
    testing::FakeSpeaker speaker { recorder };
    testing::FakeCharacterService characters { recorder };
    MachineForm form { programFolder, speaker, characters };

    template <class T = QWidget> T* control(const QString& name)
    {
        T* found = form.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QString text(const QString& name) { return control<QLabel>(name)->text(); }
    QString inputs() { return text("i1") + "/" + text("i2"); }
    void trigger(const char* item) { control<QAction>(item)->trigger(); }
    long count(const std::string& line) { return std::ranges::count(recorder.log, line); }

    // Shows the window with exactly `face` pixels for the machine's face, painted once, so
    // that the activation has followed.
    void showWithFace(QSize face = MachineFace::designSize)
    {
        form.show();
        QCoreApplication::processEvents();
        // The menu bar's font follows the scale, which changes its height: settle in steps.
        for (int i = 0; i < 5 && form.face()->size() != face; ++i) {
            form.resize(form.size() + face - form.face()->size());
            QCoreApplication::processEvents();
        }
        ASSERT_EQ(form.face()->size(), face);
        form.face()->repaint();
        QCoreApplication::processEvents();
    }

    // A click where the pupil sees the control, which must then be the topmost thing there.
    void clickOn(const QString& name)
    {
        QWidget* target = control(name);
        const QPoint centre = target->rect().center();
        ASSERT_EQ(form.face()->childAt(target->mapTo(form.face(), centre)), target)
            << name.toStdString() << " is covered";
        sendMouse(target, QEvent::MouseButtonPress, centre, Qt::LeftButton);
        sendMouse(target, QEvent::MouseButtonRelease, centre, Qt::NoButton);
    }

    // Through the window, as the platform delivers keys, to whatever has the focus.
    void press(int key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(form.windowHandle(), &event);
    }
};

// Every control of the face: name, place at 100 % in twips (15 to a pixel), caption (null
// where it has none) and the colour of its key or display (invalid where not checked).
std::vector<std::tuple<QString, QRect, QString, QColor>> faceControls()
{
    const QColor cyan("#C0FFFF"), blue("#0000C0"), red("#C00000");
    std::vector<std::tuple<QString, QRect, QString, QColor>> placed = {
        { "i1", { 3720, 4680, 1455, 1335 }, "in", {} }, // selected: wears the yellow frame
        { "i2", { 6600, 4680, 1455, 1335 }, "in", cyan },
        { "usc", { 9720, 1440, 1455, 1335 }, "out", cyan },
        { "Label3", { 3240, 6840, 2415, 375 }, "Canc", blue },
        { "canc2", { 6120, 6840, 2415, 375 }, "Canc", blue },
        { "exp", { 8880, 5160, 2655, 375 }, "esperimento", red },
        { "ingr", { 8880, 6240, 2655, 375 }, "Operazioni", red },
        { "cmb", { 8880, 7200, 2655, 375 }, "cambia meccanismo di calcolo", red },
        { "Label15", { 5295, 7230, 3540, 690 }, "", {} }, // below canc2, down to the edge
        { "shock", { 3000, 240, 5775, 4215 }, {}, {} },
        { "Frame1", { 3000, 240, 5775, 4215 }, {}, {} },
        { "Picture5", { 5565, 4920, 615, 615 }, {}, {} },
    };
    for (int i = 1; i <= 4; ++i)
        placed.emplace_back(
            QString("Picture%1").arg(i), QRect(1440, 1200 * i, 615, 615), "", QColor());
    const char* const names[]
        = { "zero", "uno", "due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove" };
    for (int digit = 0; digit < 10; ++digit) {
        const QRect twips(3240 + 480 * (digit % 5), digit < 5 ? 6120 : 6480, 495, 375);
        for (const int pad : { 0, 1 })
            placed.emplace_back(names[digit] + QString(pad ? "2" : ""),
                twips.translated(2880 * pad, 0), QString::number(digit), blue);
    }
    return placed;
}

TEST_F(Window, EveryControlKeepsItsPlaceAndFontAtEverySize)
{
    trigger("informazioni"); // so that the panel's own lines are laid out and scaled too
    showWithFace();
    const QImage face = form.face()->grab().toImage();
    EXPECT_EQ(face.pixelColor(5, 100), QColor("#000080")) << "navy surface";
    std::vector<std::tuple<QWidget*, QRect, int>> atDesign;
    for (const char* line : { "Label2", "Label4", "Label7", "Picture6" }) {
        QWidget* widget = control(line);
        atDesign.emplace_back(widget, widget->geometry(), widget->font().pixelSize());
    }
    for (const auto& [name, twips, caption, colour] : faceControls()) {
        SCOPED_TRACE(name.toStdString());
        QWidget* widget = control(name);
        EXPECT_EQ(widget->geometry(), QRect(twips.topLeft() / 15, twips.size() / 15));
        if (!caption.isNull()) {
            EXPECT_EQ(qobject_cast<QLabel*>(widget)->text(), caption);
        }
        if (colour.isValid()) {
            EXPECT_EQ(face.pixelColor(widget->geometry().topLeft() + QPoint(3, 3)), colour);
        }
        atDesign.emplace_back(widget, widget->geometry(), widget->font().pixelSize());
    }
    EXPECT_FALSE(control("Text1")->isVisible()) << "the mechanisms' copies are not for the pupil";
    EXPECT_EQ(form.windowTitle(), "Quorvel");
    const int menuFont = form.menuBar()->font().pixelSize();

    showWithFace(MachineFace::designSize * 2);
    for (const auto& [widget, rect, font] : atDesign) {
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_EQ(widget->geometry(), QRect(rect.topLeft() * 2, rect.size() * 2));
        EXPECT_EQ(widget->font().pixelSize(), font > 0 ? 2 * font : font);
    }
    EXPECT_EQ(form.menuBar()->font().pixelSize(), 2 * menuFont);
    // Wider than the design's proportions: the height decides and the face is centred.
    showWithFace({ 1600, 1058 });
    EXPECT_EQ(control("i1")->geometry(), QRect(15 + 496, 624, 194, 178));
    clickOn("Label1"); // the information panel lies above the clip; its X closes it
    EXPECT_FALSE(control("Frame1")->isVisible());
    clickOn("shock");
    form.resize(300, 200); // never smaller than the design
    QCoreApplication::processEvents();
    EXPECT_EQ(form.face()->size().expandedTo(MachineFace::designSize), form.face()->size());
}

TEST_F(Window, MenuItemsSitInTheirMenusAndReachTheirHandlers)
{
    // Menu/item: what the item does: the requests made (speech and glides left out), the modal
    // window raised, the panel shown, the end of the program's event loop.
    const QStringList expected = {
        "File/salvameccanismo: modal salvameccanismo",
        "File/aprimeccanismo: shows Frame2",
        "File/esci: exit",
        "livello/livello1: Beep 500 100",
        "livello/livello2: Beep 550 100",
        "livello/livello3: Beep 600 100",
        "livello/livello4: Show | Top 100 | Play getattention | Beep 650 100",
        "livello/livello5: Show | Top 100 | Play getattention | Beep 700 100",
        "istruzioni/controlli: Show | Play read | Top 100 | Play gestureup | Play gestureright",
        "istruzioni/da_ricordare: Show | Top 100 | Play read | Play DoMagic1 | Hide",
        "assistente/mostra: Show | Top 100",
        "assistente/nascondi: Hide",
        "informazioni/informazioni: shows Frame1",
    };
    showWithFace(); // the activation loads the narrator
    QStringList names; // the machine's own items; the notebook's are tested with it
    for (const QString& line : expected)
        names << line.section('/', 1).section(':', 0, 0);
    std::vector<std::pair<QAction*, QAction*>> items;
    for (QAction* menu : form.menuBar()->actions())
        for (QAction* item : menu->menu() ? menu->menu()->actions() : QList { menu })
            if (names.contains(item->objectName()))
                items.emplace_back(menu, item);
    QStringList actual;
    // From the last: a level is then in force when the mechanism is saved.
    for (const auto& [menu, item] : items | std::views::reverse) {
        EXPECT_EQ(item->text(), item->objectName()) << "tests and the soak find it by its name";
        recorder.log.clear();
        QStringList seen;
        QObject guard; // its timers go with it
        QTimer::singleShot(0, &guard, [&] {
            seen << "modal " + answeringModal([&] { item->trigger(); });
            QTimer::singleShot(20, &guard, [] { QApplication::exit(1); });
        });
        const bool exited = QApplication::exec() == 0;
        for (const std::string& line : recorder.log)
            if (!line.starts_with("Speak") && !line.starts_with("MoveTo"))
                seen << QString::fromStdString(line);
        for (QWidget* panel : { control("Frame1"), control("Frame2") }) {
            seen << (panel->isVisible() ? "shows " + panel->objectName() : "");
            panel->hide();
        }
        seen << (exited ? "exit" : "");
        seen.removeAll("");
        seen.removeAll("modal ");
        actual.prepend(menu->text() + "/" + item->text() + ": " + seen.join(" | "));
    }
    EXPECT_EQ(actual, expected);
}

TEST_F(Window, ActivationStopsTheRedClipAtFrameOneAndWelcomesOnce)
{
    EXPECT_TRUE(recorder.log.empty()) << "creating the window does nothing yet";
    showWithFace();
    EXPECT_TRUE(form.shock()->fileName().endsWith("/rosso.gif"));
    EXPECT_TRUE(form.shock()->isPaused());
    EXPECT_EQ(form.shock()->currentFrameNumber(), 0);
    form.hide();
    form.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(
        count("Speak “Benvenuti alla macchina Quorvel. Scegliere un livello,......prego.”"), 1)
        << "showing the window again is no new activation";
}

// Which lamp picture each of the five lights shows, "-" for none.
QString lightsShown(MachineForm& form)
{
    QStringList shown;
    for (int light = 1; light <= 5; ++light) {
        const QImage image
            = form.findChild<QLabel*>(QString("Picture%1").arg(light))->pixmap().toImage();
        shown << "-";
        for (int lamp = 1; lamp <= 4; ++lamp) // two lamps alike would fail the tests
            if (!image.isNull()
                && image == QPixmap(programFolder + QString("/luce%1.gif").arg(lamp)).toImage())
                shown.last() = QString::number(lamp);
    }
    return shown.join(' ');
}

TEST_F(Window, LightsStayDarkUntilTheFirstTickThenAlternate)
{
    EXPECT_EQ(lightsShown(form), "- - - - -"); // not shown: the window's own timer stays still
    for (const char* pattern : { "1 3 2 4 3", "2 4 3 1 2", "1 3 2 4 3" }) {
        form.Timer1_Timer();
        EXPECT_EQ(lightsShown(form), pattern);
    }
    // A missing picture leaves its light as it was.
    QTemporaryDir folder;
    ASSERT_TRUE(QFile::copy(programFolder + "/luce1.gif", folder.filePath("luce1.gif")));
    MachineForm bare(folder.path(), speaker, characters);
    ::testing::internal::CaptureStderr(); // the three missing pictures are reported
    bare.Timer1_Timer();
    EXPECT_EQ(lightsShown(bare), "1 - - - -");
    bare.Timer1_Timer();
    EXPECT_EQ(lightsShown(bare), "1 - - 1 -");
    ::testing::internal::GetCapturedStderr();
}

TEST_F(Window, ClicksOnTheKeysReachTheMachine)
{
    showWithFace();
    for (const char* key : { "uno", "due", "tre", "zero2", "nove2" })
        clickOn(key);
    EXPECT_EQ(inputs(), "in123/in09") << "before any level the digits follow the word";
    clickOn("Label3");
    EXPECT_EQ(inputs(), "/in09");
    clickOn("canc2");
    // A key looks pressed while held, and a press dragged off it is no click.
    auto* key = control<KeyLabel>("cinque");
    sendMouse(key, QEvent::MouseButtonPress, key->rect().center(), Qt::LeftButton);
    EXPECT_TRUE(key->isPressedLook());
    sendMouse(key, QEvent::MouseButtonRelease, QPoint(-20, -20), Qt::NoButton);
    EXPECT_FALSE(key->isPressedLook());
    EXPECT_EQ(inputs(), "/");
    clickOn("cinque");
    EXPECT_EQ(answeringModal([&] { clickOn("exp"); }), "Quorvel: Devi scegliere un livello!!");
    EXPECT_EQ(control<QLineEdit>("Text1")->text() + text("usc"), "5") << "no mechanism ran";

    clickOn("cmb");
    EXPECT_EQ(text("Label15"), "E' attivo il  ") << "no level yet: the two blanks end it";
    EXPECT_EQ(count("Beep 500 100"), 1);
    trigger("livello2");
    clickOn("cmb");
    EXPECT_EQ(text("Label15"), "E' attivo il  livello2");
    const char* const clips[] = { "/rosso.gif", "/verde.gif", "/blu.gif", "/grigio.gif" };
    for (int i = 1; i <= 6; ++i) {
        clickOn("ingr");
        const auto opCode = static_cast<int>(form.machine().state().opCode.number());
        ASSERT_TRUE(opCode >= 1 && opCode <= 4) << opCode;
        EXPECT_TRUE(form.shock()->fileName().endsWith(clips[opCode - 1])) << opCode;
        EXPECT_TRUE(form.shock()->isRunning());
        EXPECT_EQ(count("Beep 700 100"), i);
    }
}

TEST_F(Window, KeyboardTypesIntoTheChosenInputAndRunsExperiments)
{
    showWithFace();
    trigger("livello1");
    // A key, then the inputs, where typing goes next and the key on the face that flashes.
    const std::tuple<int, const char*, Keypad, const char*> steps[] = {
        { Qt::Key_1, "1/", Keypad::First, "uno" },
        { Qt::Key_2, "12/", Keypad::First, "due" },
        { Qt::Key_Tab, "12/", Keypad::Second, nullptr },
        { Qt::Key_7, "12/7", Keypad::Second, "sette2" },
        { Qt::Key_Backspace, "12/", Keypad::Second, "canc2" },
        { Qt::Key_9, "12/9", Keypad::Second, "nove2" },
        { Qt::Key_Backtab, "12/9", Keypad::First, nullptr },
        { Qt::Key_Delete, "/9", Keypad::First, "Label3" },
        { Qt::Key_3, "3/9", Keypad::First, "tre" },
        { Qt::Key_Tab, "3/9", Keypad::Second, nullptr },
        { Qt::Key_Tab, "3/9", Keypad::First, nullptr },
        { Qt::Key_Return, "3/9", Keypad::First, "exp" },
        { Qt::Key_Enter, "3/9", Keypad::First, "exp" },
    };
    for (const auto& [key, shown, typing, flashed] : steps) {
        SCOPED_TRACE(::testing::Message() << "key " << key);
        press(key);
        EXPECT_EQ(inputs(), shown);
        EXPECT_EQ(form.typingInto(), typing);
        EXPECT_TRUE(!flashed || control<KeyLabel>(flashed)->isPressedLook());
    }
    EXPECT_EQ(count("Beep 800 100"), 2) << "one experiment for each Enter";
    EXPECT_EQ(control<QLineEdit>("Text1")->text() + control<QLineEdit>("Text2")->text(), "39");
    EXPECT_EQ(text("usc").toStdString(), form.machine().text(Control::usc));
    EXPECT_NE(text("usc"), "out");
    clickOn("i2"); // a click on a display chooses it for the keyboard
    press(Qt::Key_6);
    EXPECT_EQ(inputs(), "3/96");
    clickOn("i1");
    EXPECT_EQ(form.typingInto(), Keypad::First);
}

TEST_F(Window, OpenPanelListsOpensAndMovesWhereItIsDropped)
{
    QTemporaryDir dir;
    for (const char* name : { "prova.txt", "rotto.txt", "vecchio.txt.bak", "note.md", "txt" }) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(name == std::string("rotto.txt") ? "\"livello9,3,7,1,4,2,0,12\"\r\n"
                                                    : "\"livello2,3,7,1,4,2,0,12\"\r\n");
    }
    showWithFace();
    trigger("aprimeccanismo");
    OpenPanel* panel = form.openPanel();
    EXPECT_EQ(panel->geometry(), QRect(200, 16, 385, 281));
    ASSERT_TRUE(panel->setFolder(dir.path()));
    // The model reads in the background: until it has three, and a moment more for strays.
    auto* model = qobject_cast<QFileSystemModel*>(panel->fileList()->model());
    const QModelIndex root = panel->fileList()->rootIndex();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000 && (model->rowCount(root) < 3 || waited.elapsed() < 200))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QStringList names;
    for (int row = 0; row < model->rowCount(root); ++row)
        names << model->fileName(model->index(row, 0, root));
    names.sort();
    EXPECT_EQ(names, QStringList({ "prova.txt", "rotto.txt", "vecchio.txt.bak" }));

    const std::pair<const char*, const char*> tries[] = {
        { "", "Quorvel: Scegli un file dall'elenco dei meccanismi salvati." },
        { "rotto.txt", "Quorvel: Il file scelto non contiene un meccanismo valido." },
        { "prova.txt", "" },
    };
    for (const auto& [selected, message] : tries) {
        if (*selected)
            panel->fileList()->setCurrentIndex(model->index(dir.filePath(selected)));
        EXPECT_EQ(answeringModal([&] { control<QAbstractButton>("Command1")->click(); }), message);
        EXPECT_EQ(panel->isVisible(), *message != 0) << "open until a mechanism is in force";
        EXPECT_EQ(form.machine().state().loadedFromFile, *message == 0);
    }
    EXPECT_EQ(text("Label15"), "E' attivo il meccanismo recuperato  prova");
    const MachineState& s = form.machine().state();
    EXPECT_EQ(s.activeLevel.name(), "livello2");
    EXPECT_EQ(s.schemaLevel2.textValue(), "12");
    EXPECT_EQ(s.c1() * 100 + s.c2(), 307) << "c1 3 and c2 7";
    trigger("aprimeccanismo");
    const auto drop = [&](QPoint at) { // pressed on the panel's surface, let go at `at`
        sendMouse(panel, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
        sendMouse(panel, QEvent::MouseMove, panel->mapFrom(form.face(), at), Qt::LeftButton);
        sendMouse(panel, QEvent::MouseButtonRelease, panel->mapFrom(form.face(), at), {});
    };
    drop(control("exp")->geometry().center());
    EXPECT_EQ(panel->geometry(), QRect(200, 16, 385, 281)) << "a control takes no drop";
    drop(QPoint(30, 500)); // bare surface near the bottom-left corner
    EXPECT_EQ(panel->geometry().center(), QPoint(30, 500)) << "no clamping at the edge";
    clickOn("Label11");
    EXPECT_FALSE(panel->isVisible());
}

} // namespace
} // namespace quorvel
