// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/machine_form.h"

#include "core/notebook/notebook_words.h"
#include "core/storage/mechanism_commands.h"
#include "ui/app/assistant_controls.h"
#include "ui/app/caption_strip.h"
#include "ui/app/display_label.h"
#include "ui/app/face_access.h"
#include "ui/app/info_panel.h"
#include "ui/app/key_label.h"
#include "ui/app/machine_face.h"
#include "ui/app/status_label.h"
#include "ui/app/view_options.h"
#include "ui/classroom/teacher_desk.h"
#include "ui/effects/clip_player.h"
#include "ui/narrator/narrator_service.h"
#include "ui/notebook/notebook_dock.h"
#include "ui/notebook/notebook_panel.h"
#include "ui/pupils/pupil_presenter.h"
#include "ui/storage/mechanism_folder.h"
#include "ui/storage/open_panel.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmapCache>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace quorvel {
namespace {

const QColor keyBlue("#0000C0");
const QColor keyRed("#C00000");
const QColor digitRed("#FF0000");
const QColor displayCyan("#C0FFFF");

const char* const digitNames[]
    = { "zero", "uno", "due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove" };
// The keys of the keypads as a screen reader names them: "7, primo numero".
//: %1 is the digit on the key
const char* const digitKeyNames[] = { QT_TRANSLATE_NOOP("quorvel::MachineForm", "%1, primo numero"),
    //: %1 is the digit on the key
    QT_TRANSLATE_NOOP("quorvel::MachineForm", "%1, secondo numero") };
const char* const clearKeyNames[]
    = { QT_TRANSLATE_NOOP("quorvel::MachineForm", "Canc, primo numero"),
          QT_TRANSLATE_NOOP("quorvel::MachineForm", "Canc, secondo numero") };

} // namespace

