// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The wizard and his balloon never cover a control: every scene played through, at the window
// sizes of a school's screens, with the notebook open and closed, with and without the large
// text and the captions.
#include "core/narrator/scenes.h"
#include "fakes/fakes.h"
#include "ui/app/assistant_controls.h"
#include "ui/app/caption_strip.h"
#include "ui/app/machine_face.h"
#include "ui/app/machine_form.h"
#include "ui/app/view_options.h"
#include "ui/narrator/character_window.h"
#include "ui/narrator/merlin_narrator.h"
#include "ui/narrator/speech_balloon.h"
#include "ui/notebook/notebook_dock.h"
#include "ui/notebook/notebook_panel.h"
#include "window_test.h"

#include <QtWidgets>

#include <gtest/gtest.h>

#include <functional>

namespace quorvel {
namespace {

struct ScreenSetup
{
    QSize window; // the window's size: its natural size on 1366 x 768, maximised on 1920 x 1080
    bool notebook;
    bool largeText;
    bool captions;
};

std::string describe(const ScreenSetup& s)
{
    return std::to_string(s.window.width()) + "x" + std::to_string(s.window.height())
        + (s.notebook ? ", notebook" : "") + (s.largeText ? ", large text" : "")
        + (s.captions ? ", captions" : ", balloon");
}

// Every control a pupil may need while the wizard speaks, on the screen.
std::vector<std::pair<QString, QRect>> controls(MachineForm& form)
{
    std::vector<std::pair<QString, QRect>> found;
    const auto add = [&](QWidget* w) {
        if (w && w->isVisible())
            found.emplace_back(
                w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName(),
                QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
    };
    for (QWidget* w : form.face()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->objectName() != "shock" && !w->objectName().startsWith("Picture"))
            add(w);
    add(form.menuBar());
    add(form.captions());
    if (NotebookPanel* panel = form.notebook()->panel(); panel && panel->isVisible())
        for (QWidget* w : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            add(w);
    return found;
}

class WizardOverlap : public ::testing::TestWithParam<ScreenSetup>, protected testing::Fakes
{
protected:
    void SetUp() override { QSettings().clear(); }
};

TEST_P(WizardOverlap, NeitherTheWizardNorHisBalloonCoversAControlInAnyScene)
{
    const ScreenSetup setup = GetParam();
    SCOPED_TRACE(describe(setup));
    MachineForm form { testing::programFolder, speaker, characters };
    MerlinNarrator merlin { nullptr, false };
    form.move(30, 20);
    form.show();
    QCoreApplication::processEvents();
    form.attachNarrator(merlin);
    form.notebook()->setShown(setup.notebook);
    form.view()->setLargeText(setup.largeText);
    form.findChild<QAction*>("sottotitoli")->setChecked(setup.captions);
    form.resize(setup.window);
    QCoreApplication::processEvents();
    form.assistant()->updateStage();

    const std::vector<std::function<void()>> scenes = {
        [&] { sceneWelcome(merlin); },
        [&] { sceneLevelChosen(merlin, Level::number(4)); },
        [&] { sceneFirstOutput(merlin); },
        [&] { sceneControlli(merlin); },
        [&] { sceneDaRicordare(merlin); },
        [&] { sceneOpenedMechanism(merlin, "la macchina della quinta B"); },
        [&] { sceneDiscovery(merlin); },
    };
    const auto onScreen = controls(form);
    ASSERT_GE(onScreen.size(), 30u);
    int looked = 0;
    QPoint rest;
    for (std::size_t s = 0; s < scenes.size(); ++s) {
        scenes[s]();
        for (int step = 0; step < 3000 && !merlin.queue().idle(); ++step) {
            merlin.advance(100);
            QRect wizard = merlin.window().isVisible() ? merlin.window().geometry() : QRect();
            QRect balloon = merlin.balloon().isVisible() ? merlin.balloon().geometry() : QRect();
            for (const auto& [name, rect] : onScreen) {
                ASSERT_FALSE(wizard.intersects(rect))
                    << "scene " << s << ": the wizard covers " << name.toStdString();
                ASSERT_FALSE(balloon.intersects(rect))
                    << "scene " << s << ": the balloon covers " << name.toStdString();
            }
            looked += wizard.isValid() ? 1 : 0;
            // One text to read: the balloon steps aside while the captions write the words.
            if (setup.captions) {
                ASSERT_FALSE(merlin.balloon().isVisible());
            } else {
                EXPECT_EQ(merlin.balloon().isVisible(), merlin.balloonShown());
            }
        }
        EXPECT_TRUE(merlin.queue().idle());
        // Over, he is back at his place at rest, where the welcome left him.
        if (s == 0) {
            rest = merlin.window().pos();
        } else if (merlin.isShown()) {
            EXPECT_EQ(merlin.window().pos(), rest) << "scene " << s;
        }
    }
    EXPECT_GT(looked, 100);
}

INSTANTIATE_TEST_SUITE_P(Screens, WizardOverlap,
    ::testing::Values(ScreenSetup { { 1366, 700 }, true, false, true },
        ScreenSetup { { 1366, 700 }, true, false, false },
        ScreenSetup { { 1366, 700 }, true, true, false },
        ScreenSetup { { 1366, 700 }, false, false, false },
        ScreenSetup { { 1366, 700 }, false, true, true },
        ScreenSetup { { 1920, 1010 }, true, false, false },
        ScreenSetup { { 1920, 1010 }, true, true, true },
        ScreenSetup { { 1920, 1010 }, false, true, false },
        ScreenSetup { { 1920, 1010 }, false, false, true }));

} // namespace
} // namespace quorvel
