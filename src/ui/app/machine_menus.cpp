// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's menu bar: the game's own menus, then the notebook's, the pupils', the teacher's
// desk and the view's, each added by its owner.
#include "ui/app/assistant_controls.h"
#include "ui/app/machine_face.h"
#include "ui/app/machine_form.h"
#include "ui/app/view_options.h"
#include "ui/classroom/teacher_desk.h"
#include "ui/notebook/notebook_dock.h"
#include "ui/pupils/pupil_presenter.h"

#include <QMenuBar>

#include <algorithm>

namespace quorvel {

void MachineForm::buildMenu()
{
    QMenuBar* bar = menuBar();
    // In Italian every item shows its own name; the "&" only marks the letter that picks it
    // from the keyboard. No shortcut is a plain key: the digits type into the machine.
    auto item = [this](QMenu* menu, const char* name, const QString& text,
                    void (MachineForm::*slot)(), const QKeySequence& keys = {}) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
    };
    QMenu* file = bar->addMenu(tr("&File"));
    item(file, "salvameccanismo", tr("&salvameccanismo"), &MachineForm::saveCurrentMechanism,
        Qt::CTRL | Qt::Key_S);
    item(file, "aprimeccanismo", tr("&aprimeccanismo"), &MachineForm::showOpenPanel,
        Qt::CTRL | Qt::Key_O);
    item(file, "esci", tr("&esci"), &MachineForm::quit, Qt::CTRL | Qt::Key_Q);
    QMenu* livello = bar->addMenu(tr("&livello"));
    for (int n = 1; n <= Level::count; ++n) {
        const QString name = QString::fromStdString(Level::number(n).name());
        //: %1 is the level's number, 1 to 5; "&" before it picks the item from the keyboard
        QAction* action = livello->addAction(tr("livello&%1").arg(n));
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, n] {
            if (!m_pupils->classroom().levelAllowed(Level::number(n)))
                return;
            m_machine->chooseLevel(n);
            m_pupils->keepNotebook();
        });
    }
    QMenu* istruzioni = bar->addMenu(tr("&istruzioni"));
    item(istruzioni, "controlli", tr("&controlli"), &MachineForm::explainControls, Qt::Key_F1);
    item(istruzioni, "da_ricordare", tr("&da_ricordare"), &MachineForm::explainWhatToRemember);
    QMenu* assistente = bar->addMenu(tr("&assistente"));
    item(assistente, "mostra", tr("&mostra"), &MachineForm::showNarrator);
    item(assistente, "nascondi", tr("&nascondi"), &MachineForm::hideNarrator);
    m_assistant->addMenuItems(*assistente);
    m_notebook->addMenu(*bar);
    buildPupilMenu();
    m_desk->addMenu(*bar);
    m_view->addMenu(*bar);
    QAction* informazioni = bar->addAction(tr("i&nformazioni"));
    informazioni->setObjectName("informazioni");
    connect(informazioni, &QAction::triggered, this, &MachineForm::showInfoPanel);
}

// The menus grow with the face, so they stay readable on a classroom whiteboard, and with the
// large text the pupil may ask for.
void MachineForm::fitMenus()
{
    const double scale
        = std::min(static_cast<double>(m_face->width()) / MachineFace::designSize.width(),
            static_cast<double>(m_face->height()) / MachineFace::designSize.height());
    const double larger = m_view && m_view->largeText() ? ViewOptions::largeTextScale : 1.0;
    QFont f = menuBar()->font();
    f.setPixelSize(std::max(12, static_cast<int>(13 * scale * larger)));
    menuBar()->setFont(f);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        menu->setFont(f);
}

} // namespace quorvel