MachineForm::MachineForm(
    const QString& programFolder, Speaker& speaker, CharacterService& characters, QWidget* parent)
    : QMainWindow(parent)
    , m_programFolder(programFolder)
    , m_random(freshSeed())
{
    setObjectName("MachineForm");
    // Qt's style and icons keep drawn pieces in a shared cache of 10 MiB by default, filled
    // anew at every size the window takes: it went on growing through a whole lesson at 2 MiB
    // too. The game draws its own face, and what the menus, the notebook and the dialogs draw
    // at one size fits in 1 MiB.
    QPixmapCache::setCacheLimit(1024);
    setWindowTitle("Quorvel");
    installFaceAccessibility();
    // The face, and beside it the notebook when it is open.
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_face = new MachineFace(central);
    // What the wizard says is written out below the face.
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    column->addWidget(m_face, 1);
    m_captions = new CaptionStrip(central);
    column->addWidget(m_captions);
    row->addLayout(column, 1);
    setCentralWidget(central);
    m_assistant = new AssistantControls(*this, *m_face, *m_captions);
    if (auto* service = dynamic_cast<NarratorService*>(&characters))
        service->setLoadedHandler([this](MerlinNarrator& merlin) { attachNarrator(merlin); });
    // A click on the face takes the keyboard back from the notebook's fields.
    m_face->setFocusPolicy(Qt::ClickFocus);
    m_face->setFocusProxy(this);
    m_face->setAccessibleName(tr("La macchina"));
    // The activation follows the window's first appearance, once the pupil can see it: the
    // wizard, the voice and the clip then start without holding the first picture back.
    connect(m_face, &MachineFace::firstPainted, this, &MachineForm::onWindowShown,
        Qt::QueuedConnection);
    m_shock = new ClipPlayerWidget(programFolder, m_face);
    m_shock->setObjectName("shock");
    markDecorative(m_shock);
    m_face->layout().add(m_shock, { 3000, 240, 5775, 4215 });

    m_machine = std::make_unique<Machine>(
        Ports { speaker, *m_shock, characters, *this, m_clock, m_random },
        QLocale().decimalPoint().at(0).toLatin1());
    m_machine->setObserver(this);
    m_notebook = new NotebookDock(*this, *row, *m_machine, *this);
    connect(m_notebook, &NotebookDock::experimentRequested, this, &MachineForm::runExperiment);
    m_pupils = new PupilPresenter(*m_machine, m_clock, *this, [this](const QString& question) {
        return QMessageBox::question(
                   this, "Quorvel", question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
            == QMessageBox::Yes;
    });
    m_desk = new TeacherDesk(*this, *m_machine, *m_pupils);

    buildFace();
    buildKeypads();
    m_view = new ViewOptions(*this, *m_face, *m_captions, *m_notebook);
    buildMenu();
    m_view->restore(); // before the first picture, which then has the pupil's look
    connect(m_view, &ViewOptions::largeTextChanged, this, &MachineForm::fitMenus);
    selectInput(Keypad::First);
    setFocusPolicy(Qt::StrongFocus);

    m_lampTimer.setInterval(500);
    connect(&m_lampTimer, &QTimer::timeout, this, &MachineForm::onLampTick);
    m_lampTimer.start();
}

MachineForm::~MachineForm()
{
    m_pupils->finish(); // what could not be kept is said
    // It watches this window, which goes on sending events (its hiding) after its own parts
    // are gone.
    delete m_assistant;
    m_machine->setObserver(nullptr);
    // The notebook's panel watches the machine's notebook: it goes before the machine does.
    delete m_notebook->panel();
}

KeyLabel* MachineForm::addKey(const QString& name, const QString& caption, QRect twips,
    QColor background, QColor text, double fontPixels)
{
    auto* key = new KeyLabel(caption, background, text, m_face);
    key->setObjectName(name);
    m_face->layout().add(key, twips, fontPixels, true);
    return key;
}

void MachineForm::buildFace()
{
    buildLights();
    buildDisplays();
    m_exp = addKey("exp", tr("esperimento"), { 8880, 5160, 2655, 375 }, keyRed, Qt::white, 15);
    auto* ingr = addKey("ingr", tr("Operazioni"), { 8880, 6240, 2655, 375 }, keyRed, Qt::white, 15);
    auto* cmb = addKey("cmb", tr("cambia meccanismo di calcolo"), { 8880, 7200, 2655, 375 }, keyRed,
        Qt::white, 15);
    // A screen reader tells the pupil which key of the keyboard does the same.
    m_exp->setAccessibleDescription(tr("Si preme anche con il tasto Invio."));
    ingr->setAccessibleDescription(tr("Si preme anche con il tasto F3."));
    cmb->setAccessibleDescription(tr("Si preme anche con il tasto F4."));
    connect(m_exp, &KeyLabel::clicked, this, &MachineForm::runExperiment);
    connect(ingr, &KeyLabel::clicked, this, &MachineForm::changeOperation);
    connect(cmb, &KeyLabel::clicked, this, &MachineForm::changeMechanism);
    buildPanels();
    m_saveDialog = std::make_unique<QtSaveDialog>(this);
}

void MachineForm::buildLights()
{
    for (int i = 0; i < 5; ++i) {
        m_lights[i] = new QLabel(m_face);
        m_lights[i]->setObjectName(QString("Picture%1").arg(i + 1));
        m_lights[i]->setAlignment(Qt::AlignCenter);
        markDecorative(m_lights[i]);
        // The four lamps of the rail fill their square with the rail's own colour: a blink then
        // repaints the lamp alone, not the face behind it. The fifth sits where panels meet.
        if (i < 4) {
            QPalette palette = m_lights[i]->palette();
            palette.setColor(QPalette::Window, MachineFace::railColour());
            m_lights[i]->setPalette(palette);
            m_lights[i]->setAutoFillBackground(true);
        }
        const QRect twips
            = i < 4 ? QRect(1440, 1200 + 1200 * i, 615, 615) : QRect(5565, 4920, 615, 615);
        m_face->layout().add(m_lights[i], twips);
    }
}

// The two inputs, the output, the status line, and the hidden copies the mechanisms read.
void MachineForm::buildDisplays()
{
    auto display = [this](const char* name, const QString& text, QRect twips) {
        auto* label = new DisplayLabel(text, displayCyan, keyRed, m_face);
        label->setObjectName(name);
        m_face->layout().add(label, twips, 40, true);
        return label;
    };
    m_firstInput = display("primoNumero", "in", { 3720, 4680, 1455, 1335 });
    m_secondInput = display("secondoNumero", "in", { 6600, 4680, 1455, 1335 });
    m_output = display("uscita", "out", { 9720, 1440, 1455, 1335 });
    m_firstInput->setAccessibleName(QString::fromStdString(quantityName(Quantity::First)));
    m_secondInput->setAccessibleName(QString::fromStdString(quantityName(Quantity::Second)));
    m_output->setAccessibleName(QString::fromStdString(quantityName(Quantity::Output)));
    connect(m_firstInput, &DisplayLabel::clicked, this, [this] { selectInput(Keypad::First); });
    connect(m_secondInput, &DisplayLabel::clicked, this, [this] { selectInput(Keypad::Second); });

    // A one-line strip 2 px below the second Canc key, with room down to the face's edge for a
    // long status.
    m_statusLine = new StatusLabel(690, 345, m_face);
    m_statusLine->setObjectName("rigaStato");
    colourLabel(m_statusLine, QColor("#000080"), QColor("#D8E0FF"));
    m_statusLine->setAutoFillBackground(false); // the label grounds only its lines
    m_face->layout().add(m_statusLine, { 5295, 7230, 3540, 690 }, 13, true);

    // The copies the mechanisms read: they exist, but the pupil does not see them.
    m_firstOperand
        = new QLineEdit(QString::fromStdString(m_machine->text(Control::FirstOperand)), m_face);
    m_secondOperand
        = new QLineEdit(QString::fromStdString(m_machine->text(Control::SecondOperand)), m_face);
    m_firstOperand->setObjectName("primoOperando");
    m_secondOperand->setObjectName("secondoOperando");
    m_firstOperand->hide();
    m_secondOperand->hide();
    markDecorative(m_firstOperand);
    markDecorative(m_secondOperand);
}

// The information panel and the open panel, both over the clip and hidden until asked for.
void MachineForm::buildPanels()
{
    m_infoPanel = new InfoPanel(m_programFolder, m_face);
    m_face->layout().add(m_infoPanel, { 3000, 240, 5775, 4215 });
    m_infoPanel->hide();
    connect(m_infoPanel->closeKey(), &KeyLabel::clicked, this, &MachineForm::closeInfoPanel);

    m_openPanel = new OpenPanel(m_face);
    m_face->layout().add(m_openPanel, { 3000, 240, 5775, 4215 });
    m_openPanel->hide();
    connect(m_openPanel, &OpenPanel::closeRequested, this, &MachineForm::closeOpenPanel);
    connect(m_openPanel, &OpenPanel::openRequested, this, &MachineForm::openSelectedMechanism);
    connect(m_openPanel, &OpenPanel::driveNotReady, this,
        [this] { show(tr("periferica non  disponibile").toStdString()); });
    m_openPanel->setDropBounds([this] {
        QRect area({}, MachineFace::designSize.scaled(m_face->size(), Qt::KeepAspectRatio));
        area.moveCenter(m_face->rect().center());
        area.setRight(m_face->stageArea().left() - 1); // the panel stays on the machine
        return area;
    });
    connect(m_openPanel, &OpenPanel::droppedAt, this, [this](QPoint global) {
        const QPoint point = m_face->mapFromGlobal(global);
        // Only the window's own surface takes a drop; a drop onto a control does nothing.
        if (m_face->rect().contains(point) && !m_face->childAt(point))
            dropOpenPanelAt(m_face->toTwips(point));
    });
}

void MachineForm::buildKeypads()
{
    for (int pad = 0; pad < 2; ++pad) {
        const int left = pad == 0 ? 3240 : 6120;
        const Keypad keypad = pad == 0 ? Keypad::First : Keypad::Second;
        for (int digit = 0; digit < 10; ++digit) {
            const QString name = QString(digitNames[digit]) + (pad == 0 ? "" : "2");
            const QRect twips(left + 480 * (digit % 5), digit < 5 ? 6120 : 6480, 495, 375);
            KeyLabel* key = addKey(name, QString::number(digit), twips, keyBlue, digitRed, 17);
            key->setAccessibleName(tr(digitKeyNames[pad]).arg(digit));
            connect(key, &KeyLabel::clicked, this, [this, keypad, digit] {
                selectInput(keypad);
                m_machine->pressDigit(keypad, digit);
            });
            m_digitKeys[pad][digit] = key;
        }
    }
    m_clearFirstKey
        = addKey("cancellaPrimo", tr("Canc"), { 3240, 6840, 2415, 375 }, keyBlue, keyRed, 15);
    m_clearSecondKey
        = addKey("cancellaSecondo", tr("Canc"), { 6120, 6840, 2415, 375 }, keyBlue, keyRed, 15);
    m_clearFirstKey->setAccessibleName(tr(clearKeyNames[0]));
    m_clearSecondKey->setAccessibleName(tr(clearKeyNames[1]));
    connect(m_clearFirstKey, &KeyLabel::clicked, this, [this] {
        selectInput(Keypad::First);
        clearFirstInput();
    });
    connect(m_clearSecondKey, &KeyLabel::clicked, this, [this] {
        selectInput(Keypad::Second);
        clearSecondInput();
    });
}

void MachineForm::textChanged(Control control, const std::string& text)
{
    const QString t = QString::fromStdString(text);
    switch (control) {
    case Control::FirstInput:
    case Control::SecondInput:
        (control == Control::FirstInput ? m_firstInput : m_secondInput)->showText(t);
        return followWithReader(m_typingInto == Keypad::First ? m_firstInput : m_secondInput);
    case Control::Output:
        m_output->showText(t);
        m_output->repaint(); // cleared and filled within one handler: let the pupil see the blink
        if (!t.isEmpty())
            followWithReader(m_output);
        return;
    case Control::StatusLine:
        return m_statusLine->setStatus(t);
    case Control::FirstOperand:
        return m_firstOperand->setText(t);
    case Control::SecondOperand:
        return m_secondOperand->setText(t);
    }
}

void MachineForm::show(const std::string& text)
{
    QMessageBox box(
        QMessageBox::NoIcon, "Quorvel", QString::fromStdString(text), QMessageBox::Ok, this);
    box.exec();
}

void MachineForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The lamps' pictures are made for the lights' size: once the face is laid out anew, the
    // lights show theirs at the new size.
    QTimer::singleShot(0, this, [this] {
        if (m_lightPictures)
            showLights(m_lightShown);
    });
    fitMenus();
}

