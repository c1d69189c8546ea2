// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's side of the wizard: the stage it keeps him on, the captions below the face and
// the items Voce, Salta and Sottotitoli.
#include "ui/app/assistant_controls.h"
#include "ui/app/caption_strip.h"
#include "ui/app/machine_face.h"
#include "ui/app/machine_form.h"
#include "ui/narrator/character_window.h"
#include "ui/narrator/merlin_narrator.h"
#include "window_test.h"

#include <QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace quorvel {
namespace {

class Assistant : public ::testing::Test, protected testing::Fakes
{
protected:
    MachineForm form { testing::programFolder, speaker, characters };
    MerlinNarrator merlin { nullptr, false };

    void SetUp() override
    {
        QSettings().clear();
        form.move(40, 60);
        form.show();
        QCoreApplication::processEvents();
        form.attachNarrator(merlin);
    }
    QAction* item(const char* name) { return form.findChild<QAction*>(name); }
    void press(int key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(form.windowHandle(), &event);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(form.windowHandle(), &release);
    }
    void resizeFace(QSize face)
    {
        for (int i = 0; i < 5 && form.face()->size() != face; ++i) {
            form.resize(form.size() + face - form.face()->size());
            QCoreApplication::processEvents();
        }
        ASSERT_EQ(form.face()->size(), face);
    }
};

TEST_F(Assistant, StageStartsBelowTheMenuBarAtTheFacesCornerAndScalesWithIt)
{
    for (const double scale : { 1.0, 2.0 }) {
        SCOPED_TRACE(scale);
        resizeFace(MachineFace::designSize * scale);
        const Stage stage = form.assistant()->stage();
        EXPECT_DOUBLE_EQ(stage.scale, scale);
        EXPECT_EQ(stage.origin, form.menuBar()->mapToGlobal(QPoint(0, 0)));
        EXPECT_EQ(stage.menuBar.size(), form.menuBar()->size());
        EXPECT_EQ(merlin.stage(), stage) << "the wizard is told";
        EXPECT_EQ(merlin.window().size(), QSize(130, 160) * scale);
        EXPECT_EQ(form.captions()->height(), CaptionStrip::designHeight * scale);
    }
    form.move(form.pos() + QPoint(25, 35));
    QCoreApplication::processEvents();
    EXPECT_EQ(merlin.stage().origin, form.menuBar()->mapToGlobal(QPoint(0, 0)));
    form.showMinimized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(merlin.stage().visible);
    form.showNormal();
    QCoreApplication::processEvents();
    EXPECT_TRUE(merlin.stage().visible);
}

TEST_F(Assistant, StepsAsideWhileADialogWaitsForAnAnswer)
{
    merlin.appear();
    merlin.advance(2000);
    ASSERT_TRUE(merlin.window().isVisible());
    for (const Qt::WindowModality modality : { Qt::ApplicationModal, Qt::WindowModal }) {
        SCOPED_TRACE(modality);
        QDialog dialog(&form);
        dialog.setWindowModality(modality);
        dialog.show();
        dialog.activateWindow();
        QCoreApplication::processEvents();
        EXPECT_FALSE(merlin.window().isVisible()) << "the dialog is not covered";
        dialog.hide();
        form.activateWindow();
        QCoreApplication::processEvents();
        EXPECT_TRUE(merlin.window().isVisible()) << "he is back when it is answered";
    }
}

// A press and a release on a companion window at a point of the screen.
void clickOn(QWidget& window, QPoint global)
{
    for (const QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
        QMouseEvent event(type, QPointF(5, 5), QPointF(global), Qt::LeftButton,
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }
}

TEST_F(Assistant, AClickOnTheWizardStandingOnAKeyReachesTheKey)
{
    QWidget* key = form.findChild<QWidget*>("sette");
    ASSERT_NE(key, nullptr);
    QSignalSpy clicked(key, SIGNAL(clicked()));
    CharacterWindow wizard;
    wizard.show();
    // Offscreen, a moved window maps to and from the screen by different origins: the screen
    // point is the one the window itself maps onto the key.
    const QPoint origin = -form.mapFromGlobal(QPoint(0, 0));
    clickOn(wizard, origin + key->mapTo(&form, key->rect().center()));
    EXPECT_EQ(clicked.count(), 1);
    // Beside the machine's window the click has nowhere to go, and nothing breaks.
    clickOn(wizard, origin + QPoint(-50, -50));
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(Assistant, CaptionsWriteOutWhatHeSaysUntilTurnedOff)
{
    ASSERT_TRUE(form.captions()->isVisible()) << "on by default";
    merlin.speak("\\pau=500\\ciao a tutti\\pau=200\\");
    merlin.advance(499);
    EXPECT_EQ(form.captions()->text(), "");
    merlin.advance(1);
    EXPECT_EQ(form.captions()->text(), "Ciao a tutti");
    const int faceHeight = form.face()->height();
    item("sottotitoli")->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form.captions()->isVisible());
    EXPECT_GT(form.face()->height(), faceHeight) << "the face takes the strip's room";
    EXPECT_FALSE(QSettings().value("assistente/sottotitoli").toBool()) << "remembered";
}

TEST(CaptionStrip, TextGrowsWithTheWindowAndShrinksOnlyWhenTooLongForTwoLines)
{
    const QString shortText = "per ottenere l'output clicca su esperimento";
    const QString longText = QString("presta attenzione, in questo livello si possono presentare "
                                     "schemi di calcolo che forniscono output diversi. ")
                                 .repeated(3);
    CaptionStrip strip;
    strip.resize(769, CaptionStrip::designHeight);
    strip.setText(shortText);
    EXPECT_EQ(strip.textFont().pixelSize(), 16);
    strip.setScale(2);
    strip.resize(769 * 2, strip.height());
    EXPECT_EQ(strip.height(), 2 * CaptionStrip::designHeight);
    EXPECT_EQ(strip.textFont().pixelSize(), 32);
    strip.setText(longText);
    EXPECT_LT(strip.textFont().pixelSize(), 32);
    EXPECT_GE(strip.textFont().pixelSize(), 22);
}

TEST_F(Assistant, SaltaIsOnlyThereWhileHeSpeaksAndEscEndsIt)
{
    // Counts the Esc presses that reach the window itself.
    struct EscWatch : QObject
    {
        int seen = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            seen += event->type() == QEvent::KeyPress
                && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
            return false;
        }
    } watch;
    form.installEventFilter(&watch);
    form.activateWindow();
    QAction* salta = item("salta");
    EXPECT_FALSE(salta->isEnabled());
    press(Qt::Key_Escape);
    EXPECT_EQ(watch.seen, 1) << "while he is quiet Esc belongs to the window";
    merlin.speak("uno");
    merlin.speak("due");
    EXPECT_TRUE(salta->isEnabled());
    press(Qt::Key_Escape);
    EXPECT_TRUE(merlin.queue().idle());
    EXPECT_EQ(watch.seen, 1) << "taken by Salta";
    EXPECT_FALSE(salta->isEnabled());
}

TEST_F(Assistant, VoceTurnsTheSoundOffAndIsRemembered)
{
    merlin.setVoiceOn(true);
    item("voce")->trigger();
    EXPECT_FALSE(merlin.voiceOn());
    EXPECT_FALSE(QSettings().value("assistente/voce").toBool());
    QSettings().setValue("assistente/voce", true);
    form.assistant()->restore();
    EXPECT_TRUE(merlin.voiceOn() && item("voce")->isChecked());
}

} // namespace
} // namespace quorvel
