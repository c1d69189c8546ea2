// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/classroom/pupils_dialog.h"

#include "core/collection/pupil_session.h"
#include "ui/pupils/pupil_presenter.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

namespace quorvel {

PupilsDialog::PupilsDialog(PupilPresenter& pupils, QWidget* parent)
    : QDialog(parent)
    , m_pupils(pupils)
{
    setObjectName("alunniClasse");
    setWindowTitle(tr("Alunni"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Gli alunni di questo computer:"), this));
    m_list = new QListWidget(this);
    m_list->setObjectName("elencoAlunni");
    layout->addWidget(m_list, 1);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("&Nome:"), this);
    m_name = new QLineEdit(this);
    m_name->setObjectName("nome");
    label->setBuddy(m_name);
    row->addWidget(label);
    row->addWidget(m_name, 1);
    layout->addLayout(row);
    m_problem = new QLabel(this);
    m_problem->setObjectName("problema");
    m_problem->setWordWrap(true);
    layout->addWidget(m_problem);
    auto* buttons = new QDialogButtonBox(this);
    const auto button = [&](const QString& text, const char* name, void (PupilsDialog::*act)()) {
        QPushButton* b = buttons->addButton(text, QDialogButtonBox::ActionRole);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, act);
    };
    button(tr("A&ggiungi"), "aggiungi", &PupilsDialog::add);
    button(tr("&Rinomina"), "rinomina", &PupilsDialog::rename);
    button(tr("&Cancella..."), "cancella", &PupilsDialog::remove);
    buttons->addButton(tr("C&hiudi"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    refill({});
}

QString PupilsDialog::problem() const
{
    return m_problem->text();
}

void PupilsDialog::refill(const QString& chosen)
{
    m_list->clear();
    m_list->addItems(m_pupils.pupils());
    const auto found = m_list->findItems(chosen, Qt::MatchFixedString);
    if (!found.isEmpty())
        m_list->setCurrentItem(found.front());
}

void PupilsDialog::add()
{
    const PupilSession::Added added
        = m_pupils.session().addPupil(m_name->text().toStdString(), true);
    m_problem->setText(added.problem ? QString::fromStdString(*added.problem) : QString());
    if (added.problem)
        return;
    m_name->clear();
    refill(QString::fromStdString(added.name));
}

void PupilsDialog::rename()
{
    if (!m_list->currentItem()) {
        m_problem->setText(tr("Scegli un nome dall'elenco."));
        return;
    }
    const QString name = m_list->currentItem()->text();
    const auto problem
        = m_pupils.session().renamePupil(name.toStdString(), m_name->text().toStdString());
    m_problem->setText(problem ? QString::fromStdString(*problem) : QString());
    if (problem)
        return;
    const QString now = QString::fromStdString(tidyPupilName(m_name->text().toStdString()));
    m_name->clear();
    refill(now);
    if (m_pupils.player() == now)
        emit m_pupils.playerChanged(now);
}

QString PupilsDialog::deleteQuestion(const QString& name, int cards, int trials)
{
    const QString cardsText = cards == 1 ? tr("la sua carta della collezione")
                                         : tr("le sue %1 carte della collezione").arg(cards);
    const QString trialsText = trials == 1 ? tr("il suo quaderno con 1 prova")
                                           : tr("il suo quaderno con %1 prove").arg(trials);
    //: %1 is the pupil's name; %2 and %3 what is lost ("le sue 5 carte...", "il suo quaderno...")
    return tr("Vuoi davvero cancellare %1? Si perdono per sempre %2 e %3.")
        .arg(name, cards == 0 ? tr("la collezione (ancora vuota)") : cardsText, trialsText);
}

void PupilsDialog::remove()
{
    if (!m_list->currentItem()) {
        m_problem->setText(tr("Scegli un nome dall'elenco."));
        return;
    }
    const QString name = m_list->currentItem()->text();
    int cards = 0;
    int trials = 0;
    if (CollectionStore* store = m_pupils.session().store()) {
        try {
            cards = static_cast<int>(store->cards(name.toStdString()).size());
            for (const Page& page : store->notebook(name.toStdString()))
                trials += static_cast<int>(page.trials.size());
        } catch (const StoreFault&) {
        }
    }
    const auto answer = QMessageBox::question(this, tr("Alunni"),
        deleteQuestion(name, cards, trials), QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    const bool playing = !m_pupils.isGuest() && m_pupils.player() == name;
    const auto problem = m_pupils.session().deletePupil(name.toStdString());
    m_problem->setText(problem ? QString::fromStdString(*problem) : QString());
    refill({});
    if (!problem && playing)
        emit m_pupils.playerChanged(m_pupils.player());
}

} // namespace quorvel