void MachineForm::onWindowShown()
{
    // The first picture is painted; this makes sure it has reached the screen before the
    // modules of the voice and the notebook load.
    QGuiApplication::sync();
    // Labels above shapes holds by construction: the shapes are painted by the face itself.
    m_assistant->restore(); // before the welcome, which may be muted
    // The pupils' database opens now that the window is on the screen.
    m_pupils->open();
    m_machine->setWelcomeOn(m_pupils->rules().wizardSpeaksAtStart);
    m_machine->start();
    m_notebook->restore();
    startPupils();
    if (!m_fileAtStart.isEmpty())
        openFile(std::exchange(m_fileAtStart, QString()));
    emit activated();
}

void MachineForm::attachNarrator(MerlinNarrator& merlin)
{
    m_assistant->attach(merlin);
}

void MachineForm::showInfoPanel()
{
    m_infoPanel->show();
    m_infoPanel->raise();
}
void MachineForm::closeInfoPanel()
{
    m_infoPanel->hide();
}
void MachineForm::saveCurrentMechanism()
{
    if (const auto saved = saveMechanism(*m_machine, *m_saveDialog, m_files))
        //: %1 is the file the mechanism was saved in
        m_notebook->announce(
            tr("Ho salvato il meccanismo in «%1».")
                .arg(QDir::toNativeSeparators(QString::fromStdU16String(saved->u16string()))));
    // Saving and opening share the folder: the open panel shows the file just saved.
    if (!m_saveDialog->chosenFolder().isEmpty())
        m_openPanel->setFolder(m_saveDialog->chosenFolder());
}

