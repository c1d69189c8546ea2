// The window offscreen, used as the pupil uses it: clicks on the keys, menu items and the
// keyboard reach the machine and show in the displays; the modal box asks for a level.
#include "machine_form_fixture.h"

#include "ui/app/key_label.h"
#include "ui/effects/clip_player.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

namespace quorvel {
namespace {

TEST_F(MachineFormTest, KeypadClicksAppendDigitsAndCancClearsEachInput)
{
    showWithFace(MachineFace::designSize);
    for (const char* key : { "uno", "due", "tre", "zero2", "nove2" })
        clickOn(key);
    EXPECT_EQ(text("i1"), "in123") << "before any level the digits follow the word";
    EXPECT_EQ(text("i2"), "in09");
    clickOn("Label3");
    EXPECT_EQ(text("i1"), "");
    EXPECT_EQ(text("i2"), "in09");
    clickOn("canc2");
    EXPECT_EQ(text("i2"), "");
    clickOn("sette");
    EXPECT_EQ(text("i1"), "7");
}

TEST_F(MachineFormTest, AKeyLooksPressedWhileHeldAndCountsOnlyWhenReleasedOnIt)
{
    showWithFace(MachineFace::designSize);
    auto* key = control<KeyLabel>("otto");
    int clicks = 0;
    QObject::connect(key, &KeyLabel::clicked, [&] { ++clicks; });
    const QPointF inside(key->rect().center()), outside(-20, -20);
    QMouseEvent down(QEvent::MouseButtonPress, inside, key->mapToGlobal(inside), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(key, &down);
    EXPECT_TRUE(key->isPressedLook());
    QMouseEvent upOutside(QEvent::MouseButtonRelease, outside, key->mapToGlobal(outside),
        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(key, &upOutside);
    EXPECT_FALSE(key->isPressedLook());
    EXPECT_EQ(clicks, 0) << "a press dragged off the key is no click";
    EXPECT_EQ(text("i1"), "in");

    sendClick(key, key->rect().center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(text("i1"), "in8");
}

TEST_F(MachineFormTest, LevelCommandsSetTheStatusLineBeepAndClearTheInputs)
{
    const struct
    {
        const char* item;
        const char* status;
        const char* beep;
    } levels[] = {
        { "livello1", "E'attivo il livello 1", "Beep 500 100" },
        { "livello2", "E'attivo il livello 2", "Beep 550 100" },
        { "livello3", "E'attivo il livello 3", "Beep 600 100" },
        { "livello4", "E'attivo il livello 4", "Beep 650 100" },
        { "livello5", "E'attivo il livello 5", "Beep 700 100" },
    };
    for (const auto& level : levels) {
        SCOPED_TRACE(level.item);
        form.machine().keypadClick(Keypad::First, 4);
        form.machine().keypadClick(Keypad::Second, 2);
        recorder.log.clear();
        trigger(level.item);
        EXPECT_EQ(text("Label15"), level.status);
        EXPECT_EQ(text("i1"), "");
        EXPECT_EQ(text("i2"), "");
        EXPECT_EQ(count(level.beep), 1);
        EXPECT_EQ(form.machine().state().activeLevel.name(), level.item);
    }
}

TEST_F(MachineFormTest, SchemeAndOperationKeysReachTheMachine)
{
    showWithFace(MachineFace::designSize);
    clickOn("cmb");
    EXPECT_EQ(text("Label15"), "E' attivo il  ") << "no level yet: the two blanks end it";
    EXPECT_EQ(text("usc"), "");
    EXPECT_EQ(count("Beep 500 100"), 1);
    trigger("livello2");
    clickOn("cmb");
    EXPECT_EQ(text("Label15"), "E' attivo il  livello2");

    const char* const clips[] = { "/rosso.gif", "/verde.gif", "/blu.gif", "/grigio.gif" };
    for (int i = 1; i <= 6; ++i) {
        clickOn("ingr");
        const int opCode = static_cast<int>(form.machine().state().opCode.number());
        ASSERT_GE(opCode, 1);
        ASSERT_LE(opCode, 4);
        EXPECT_TRUE(form.shock()->fileName().endsWith(clips[opCode - 1])) << opCode;
        EXPECT_TRUE(form.shock()->isRunning());
        EXPECT_EQ(count("Beep 700 100"), i);
    }
}

TEST_F(MachineFormTest, ExperimentWithoutALevelAsksForOneInAModalBox)
{
    showWithFace(MachineFace::designSize);
    clickOn("cinque");
    QString title, message;
    int buttons = 0;
    // The box blocks inside the click: it is read and closed from the event loop it runs.
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        message = box->text();
        buttons = box->buttons().size();
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    });
    clickOn("exp");
    EXPECT_EQ(message, "Devi scegliere un livello!!");
    EXPECT_EQ(title, "Quorvel");
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(control<QLineEdit>("Text1")->text(), "in5");
    EXPECT_EQ(text("usc"), "") << "no mechanism has ever run";
    EXPECT_EQ(count("Beep 800 100"), 1);
}

TEST_F(MachineFormTest, KeyboardTypesIntoTheSelectedInputAndRunsTheExperiment)
{
    showWithFace(MachineFace::designSize);
    trigger("livello1");
    const struct
    {
        int key;
        const char* i1;
        const char* i2;
        Keypad typing;
        const char* flashed; // the on-screen key that shows the press, if any
    } steps[] = {
        { Qt::Key_1, "1", "", Keypad::First, "uno" },
        { Qt::Key_2, "12", "", Keypad::First, "due" },
        { Qt::Key_Tab, "12", "", Keypad::Second, nullptr },
        { Qt::Key_7, "12", "7", Keypad::Second, "sette2" },
        { Qt::Key_Backspace, "12", "", Keypad::Second, "canc2" },
        { Qt::Key_9, "12", "9", Keypad::Second, "nove2" },
        { Qt::Key_Backtab, "12", "9", Keypad::First, nullptr },
        { Qt::Key_Delete, "", "9", Keypad::First, "Label3" },
        { Qt::Key_3, "3", "9", Keypad::First, "tre" },
        { Qt::Key_Tab, "3", "9", Keypad::Second, nullptr },
        { Qt::Key_Tab, "3", "9", Keypad::First, nullptr },
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(::testing::Message() << "key " << step.key);
        press(step.key);
        EXPECT_EQ(text("i1"), step.i1);
        EXPECT_EQ(text("i2"), step.i2);
        EXPECT_EQ(form.typingInto(), step.typing);
        if (step.flashed) {
            EXPECT_TRUE(control<KeyLabel>(step.flashed)->isPressedLook());
        }
    }

    for (const int enter : { Qt::Key_Return, Qt::Key_Enter }) {
        recorder.log.clear();
        press(enter);
        EXPECT_EQ(count("Beep 800 100"), 1);
        EXPECT_EQ(control<QLineEdit>("Text1")->text(), "3");
        EXPECT_EQ(control<QLineEdit>("Text2")->text(), "9");
        EXPECT_EQ(text("usc").toStdString(), form.machine().text(Control::usc));
        EXPECT_NE(text("usc"), "out");
        EXPECT_TRUE(control<KeyLabel>("exp")->isPressedLook());
    }
}

TEST_F(MachineFormTest, ClickingAnInputChoosesWhereTheKeyboardTypes)
{
    showWithFace(MachineFace::designSize);
    for (const auto& [name, keypad] :
        { std::pair { "i2", Keypad::Second }, { "i1", Keypad::First } }) {
        clickOn(name);
        EXPECT_EQ(form.typingInto(), keypad) << name;
    }
    clickOn("i2");
    press(Qt::Key_6);
    EXPECT_EQ(text("i2"), "in6");
    EXPECT_EQ(text("i1"), "in");
}

} // namespace
} // namespace quorvel
