#pragma once

// The window under test, wired to recording fakes, with the pupil's ways of using it: clicks
// where a control is seen, keys as the platform delivers them, menu items.
#include "ui/app/machine_face.h"
#include "ui/app/machine_form.h"
#include "fakes/fakes.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace quorvel {

inline const QString programFolder = QStringLiteral(QUORVEL_TEST_DATA "/../../assets");

class MachineFormTest : public ::testing::Test
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
    void trigger(const char* item) { control<QAction>(item)->trigger(); }
    long count(const std::string& line)
    {
        return std::count(recorder.log.begin(), recorder.log.end(), line);
    }

    // Shows the window and sizes it so that the machine's face gets exactly `face` pixels.
    void showWithFace(QSize face)
    {
        form.show();
        QCoreApplication::processEvents();
        // The menu bar's font follows the scale, which changes its height: settle in a few steps.
        for (int i = 0; i < 5 && form.face()->size() != face; ++i) {
            form.resize(form.size() + face - form.face()->size());
            QCoreApplication::processEvents();
        }
        ASSERT_EQ(form.face()->size(), face);
        // The first picture, then the activation that follows it.
        form.face()->repaint();
        QCoreApplication::processEvents();
    }

    // A click where the pupil sees the control, so it must also be the topmost thing there.
    void clickOn(const QString& name)
    {
        QWidget* target = control(name);
        const QPoint centre = target->mapTo(form.face(), target->rect().center());
        ASSERT_EQ(form.face()->childAt(centre), target) << name.toStdString() << " is covered";
        sendClick(target, target->rect().center());
    }

    static void sendClick(QWidget* target, QPoint at)
    {
        const QPointF local(at), global(target->mapToGlobal(at));
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
            Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
            Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }

    // Through the window, as the platform delivers keys, to whatever has the focus.
    void press(int key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(form.windowHandle(), &event);
    }
};

} // namespace quorvel
