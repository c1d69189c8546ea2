// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window offscreen wired to recording fakes, and the ways a pupil reaches it: clicks where
// a control is seen, keys through the window, menu items, modal windows answered.
#include "fakes/fakes.h"
#include "ui/app/machine_face.h"
#include "ui/app/machine_form.h"
#include "ui/notebook/notebook_dock.h"
#include "ui/notebook/notebook_panel.h"
#include "ui/pupils/pupil_presenter.h"

#include <QtTest/QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

namespace quorvel::testing {

inline const QString programFolder = QStringLiteral(QUORVEL_TEST_DATA "/../../assets");

// The fakes a window is built on.
struct Fakes
{
    Recorder recorder;
    FakeSpeaker speaker { recorder };
    FakeCharacterService characters { recorder };
};

// Types both inputs, then a prediction, and presses Enter in the notebook's prediction field:
// the experiment runs. Gives the output shown.
inline QString tryPair(MachineForm& form, const QString& prediction, const std::string& first,
    const std::string& second)
{
    Machine& m = form.machine();
    m.clearFirstInput();
    m.clearSecondInput();
    m.typeDigits(Keypad::First, first);
    m.typeDigits(Keypad::Second, second);
    QLineEdit& field = form.notebook()->panel()->predictionField();
    QTest::keyClicks(&field, prediction);
    QTest::keyClick(&field, Qt::Key_Return);
    return QString::fromStdString(m.text(Control::Output));
}

inline void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    QMouseEvent event(
        type, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton, held, {});
    QApplication::sendEvent(target, &event);
}

// Runs `action`; a modal window it raises is handed to `answer` (which must close it) from
// inside its own loop, or rejected when there is no `answer`. Gives its title, then the text of
// a message box, or "" when no modal window came up.
inline QString answeringModal(
    const std::function<void()>& action, const std::function<void(QDialog&)>& answer = {})
{
    QString seen;
    QTimer::singleShot(0, [&] {
        if (auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            auto* box = qobject_cast<QMessageBox*>(window);
            seen = window->windowTitle() + (box ? ": " + box->text() : QString());
            answer ? answer(*window) : window->reject();
        }
    });
    action();
    QCoreApplication::processEvents(); // a timer that found no modal window is spent here
    return seen;
}

// Runs an action, closing every modal window that comes up meanwhile, however late; gives what
// each said, one line each.
inline QStringList closingEveryModal(const std::function<void()>& action)
{
    QStringList seen;
    QTimer look;
    look.setInterval(20);
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            auto* box = qobject_cast<QMessageBox*>(window);
            seen << (box ? box->text() : window->windowTitle());
            window->reject();
        }
    });
    look.start();
    action();
    return seen;
}

// A data folder of the test's own, in place before any window looks for it, so that the
// pupils and collections a test adds stay in it.
struct DataHome
{
    DataHome() { qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit()); }
    ~DataHome() { qputenv("XDG_DATA_HOME", before); }
    DataHome(const DataHome&) = delete;
    DataHome& operator=(const DataHome&) = delete;
    std::filesystem::path database() const
    {
        return std::filesystem::path(PupilPresenter::folder().toStdString());
    }
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    QTemporaryDir dir;
};

// A documents folder of its own for each test, where saving and opening start afresh: the
// tests' settings folder (XDG_CONFIG_HOME, a temporary one) names it in user-dirs.dirs, as a
// desktop does, and the folder remembered by an earlier test is forgotten.
class TemporaryDocuments
{
public:
    TemporaryDocuments()
    {
        QDir(m_folder.path()).mkpath("Documenti");
        QFile dirs(qEnvironmentVariable("XDG_CONFIG_HOME") + "/user-dirs.dirs");
        if (dirs.open(QIODevice::WriteOnly))
            dirs.write("XDG_DOCUMENTS_DIR=\"" + m_folder.path().toUtf8() + "/Documenti\"\n");
        QSettings().remove("meccanismi/cartella");
    }
    QString path() const { return m_folder.path() + "/Documenti"; }

private:
    QTemporaryDir m_folder;
};

class Window : public ::testing::Test, protected Fakes
{
protected:
    TemporaryDocuments documents;
    MachineForm form { programFolder, speaker, characters };

    template <class T = QWidget> T* control(const QString& name)
    {
        T* found = form.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QString text(const QString& name) { return control<QLabel>(name)->text(); }
    QString inputs() { return text("primoNumero") + "/" + text("secondoNumero"); }
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

} // namespace quorvel::testing
