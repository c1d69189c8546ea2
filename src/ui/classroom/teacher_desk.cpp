// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/classroom/teacher_desk.h"

#include "core/collection/classroom.h"
#include "core/collection/pupil_session.h"
#include "ui/app/common_words.h"
#include "ui/classroom/class_progress.h"
#include "ui/classroom/live_board.h"
#include "ui/classroom/pupils_dialog.h"
#include "ui/classroom/scheme_chooser.h"
#include "ui/pupils/pupil_presenter.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
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

PinDialog::PinDialog(PupilSession& session, bool firstTime, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
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
    m_problem->hide();
    layout->addWidget(m_problem);
    if (!firstTime) {
        auto* forgotten = new QLabel(session.classroom().pinIsFixed()
                ? tr("PIN dimenticato? Questo PIN l'ha messo chi amministra il computer: chiedi a "
                     "lui o a lei.")
                : tr("PIN dimenticato? Chi amministra il computer può metterne uno nuovo: il "
                     "manuale (man quorvel) spiega come, alla voce «PIN dimenticato»."),
            this);
        forgotten->setObjectName("pinDimenticato");
        forgotten->setWordWrap(true);
        layout->addWidget(forgotten);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* enter = buttons->addButton(tr("&Entra"), QDialogButtonBox::AcceptRole);
    enter->setObjectName("entra");
    enter->setDefault(true);
    buttons->addButton(cancelButtonText(), QDialogButtonBox::RejectRole)->setObjectName("annulla");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PinDialog::enter);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Wide enough for its sentences to read in a few whole lines.
    setMinimumWidth(fontMetrics().averageCharWidth() * 52);
}

QString PinDialog::problem() const
{
    return m_problem->text();
}

// The dialog grows to show the whole of what went wrong, above the rest: nothing overlaps.
void PinDialog::showProblem(const QString& text)
{
    m_problem->setText(text);
    m_problem->setVisible(!text.isEmpty());
    adjustSize();
}

void PinDialog::enter()
{
    const std::string pin = m_pin->text().toStdString();
    if (m_firstTime && !wellFormedPin(pin)) {
        showProblem(tr("Il PIN deve avere da 4 a 8 cifre."));
        return;
    }
    if (m_firstTime && m_again->text() != m_pin->text()) {
        showProblem(tr("I due PIN non sono uguali: scrivili di nuovo."));
        m_again->clear();
        m_again->setFocus();
        return;
    }
    Classroom::PinAnswer answer = Classroom::PinAnswer::Wrong;
    try {
        answer = m_session.enterPin(pin);
    } catch (const StoreFault& fault) {
        showProblem(QString::fromStdString(fault.what()));
        return;
    }
    const QString wait = QString::fromStdString(m_session.classroom().waitMessage());
    switch (answer) {
    case Classroom::PinAnswer::FirstSet:
    case Classroom::PinAnswer::Right:
        accept();
        return;
    case Classroom::PinAnswer::Wait:
        showProblem(wait);
        break;
    case Classroom::PinAnswer::Wrong:
    case Classroom::PinAnswer::NotAPin:
        showProblem(m_session.classroom().waitSeconds() > 0 ? tr("PIN sbagliato.") + " " + wait
                                                            : tr("PIN sbagliato."));
        break;
    }
    m_pin->clear();
    m_pin->setFocus();
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
    m_names = new QCheckBox(tr("Gli alunni possono &aggiungere il proprio nome"), this);
    m_names->setObjectName("alunniAggiungono");
    m_names->setChecked(rules.pupilsAddNames);
    layout->addWidget(m_names);
    m_problem = new QLabel(this);
    m_problem->setObjectName("problema");
    layout->addWidget(m_problem);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("&Salva"), QDialogButtonBox::AcceptRole)->setObjectName("salva");
    buttons->addButton(cancelButtonText(), QDialogButtonBox::RejectRole);
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
        adjustSize();
        return;
    }
    rules.reveal = policies[std::max(0, m_reveal->currentIndex())];
    rules.wizardSpeaksAtStart = m_wizard->isChecked();
    rules.pupilsAddNames = m_names->isChecked();
    m_session.setRules(rules);
    accept();
}

TeacherDesk::TeacherDesk(QWidget& window, Machine& machine, PupilPresenter& session)
    : QObject(&window)
    , m_window(window)
    , m_machine(machine)
    , m_session(session)
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(idleMinutes * 60 * 1000);
    connect(&m_idle, &QTimer::timeout, this, &TeacherDesk::close);
    // The next pupil never finds the desk open.
    connect(&session, &PupilPresenter::playerChanged, this, &TeacherDesk::close);
}