// The panel opens on the folder last saved in or opened from, with the keyboard in its list.
void MachineForm::showOpenPanel()
{
    if (m_openPanel->isHidden())
        m_openPanel->setFolder(MechanismFolder::forOpening());
    m_openPanel->show();
    m_openPanel->raise();
    m_openPanel->fileList()->setFocus();
}

void MachineForm::closeOpenPanel()
{
    // The keyboard comes back to the machine's inputs.
    if (m_openPanel->isAncestorOf(QApplication::focusWidget()))
        setFocus();
    m_openPanel->hide();
}

void MachineForm::openSelectedMechanism()
{
    const std::string name = m_openPanel->selectedName().toStdString();
    if (!openMechanism(*m_machine, std::filesystem::path(m_openPanel->folder().toStdWString()),
            name, [this](Level level) { return m_pupils->classroom().levelAllowed(level); }))
        return;
    MechanismFolder::remember(m_openPanel->folder());
    closeOpenPanel();
}

bool MachineForm::openFile(const QString& file)
{
    const QFileInfo info(file);
    if (!openMechanismFile(*m_machine,
            std::filesystem::path(info.absoluteFilePath().toStdWString()),
            [this](Level level) { return m_pupils->classroom().levelAllowed(level); }))
        return false;
    // The open panel starts where the file was, as after opening from it.
    MechanismFolder::remember(info.absolutePath());
    return true;
}

