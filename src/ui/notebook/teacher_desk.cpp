// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/notebook/teacher_desk.h"

#include "core/collection/classroom.h"
#include "ui/notebook/class_progress.h"
#include "ui/notebook/pupil_presenter.h"
#include "ui/notebook/scheme_chooser.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace quorvel {
namespace {

QLineEdit* pinField(const char* name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setEchoMode(QLineEdit::Password);
    field->setMaxLength(8);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field));
    return field;
}

const RevealPolicy policies[] = { RevealPolicy::Always, RevealPolicy::AfterTenTrials,
    RevealPolicy::AfterDiscovery, RevealPolicy::Never };

} // namespace

PinDialog::PinDialog(Classroom& classroom, bool firstTime, QWidget* parent)
    : QDialog(parent)
    , m_classroom(classroom)
    , m_firstTime(firstTime)
{
    setObjectName("pinInsegnante");
    setWindowTitle(tr("Insegnante"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(firstTime
            ? tr("Scegli il PIN dell'insegnante: da 4 a 8 cifre. Servirà ogni volta per entrare.")
            : tr("Scrivi il PIN dell'insegnante."),
        this));
    auto* form = new QFormLayout;
    m_pin = pinField("pin", this);
    form->addRow(tr("&PIN:"), m_pin);
    if (firstTime) {
        m_again = pinField("ripetiPin", this);
        form->addRow(tr("&Ripeti il PIN:"), m_again);
    }
    layout->addLayout(form);
    m_problem = new QLabel(this);
    m_problem->setObjectName("problema");
    m_problem->setWordWrap(true);
    layout->addWidget(m_problem);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* enter = buttons->addButton(tr("&Entra"), QDialogButtonBox::AcceptRole);
    enter->setObjectName("entra");
    enter->setDefault(true);
    buttons->addButton(tr("&Annulla"), QDialogButtonBox::RejectRole)->setObjectName("annulla");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PinDialog::enter);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString PinDialog::problem() const
{
    return m_problem->text();
}

void PinDialog::enter()
{
    const std::string pin = m_pin->text().toStdString();
    if (m_firstTime && !wellFormedPin(pin)) {
        m_problem->setText(tr("Il PIN deve avere da 4 a 8 cifre."));
        return;
    }
    if (m_firstTime && m_again->text() != m_pin->text()) {
        m_problem->setText(tr("I due PIN non sono uguali: scrivili di nuovo."));
        m_again->clear();
        m_again->setFocus();
        return;
    }
    Classroom::PinAnswer answer = Classroom::PinAnswer::Wrong;
    try {
        answer = m_classroom.enterPin(pin);
    } catch (const StoreFault& fault) {
        m_problem->setText(QString::fromStdString(fault.what()));
        return;
    }
    switch (answer) {
    case Classroom::PinAnswer::FirstSet:
    case Classroom::PinAnswer::Right:
        accept();
        return;
    case Classroom::PinAnswer::Wrong:
    case Classroom::PinAnswer::NotAPin:
        m_problem->setText(tr("PIN sbagliato."));
        m_pin->clear();
        m_pin->setFocus();
        return;
    }
}

ClassRulesDialog::ClassRulesDialog(PupilPresenter& session, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName("regoleClasse");
    setWindowTitle(tr("Regole della classe"));
    const ClassRules& rules = session.rules();
    auto* layout = new QVBoxLayout(this);
    auto* levels = new QGroupBox(tr("Livelli che gli alunni possono scegliere"), this);
    auto* levelRow = new QHBoxLayout(levels);
    for (std::size_t n = 0; n < m_levels.size(); ++n) {
        m_levels[n] = new QCheckBox(tr("Livello &%1").arg(n + 1), levels);
        m_levels[n]->setObjectName(QString("livelloPermesso%1").arg(n + 1));
        m_levels[n]->setChecked(rules.levels[n]);
        levelRow->addWidget(m_levels[n]);
    }
    layout->addWidget(levels);
    auto* form = new QFormLayout;
    m_reveal = new QComboBox(this);
    m_reveal->setObjectName("quandoRivelare");
    m_reveal->addItems({ tr("sempre"), tr("dopo 10 prove"), tr("dopo la scoperta"), tr("mai") });
    for (int i = 0; i < 4; ++i)
        if (policies[i] == rules.reveal)
            m_reveal->setCurrentIndex(i);
    form->addRow(tr("«&Rivela la regola» si può usare:"), m_reveal);
    layout->addLayout(form);
    m_wizard = new QCheckBox(tr("Il &mago parla all'avvio"), this);
    m_wizard->setObjectName("magoParla");
    m_wizard->setChecked(rules.wizardSpeaksAtStart);
    layout->addWidget(m_wizard);
    m_problem = new QLabel(this);
    m_problem->setObjectName("problema");
    layout->addWidget(m_problem);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("&Salva"), QDialogButtonBox::AcceptRole)->setObjectName("salva");
    buttons->addButton(tr("&Annulla"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ClassRulesDialog::keep);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ClassRulesDialog::keep()
{
    ClassRules rules;
    bool any = false;
    for (std::size_t n = 0; n < m_levels.size(); ++n) {
        rules.levels[n] = m_levels[n]->isChecked();
        any = any || m_levels[n]->isChecked();
    }
    if (!any) {
        m_problem->setText(tr("Lascia almeno un livello, altrimenti non si può giocare."));
        return;
    }
    rules.reveal = policies[std::max(0, m_reveal->currentIndex())];
    rules.wizardSpeaksAtStart = m_wizard->isChecked();
    m_session.setRules(rules);
    accept();
}

TeacherDesk::TeacherDesk(QWidget& window, Machine& machine, PupilPresenter& session)
    : QObject(&window)
    , m_window(window)
    , m_machine(machine)
    , m_session(session)
{
}

void TeacherDesk::addMenu(QMenuBar& bar)
{
    QMenu* menu = bar.addMenu(tr("ins&egnante"));
    menu->setObjectName("menuInsegnante");
    auto item = [&](const QString& text, const char* name, void (TeacherDesk::*slot)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
    };
    item(tr("&Scegli il meccanismo..."), "scegliMeccanismo", &TeacherDesk::chooseScheme);
    item(tr("&Regole della classe..."), "regoleClasse", &TeacherDesk::classRules);
    item(tr("&Progressi della classe..."), "progressiClasse", &TeacherDesk::classProgress);
}

bool TeacherDesk::unlock()
{
    if (m_open)
        return true;
    if (!m_session.open())
        return false;
    CollectionStore* store = m_session.session().store();
    bool firstTime = false;
    try {
        firstTime = !store->pinHash();
    } catch (const StoreFault&) {
        return false;
    }
    PinDialog pin(m_session.classroom(), firstTime, &m_window);
    m_open = pin.exec() == QDialog::Accepted;
    return m_open;
}

void TeacherDesk::chooseScheme()
{
    if (!unlock())
        return;
    SchemeChooser chooser(m_machine, &m_window);
    if (chooser.exec() == QDialog::Accepted)
        m_session.keepNotebook();
}

void TeacherDesk::classRules()
{
    if (!unlock())
        return;
    ClassRulesDialog dialog(m_session, &m_window);
    dialog.exec();
}

void TeacherDesk::classProgress()
{
    if (!unlock())
        return;
    ClassProgress progress(*m_session.session().store(), &m_window);
    progress.exec();
}

} // namespace quorvel