void TeacherDesk::close()
{
    if (m_open)
        m_session.session().signOutTeacher(); // the teacher's password is forgotten
    m_open = false;
    m_session.setTeacherLeads(false);
    m_idle.stop();
    if (m_close)
        m_close->setEnabled(false);
}

// Each use of the desk keeps it open for ten minutes more.
void TeacherDesk::used()
{
    m_idle.start();
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
    item(tr("&Alunni..."), "alunni", &TeacherDesk::pupils);
    item(tr("La c&lasse, ora..."), "classeOraMenu", &TeacherDesk::liveBoard);
    menu->addSeparator();
    item(tr("C&ollega alla classe..."), "collegaClasse", &TeacherDesk::joinClass);
    menu->addSeparator();
    m_close = menu->addAction(tr("&Chiudi l'area insegnante"));
    m_close->setObjectName("chiudiInsegnante");
    m_close->setEnabled(m_open);
    connect(m_close, &QAction::triggered, this, &TeacherDesk::close);
}

bool TeacherDesk::unlock()
{
    if (m_open) {
        used();
        return true;
    }
    if (!m_session.open())
        return false;
    if (m_session.session().teacherByPassword())
        return unlockClass();
    bool firstTime = false;
    try {
        firstTime = !m_session.classroom().pinIsSet();
    } catch (const StoreFault&) {
        return false;
    }
    PinDialog pin(m_session.session(), firstTime, &m_window);
    m_open = pin.exec() == QDialog::Accepted;
    if (m_close)
        m_close->setEnabled(m_open);
    if (m_open)
        used();
    return m_open;
}

// In a class on a server, the desk asks for the class's teacher password, which the server
// checks; it is kept only while the desk is open.
bool TeacherDesk::unlockClass()
{
    QString problem;
    for (;;) {
        bool typed = false;
        const QString password = QInputDialog::getText(&m_window, tr("Insegnante"),
            (problem.isEmpty() ? QString() : problem + "\n\n")
                + tr("Scrivi la password dell'insegnante della classe."),
            QLineEdit::Password, QString(), &typed);
        if (!typed)
            return false;
        switch (m_session.session().signInTeacher(password.toStdString())) {
        case TeacherSignIn::Right:
            m_open = true;
            m_session.setTeacherLeads(true); // this machine gives the class's orders
            if (m_close)
                m_close->setEnabled(true);
            used();
            return true;
        case TeacherSignIn::Wrong:
            problem = tr("Password sbagliata.");
            break;
        case TeacherSignIn::Unreachable:
            problem = tr("Il server della classe non risponde: riprova fra poco.");
            break;
        }
    }
}

void TeacherDesk::joinClass()
{
    if (!unlock())
        return;
    bool typed = false;
    const QString line = QInputDialog::getText(&m_window, tr("Collega alla classe"),
        tr("Incolla la riga «classe: ...» che ha scritto quorvel-classe (senza «classe: »)."),
        QLineEdit::Normal, QString(), &typed);
    used();
    if (!typed || line.trimmed().isEmpty())
        return;
    if (const std::optional<QString> problem = m_session.joinClass(line)) {
        QMessageBox::warning(&m_window, tr("Collega alla classe"), *problem);
        return;
    }
    close();
    QMessageBox::information(&m_window, tr("Collega alla classe"),
        tr("Questo computer ora gioca con la classe: i nomi, le collezioni e i quaderni sono "
           "sul server della scuola."));
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
    used();
}

void TeacherDesk::liveBoard()
{
    if (!unlock())
        return;
    if (!m_session.inClass()) {
        QMessageBox::information(&m_window, tr("La classe, ora"),
            tr("La lavagna della classe c'è quando questo computer gioca in una classe sul "
               "server della scuola: prima scegli «Collega alla classe...»."));
        return;
    }
    // While the board is on the screen the desk is in use: it never closes under it.
    m_idle.stop();
    LiveBoard board(m_machine, m_session, &m_window);
    // As large as the menus, which grow with the window: readable on a whiteboard.
    if (const auto* bar = m_window.findChild<QMenuBar*>())
        board.setFont(bar->font());
    board.resize(m_window.width() * 9 / 10, m_window.height() * 9 / 10);
    board.exec();
    used();
}

void TeacherDesk::pupils()
{
    if (!unlock())
        return;
    PupilsDialog dialog(m_session, &m_window);
    dialog.exec();
    used();
}

} // namespace quorvel