// The open panel's centre lands on the drop point, as near as it can with the whole panel on
// the machine's face, which the window shows at every size.
void MachineForm::dropOpenPanelAt(QPoint twips)
{
    const QSize face = MachineFace::machineSize * ScaledLayout::twipsPerPixel;
    QRect frame = m_face->layout().twipsOf(m_openPanel);
    frame.moveTo(std::clamp(twips.x() - frame.width() / 2, 0, face.width() - frame.width()),
        std::clamp(twips.y() - frame.height() / 2, 0, face.height() - frame.height()));
    m_face->layout().move(m_openPanel, frame);
    m_face->relayout();
}

void MachineForm::quit()
{
    // Ends at once, whatever is playing or speaking.
    QApplication::exit(0);
}

void MachineForm::onLampTick()
{
    if (!m_lightPictures)
        m_lightPictures.emplace(m_programFolder);
    // The pictures of the five lights in each phase of the blinking.
    if (m_machine->onLampTick() == LightPhase::First)
        showLights({ "luce1.gif", "luce3.gif", "luce2.gif", "luce4.gif", "luce3.gif" });
    else
        showLights({ "luce2.gif", "luce4.gif", "luce3.gif", "luce1.gif", "luce2.gif" });
}

void MachineForm::showLights(const std::array<std::string, 5>& names)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        // A light that keeps its picture at its size is not repainted; a missing picture leaves
        // it as it was.
        QLabel* light = m_lights[i];
        if (names[i] == m_lightShown[i] && light->pixmap().size() == light->size())
            continue;
        if (const QPixmap* picture = m_lightPictures->picture(names[i], light->size())) {
            light->setPixmap(*picture);
            m_lightShown[i] = names[i];
        }
    }
}

} // namespace quorvel
