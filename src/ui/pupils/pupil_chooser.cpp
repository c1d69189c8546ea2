// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pupils/pupil_chooser.h"

#include "ui/pupils/pupil_presenter.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace quorvel {

PupilChooser::PupilChooser(PupilPresenter& session, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName("chiGioca");
    setWindowTitle(tr("Chi gioca?"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(tr("Scegli il tuo nome e premi «Gioca»."), this);
    layout->addWidget(title);
    m_list = new QListWidget(this);
    m_list->setObjectName("alunni");
    m_list->addItems(session.pupils());
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->text() == session.player())
            m_list->setCurrentRow(i);
    if (m_list->currentRow() < 0 && m_list->count() > 0)
        m_list->setCurrentRow(0);
    title->setBuddy(m_list);
    layout->addWidget(m_list, 1);
    connect(m_list, &QListWidget::itemActivated, this, &PupilChooser::play);

    auto* addRow = new QHBoxLayout;
    auto* nameLabel = new QLabel(tr("&Nuovo nome:"), this);
    m_name = new QLineEdit(this);
    m_name->setObjectName("nome");
    m_name->setMaxLength(40);
    nameLabel->setBuddy(m_name);
    auto* add = new QPushButton(tr("&Aggiungi"), this);
    add->setObjectName("aggiungi");
    add->setAutoDefault(false);
    addRow->addWidget(nameLabel);
    addRow->addWidget(m_name, 1);
    addRow->addWidget(add);
    layout->addLayout(addRow);
    connect(add, &QPushButton::clicked, this, &PupilChooser::add);
    connect(m_name, &QLineEdit::returnPressed, this, &PupilChooser::add);
    // Where the teacher adds the names, the pupil only chooses one.
    if (!session.rules().pupilsAddNames) {
        for (QWidget* w : { static_cast<QWidget*>(nameLabel), static_cast<QWidget*>(m_name),
                 static_cast<QWidget*>(add) })
            w->hide();
        auto* ask
            = new QLabel(tr("Se il tuo nome non c'è, chiedi all'insegnante di aggiungerlo."), this);
        ask->setObjectName("chiediNome");
        ask->setWordWrap(true);
        layout->addWidget(ask);
    }

    m_problem = new QLabel(this);
    m_problem->setObjectName("problema");
    m_problem->setWordWrap(true);
    layout->addWidget(m_problem);

    auto* buttons = new QHBoxLayout;
    auto* guest = new QPushButton(tr("&Ospite (non tiene nulla)"), this);
    guest->setObjectName("ospite");
    guest->setAutoDefault(false);
    auto* play = new QPushButton(tr("&Gioca"), this);
    play->setObjectName("gioca");
    play->setDefault(true);
    buttons->addWidget(guest);
    buttons->addStretch();
    buttons->addWidget(play);
    layout->addLayout(buttons);
    connect(guest, &QPushButton::clicked, this, &PupilChooser::playAsGuest);
    connect(play, &QPushButton::clicked, this, &PupilChooser::play);

    if (m_list->count() == 0)
        m_name->setFocus();
    else
        m_list->setFocus();
}

QString PupilChooser::problem() const
{
    return m_problem->text();
}

void PupilChooser::add()
{
    QString why;
    const std::optional<QString> added = m_session.addPupil(m_name->text(), why);
    if (!added) {
        m_problem->setText(why);
        m_name->setFocus();
        return;
    }
    const QString name = *added;
    m_problem->clear();
    m_name->clear();
    // The list shows the pupils as the store keeps them, the new one chosen.
    m_list->clear();
    m_list->addItems(m_session.pupils());
    const auto found = m_list->findItems(name, Qt::MatchFixedString);
    if (!found.isEmpty())
        m_list->setCurrentItem(found.front());
    m_list->setFocus();
}

void PupilChooser::play()
{
    if (!m_list->currentItem()) {
        m_problem->setText(tr("Scegli un nome dall'elenco, oppure aggiungi il tuo."));
        return;
    }
    m_session.choose(m_list->currentItem()->text());
    accept();
}

void PupilChooser::playAsGuest()
{
    m_session.choose(QString::fromUtf8(guestName));
    accept();
}

} // namespace quorvel
