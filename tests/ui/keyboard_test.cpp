// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The machine from the keyboard: digits into the framed input, which follows the keypad last
// clicked; Backspace, Delete and Escape on it; Tab and Return; the menus' shortcuts and Alt
// letters beside the digits.
#include "ui/app/key_label.h"
#include "ui/notebook/notebook_dock.h"
#include "ui/notebook/notebook_panel.h"
#include "window_test.h"

#include <QSignalSpy>
#include <QTest>

namespace quorvel {
namespace {

using testing::answeringModal;

class Keyboard : public testing::Window
{
protected:
    void SetUp() override
    {
        showWithFace();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        trigger("livello1"); // a level clears the word "in" from both inputs
        recorder.log.clear();
    }
    // The keyboard in the notebook's prediction field, or with the machine.
    void setFocus(bool inNotebook)
    {
        if (!inNotebook)
            return form.setFocus();
        form.notebook()->setShown(true);
        form.notebook()->panel()->predictionField().setFocus();
    }
    // As the platform delivers a key: shortcuts first, then whatever has the focus.
    void type(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &form, static_cast<Qt::Key>(key), modifiers);
    }
};

TEST_F(Keyboard, KeysWorkOnTheFramedInput)
{
    // A key, then the inputs, where typing goes next and the key on the face that flashes.
    const std::tuple<int, const char*, Keypad, const char*> steps[] = {
        { Qt::Key_1, "1/", Keypad::First, "uno" },
        { Qt::Key_2, "12/", Keypad::First, "due" },
        { Qt::Key_Tab, "12/", Keypad::Second, nullptr },
        { Qt::Key_7, "12/7", Keypad::Second, "sette2" },
        { Qt::Key_8, "12/78", Keypad::Second, "otto2" },
        { Qt::Key_Backspace, "12/7", Keypad::Second, nullptr },
        { Qt::Key_Backspace, "12/", Keypad::Second, nullptr },
        { Qt::Key_Backspace, "12/", Keypad::Second, nullptr },
        { Qt::Key_9, "12/9", Keypad::Second, "nove2" },
        { Qt::Key_Backtab, "12/9", Keypad::First, nullptr },
        { Qt::Key_Delete, "/9", Keypad::First, "cancellaPrimo" },
        { Qt::Key_3, "3/9", Keypad::First, "tre" },
        { Qt::Key_Tab, "3/9", Keypad::Second, nullptr },
        { Qt::Key_Escape, "3/", Keypad::Second, "cancellaSecondo" },
        { Qt::Key_4, "3/4", Keypad::Second, "quattro2" },
        { Qt::Key_Tab, "3/4", Keypad::First, nullptr },
        { Qt::Key_Return, "3/4", Keypad::First, "exp" },
        { Qt::Key_Enter, "3/4", Keypad::First, "exp" },
    };
    for (const auto& [key, shown, typing, flashed] : steps) {
        SCOPED_TRACE(::testing::Message() << "key " << QKeySequence(key).toString().toStdString());
        press(key);
        EXPECT_EQ(inputs(), shown);
        EXPECT_EQ(form.typingInto(), typing);
        EXPECT_TRUE(!flashed || control<KeyLabel>(flashed)->isPressedLook());
    }
    EXPECT_EQ(count("Beep 800 100"), 2) << "one experiment for each Enter";
    EXPECT_EQ(
        control<QLineEdit>("primoOperando")->text() + control<QLineEdit>("secondoOperando")->text(),
        "34");
    EXPECT_NE(text("uscita"), "out");
    clickOn("secondoNumero"); // a click on a display frames it for the keyboard
    press(Qt::Key_6);
    EXPECT_EQ(inputs(), "3/46");
    clickOn("primoNumero");
    EXPECT_EQ(form.typingInto(), Keypad::First);
}

TEST_F(Keyboard, FrameFollowsTheKeypadLastClicked)
{
    // The key clicked, where the frame goes, and the inputs after a 5 typed on the keyboard.
    const std::tuple<const char*, Keypad, const char*> clicks[] = {
        { "due2", Keypad::Second, "/25" },
        { "uno", Keypad::First, "15/25" },
        { "cancellaSecondo", Keypad::Second, "15/5" },
        { "cancellaPrimo", Keypad::First, "5/5" },
        { "nove2", Keypad::Second, "5/595" },
    };
    for (const auto& [key, framed, typed] : clicks) {
        SCOPED_TRACE(key);
        clickOn(key);
        EXPECT_EQ(form.typingInto(), framed);
        type(Qt::Key_5);
        EXPECT_EQ(inputs(), typed);
    }
}

// The wizard's "Salta" takes Escape only while he speaks: disabled, it leaves Escape to the
// framed input.
TEST_F(Keyboard, EscapeClearsTheInputUnlessAnEnabledActionTakesIt)
{
    QAction skip("Salta");
    skip.setShortcut(Qt::Key_Escape);
    form.addAction(&skip);
    QSignalSpy skipped(&skip, &QAction::triggered);
    for (const bool speaking : { false, true }) {
        SCOPED_TRACE(speaking ? "speaking" : "silent");
        skip.setEnabled(speaking);
        type(Qt::Key_7);
        type(Qt::Key_Escape);
        EXPECT_EQ(inputs(), speaking ? "7/" : "/");
        EXPECT_EQ(skipped.count(), speaking ? 1 : 0);
    }
}

TEST_F(Keyboard, ShortcutsTriggerTheirItemsWhileDigitsStillType)
{
    // The keys, the item they trigger, whether they end the program, and the inputs after a
    // digit typed next.
    const std::tuple<QKeyCombination, const char*, bool, const char*> shortcuts[] = {
        { Qt::CTRL | Qt::Key_S, "salvameccanismo", false, "1/" },
        { QKeyCombination(Qt::Key_F1), "controlli", false, "12/" },
        { Qt::CTRL | Qt::Key_Q, "esci", true, "123/" },
        { Qt::CTRL | Qt::Key_O, "aprimeccanismo", false, "123/" }, // the panel takes the keys
    };
    int digit = 1;
    for (const auto& [keys, item, ends, typed] : shortcuts) {
        SCOPED_TRACE(item);
        QSignalSpy triggered(control<QAction>(item), &QAction::triggered);
        QObject guard; // its timers go with it
        QTimer::singleShot(0, &guard, [&, keys = keys] {
            answeringModal([&] { type(keys.key(), keys.keyboardModifiers()); });
            QTimer::singleShot(0, &guard, [] { QApplication::exit(1); });
        });
        EXPECT_EQ(QApplication::exec() == 0, ends);
        EXPECT_EQ(triggered.count(), 1);
        // As the desktop does when a dialog closes (offscreen, nothing does).
        QApplication::setActiveWindow(&form);
        type(Qt::Key_0 + digit++);
        EXPECT_EQ(inputs(), typed);
    }
    EXPECT_TRUE(control("pannelloApri")->isVisible());
    type(Qt::Key_Escape); // closes the panel, and the keyboard is the machine's again
    EXPECT_FALSE(control("pannelloApri")->isVisible());
    type(Qt::Key_5);
    EXPECT_EQ(inputs(), "1235/");
}

// The command keys without a key of their own: from the machine and from the notebook's fields.
TEST_F(Keyboard, FunctionKeysPressTheCommandKeys)
{
    const std::tuple<int, const char*, bool> presses[] = {
        { Qt::Key_F3, "ingr", false },
        { Qt::Key_F4, "cmb", false },
        { Qt::Key_F4, "cmb", true },
    };
    for (const auto& [key, flashed, fromNotebook] : presses) {
        SCOPED_TRACE(flashed);
        setFocus(false);
        for (const int typed : { Qt::Key_4, Qt::Key_Tab, Qt::Key_3, Qt::Key_Return })
            press(typed);
        ASSERT_NE(text("uscita"), "");
        setFocus(fromNotebook);
        type(key);
        EXPECT_TRUE(control<KeyLabel>(flashed)->isPressedLook());
        if (key == Qt::Key_F4) { // a new mechanism: the last result goes
            EXPECT_EQ(text("uscita"), "");
        }
        QTest::qWait(200); // the flash ends
    }
}

TEST_F(Keyboard, EscapeClosesTheInformationPanelBeforeItClearsAnInput)
{
    type(Qt::Key_7);
    trigger("informazioni");
    ASSERT_TRUE(control("pannelloInformazioni")->isVisible());
    type(Qt::Key_Escape);
    EXPECT_FALSE(control("pannelloInformazioni")->isVisible());
    EXPECT_EQ(inputs(), "7/");
    type(Qt::Key_Escape);
    EXPECT_EQ(inputs(), "/");
}

TEST_F(Keyboard, NoShortcutOrAltLetterTakesADigit)
{
    QList<QKeySequence> taken;
    for (const QAction* action : form.findChildren<QAction*>())
        taken << action->shortcuts();
    QStringList letters;
    for (const QAction* menu : form.menuBar()->actions()) {
        const QKeySequence alt = QKeySequence::mnemonic(menu->text());
        EXPECT_FALSE(alt.isEmpty()) << menu->text().toStdString();
        EXPECT_FALSE(letters.contains(alt.toString()))
            << "two menus share " << alt.toString().toStdString();
        letters << alt.toString();
        taken << alt;
    }
    for (const QKeySequence& keys : taken)
        for (const Qt::KeyboardModifiers held : { Qt::NoModifier, Qt::AltModifier })
            for (int digit = Qt::Key_0; digit <= Qt::Key_9; ++digit)
                EXPECT_NE(keys, QKeySequence(QKeyCombination(held, Qt::Key(digit))));
}

} // namespace
} // namespace quorvel
