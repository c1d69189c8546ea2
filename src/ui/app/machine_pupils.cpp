// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's side of the pupils: who plays, their collection, and the class rules in force.
#include "ui/app/machine_face.h"
#include "ui/app/machine_form.h"
#include "ui/notebook/notebook_dock.h"
#include "ui/notebook/notebook_panel.h"
#include "ui/pupils/collection_board.h"
#include "ui/pupils/pupil_chooser.h"
#include "ui/pupils/pupil_presenter.h"

#include <QEvent>
#include <QLabel>
#include <QMenuBar>

#include <algorithm>

namespace quorvel {

void MachineForm::buildPupilMenu()
{
    QMenu* menu = menuBar()->addMenu(tr("&giocatore"));
    menu->setObjectName("menuGiocatore");
    QAction* who = menu->addAction(tr("&Chi gioca?..."));
    who->setObjectName("chiGioca");
    connect(who, &QAction::triggered, this, &MachineForm::choosePlayer);
    QAction* board = menu->addAction(tr("C&ollezione..."));
    board->setObjectName("collezione");
    board->setShortcut(Qt::CTRL | Qt::Key_K);
    connect(board, &QAction::triggered, this, &MachineForm::showCollection);

    connect(m_pupils, &PupilPresenter::playerChanged, this, &MachineForm::showPlayer);
    // The next pupil starts with empty inputs and output, and their own notebook.
    connect(m_pupils, &PupilPresenter::playerChanged, this, [this] {
        m_machine->clearForNextPlayer();
        selectInput(Keypad::First);
    });
    connect(m_pupils, &PupilPresenter::notice, this,
        [this](const QString& text) { m_notebook->announce(text); });
    connect(m_pupils, &PupilPresenter::rulesChanged, this, &MachineForm::applyClassRules);
    connect(m_pupils, &PupilPresenter::classStatus, this, [this](const QString& text) {
        m_machine->setText(Control::StatusLine, text.toStdString());
    });
    // A card that opens during play is said in the notebook, without stopping the game.
    connect(
        m_pupils, &PupilPresenter::cardOpened, this, [this](const QString& rule, bool discovered) {
            // A revealed rule is already written in the notebook: the card is said after it.
            if (discovered) {
                //: %1 is the rule the pupil has just discovered
                m_notebook->announce(tr("Nuova carta nella collezione: %1").arg(rule));
            } else {
                m_notebook->announce(
                    tr("La carta di questa regola è entrata nella collezione."), true);
            }
        });
    connect(m_notebook, &NotebookDock::ruleRevealed, m_pupils, &PupilPresenter::afterReveal);
    connect(m_pupils, &PupilPresenter::classOrderFollowed, this, &MachineForm::followClassOrder);
    m_notebook->setRevealGuard([this] { return m_pupils->revealRefusal(); });
}

// After the welcome: on a computer where pupils were added, they are asked who plays.
void MachineForm::startPupils()
{
    applyClassRules();
    showPlayer(m_pupils->player());
    if (m_pupils->pupils().isEmpty())
        return;
    auto* chooser = new PupilChooser(*m_pupils, this);
    chooser->setFont(menuBar()->font()); // as large as the menus, which grow with the window
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    chooser->open();
}

namespace {

// A notice over the whole of the face, at its size whatever it becomes.
class FaceNotice : public QLabel
{
public:
    FaceNotice(const QString& text, QWidget* face)
        : QLabel(text, face)
    {
        setObjectName("guardateLaLavagna");
        setAlignment(Qt::AlignCenter);
        setWordWrap(true);
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, QColor(20, 30, 70, 225));
        colours.setColor(QPalette::WindowText, Qt::white);
        setPalette(colours);
        setAccessibleName(text);
        face->installEventFilter(this);
        fit();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            fit();
        return QLabel::eventFilter(watched, event);
    }

private:
    void fit()
    {
        const QWidget* face = parentWidget();
        setGeometry(face->rect());
        QFont large = font();
        large.setPixelSize(std::max(18, face->height() / 9));
        large.setBold(true);
        setFont(large);
    }
};

} // namespace

void MachineForm::followClassOrder(ClassFollower::Change change)
{
    switch (change) {
    case ClassFollower::Change::Mechanism:
        selectInput(Keypad::First);
        break;
    case ClassFollower::Change::Stopped:
        setStoppedByClass(true);
        break;
    case ClassFollower::Change::GoesOn:
        setStoppedByClass(false);
        break;
    case ClassFollower::Change::RuleTold:
        // The rule comes in the notebook, as when the pupil asks for it.
        m_notebook->setShown(true);
        if (NotebookPanel* panel = m_notebook->panel()) {
            panel->tellRule();
        } else if (m_machine->revealRule().result == Machine::Reveal::Result::Told) {
            m_pupils->afterReveal();
        }
        break;
    }
}

void MachineForm::setStoppedByClass(bool stopped)
{
    if (stopped && !m_stopNotice) {
        m_stopNotice = new FaceNotice(tr("Guardate la lavagna"), m_face);
        m_stopNotice->show();
        m_stopNotice->raise();
    } else if (!stopped && m_stopNotice) {
        delete m_stopNotice;
        m_stopNotice = nullptr;
    }
    m_face->setEnabled(!stopped);
    menuBar()->setEnabled(!stopped);
    if (NotebookPanel* panel = m_notebook->panel())
        panel->setEnabled(!stopped);
}

void MachineForm::runExperiment()
{
    // A prediction the notebook cannot read stops the experiment, so the pupil can correct it
    // before the pair is tried.
    if (NotebookPanel* notebook = m_notebook->panel();
        notebook && m_notebook->isShown() && !notebook->takePrediction())
        return;
    m_machine->runExperiment();
    m_pupils->afterExperiment();
}

void MachineForm::choosePlayer()
{
    m_pupils->open(); // the pupils to choose from, if it can be opened now
    PupilChooser chooser(*m_pupils, this);
    chooser.setFont(menuBar()->font());
    chooser.exec();
}

void MachineForm::showCollection()
{
    CollectionBoard board(m_pupils->player(), m_pupils->cards(), this);
    board.resize(std::max(board.width(), width()), std::max(board.height(), height() * 4 / 5));
    board.exec();
}

void MachineForm::applyClassRules()
{
    for (int n = 1; n <= Level::count; ++n) {
        const QString name = QString::fromStdString(Level::number(n).name());
        if (auto* item = findChild<QAction*>(name))
            item->setEnabled(m_pupils->classroom().levelAllowed(Level::number(n)));
    }
}

void MachineForm::showPlayer(const QString& name)
{
    m_notebook->setOwner(m_pupils->isGuest() ? QString() : name);
    // The guest keeps the program's own title.
    if (m_pupils->isGuest()) {
        setWindowTitle("Quorvel");
        return;
    }
    //: %1 is the name of the pupil who plays
    setWindowTitle(tr("Quorvel - gioca %1").arg(name));
}

} // namespace quorvel
