// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/machine.h"
#include "core/app/random.h"
#include "core/collection/class_follower.h"
#include "platform/file_replace.h"
#include "platform/system_clock.h"
#include "ui/effects/light_pictures.h"
#include "ui/storage/qt_save_dialog.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;

namespace quorvel {

class AssistantControls;
class CaptionStrip;
class ClipPlayerWidget;
class DisplayLabel;
class InfoPanel;
class KeyLabel;
class MachineFace;
class MerlinNarrator;
class NotebookDock;
class OpenPanel;
class PupilPresenter;
class StatusLabel;
class TeacherDesk;
class ViewOptions;

// The game's one window, `MachineForm`: the machine's face with its keys, displays, lights
// and clip, and the menu bar. Every handler hands the work to the core's Machine.
class MachineForm : public QMainWindow, public FaceObserver, public MessageBox
{
    Q_OBJECT
public:
    MachineForm(const QString& programFolder, Speaker& speaker, CharacterService& characters,
        QWidget* parent = nullptr);
    ~MachineForm() override;

    Machine& machine() { return *m_machine; }
    ClipPlayerWidget* shock() const { return m_shock; }
    MachineFace* face() const { return m_face; }
    Keypad typingInto() const { return m_typingInto; }
    OpenPanel* openPanel() const { return m_openPanel; }
    NotebookDock* notebook() const { return m_notebook; }
    CaptionStrip* captions() const { return m_captions; }
    AssistantControls* assistant() const { return m_assistant; }
    PupilPresenter& pupils() const { return *m_pupils; }
    TeacherDesk& desk() const { return *m_desk; }
    ViewOptions* view() const { return m_view; }
    // A saved mechanism to open once the window is up: a file given on the command line.
    void openAtStart(const QString& file) { m_fileAtStart = file; }
    // Opens a saved mechanism by its path, as "apri" does; false, said in a message, when it
    // cannot be opened.
    bool openFile(const QString& file);
    // Puts the wizard on this window's stage, with its captions and its menu items.
    void attachNarrator(MerlinNarrator& merlin);

    // FaceObserver: the core changed a control's text.
    void textChanged(Control control, const std::string& text) override;
    // MessageBox: a modal box with an OK button and the program's title.
    void show(const std::string& text) override;
    using QMainWindow::show;

public slots:
    void onWindowShown();
    void runExperiment();
    void clearFirstInput() { m_machine->clearFirstInput(); }
    void clearSecondInput() { m_machine->clearSecondInput(); }
    void changeOperation() { m_machine->changeOperation(); }
    void changeMechanism() { m_machine->changeMechanism(); }
    void saveCurrentMechanism();
    void showOpenPanel();
    void quit();
    void explainControls() { m_machine->explainControls(); }
    void explainWhatToRemember() { m_machine->explainWhatToRemember(); }
    void showNarrator() { m_machine->showNarrator(); }
    void hideNarrator() { m_machine->hideNarrator(); }
    void showInfoPanel();
    void closeInfoPanel();
    void onLampTick();
    void closeOpenPanel();
    void openSelectedMechanism();
    void dropOpenPanelAt(QPoint twips);
    // "Chi gioca?" and "Collezione", of the giocatore menu.
    void choosePlayer();
    void showCollection();

signals:
    // The window's first picture is on the screen and the machine has been activated.
    void activated();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildFace();
    void buildLights();
    void showLights(const std::array<std::string, 5>& names);
    void buildDisplays();
    void buildPanels();
    void buildKeypads();
    void buildMenu();
    void selectInput(Keypad keypad);
    void buildPupilMenu();
    void startPupils();
    void applyClassRules();
    void showPlayer(const QString& name);
    // The teacher's orders to the class, as this machine follows them.
    void followClassOrder(ClassFollower::Change change);
    // "Fermi tutti!": the face, the menus and the notebook take nothing until "via", and the
    // face says to look at the board; what was typed stays.
    void setStoppedByClass(bool stopped);
    void followWithReader(DisplayLabel* display);
    void fitMenus();
    KeyLabel* addKey(const QString& name, const QString& caption, QRect twips, QColor background,
        QColor text, double fontPixels);

    QString m_programFolder;
    SystemClock m_clock;
    MixingRandom m_random;
    std::optional<LightPictures> m_lightPictures; // read at the first tick
    MachineFace* m_face = nullptr;
    ClipPlayerWidget* m_shock = nullptr;
    std::unique_ptr<Machine> m_machine;
    DisplayLabel* m_firstInput = nullptr;
    DisplayLabel* m_secondInput = nullptr;
    DisplayLabel* m_output = nullptr;
    StatusLabel* m_statusLine = nullptr;
    QLineEdit* m_firstOperand = nullptr;
    QLineEdit* m_secondOperand = nullptr;
    InfoPanel* m_infoPanel = nullptr;
    OpenPanel* m_openPanel = nullptr;
    QString m_fileAtStart;
    std::unique_ptr<QtSaveDialog> m_saveDialog;
    ReplacingFileWriter m_files;
    std::array<QLabel*, 5> m_lights {};
    std::array<std::string, 5> m_lightShown; // the picture each light shows, by name
    std::array<std::array<KeyLabel*, 10>, 2> m_digitKeys {};
    KeyLabel* m_exp = nullptr;
    KeyLabel* m_clearFirstKey = nullptr;
    KeyLabel* m_clearSecondKey = nullptr;
    NotebookDock* m_notebook = nullptr;
    CaptionStrip* m_captions = nullptr;
    AssistantControls* m_assistant = nullptr;
    PupilPresenter* m_pupils = nullptr;
    QWidget* m_stopNotice = nullptr; // "Guardate la lavagna", over the face while stopped
    TeacherDesk* m_desk = nullptr;
    ViewOptions* m_view = nullptr;
    QTimer m_lampTimer;
    Keypad m_typingInto = Keypad::First;
};

} // namespace quorvel
