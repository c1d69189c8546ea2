// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's keyboard: the digits type into the framed input, which the pupil chooses with
// Tab, a click on a display or a click on a keypad.
#include "ui/app/display_label.h"
#include "ui/app/face_access.h"
#include "ui/app/info_panel.h"
#include "ui/app/key_label.h"
#include "ui/app/machine_face.h"
#include "ui/app/machine_form.h"
#include "ui/notebook/notebook_dock.h"
#include "ui/notebook/notebook_panel.h"
#include "ui/pupils/pupil_presenter.h"

#include <QApplication>
#include <QKeyEvent>

namespace quorvel {

void MachineForm::selectInput(Keypad keypad)
{
    m_typingInto = keypad;
    m_firstInput->setSelected(keypad == Keypad::First);
    m_secondInput->setSelected(keypad == Keypad::Second);
    followWithReader(keypad == Keypad::First ? m_firstInput : m_secondInput);
}

// With a screen reader the focus follows what the pupil's last action changed: the framed input
// while typing, the output after an experiment. The reader reads the focused control and its
// changes as they come; the keys still reach the window. A field of the notebook or the open
// panel keeps the focus it has.
void MachineForm::followWithReader(DisplayLabel* display)
{
    if (!isReaderListening())
        return;
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus != this && focus != m_firstInput && focus != m_secondInput
        && focus != m_output)
        return;
    display->setFocus();
}

// Tab switches the machine's inputs; inside the notebook it moves between its fields.
bool MachineForm::focusNextPrevChild(bool next)
{
    const QWidget* panel = m_notebook->panel();
    if (panel && panel->isAncestorOf(QApplication::focusWidget()))
        return QMainWindow::focusNextPrevChild(next);
    return false;
}

// The keys of the framed input: digits, Backspace for its last digit, Delete and Escape for
// its "Canc" (Escape closes the information panel first); Tab to the other input, Return for
// "esperimento". F3 and F4 press the two command keys that have no other way from the keyboard,
// "Operazioni" and "cambia meccanismo".
void MachineForm::keyPressEvent(QKeyEvent* event)
{
    if (m_pupils->stoppedByClass())
        return; // the teacher has stopped the class: nothing is typed until "via"
    const int pad = m_typingInto == Keypad::First ? 0 : 1;
    const int key = event->key();
    const bool held = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && !held) {
        m_digitKeys[pad][key - Qt::Key_0]->flash();
        m_machine->pressDigit(m_typingInto, key - Qt::Key_0);
    } else if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        selectInput(pad == 0 ? Keypad::Second : Keypad::First);
    } else if (key == Qt::Key_Backspace) {
        m_machine->eraseLastDigit(m_typingInto);
    } else if (key == Qt::Key_Escape && m_infoPanel->isVisible()) {
        closeInfoPanel(); // the information panel has no other way to close from the keyboard
    } else if (key == Qt::Key_Delete || key == Qt::Key_Escape) {
        (pad == 0 ? m_clearFirstKey : m_clearSecondKey)->flash();
        pad == 0 ? clearFirstInput() : clearSecondInput();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        m_exp->flash();
        runExperiment();
    } else if (key == Qt::Key_F3 || key == Qt::Key_F4) {
        m_face->findChild<KeyLabel*>(key == Qt::Key_F3 ? "ingr" : "cmb")->press();
    } else {
        QMainWindow::keyPressEvent(event);
    }
}

} // namespace quorvel
