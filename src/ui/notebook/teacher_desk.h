// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/level.h"

#include <QDialog>
#include <QObject>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QWidget;

namespace quorvel {

class Classroom;
class Machine;
class PupilPresenter;

// The teacher's PIN, asked before the desk opens: set with a confirmation the first time,
// checked afterwards. The digits are never shown.
class PinDialog : public QDialog
{
    Q_OBJECT
public:
    PinDialog(Classroom& classroom, bool firstTime, QWidget* parent = nullptr);

    QString problem() const;
    void enter(); // "Entra"

private:
    Classroom& m_classroom;
    bool m_firstTime;
    QLineEdit* m_pin = nullptr;
    QLineEdit* m_again = nullptr;
    QLabel* m_problem = nullptr;
};

// "Regole della classe": the levels the pupils may choose, when "Rivela la regola" may tell the
// rule, and whether the wizard speaks at start.
class ClassRulesDialog : public QDialog
{
    Q_OBJECT
public:
    ClassRulesDialog(PupilPresenter& session, QWidget* parent = nullptr);

    void keep(); // "Salva"

private:
    PupilPresenter& m_session;
    std::array<QCheckBox*, Level::count> m_levels {};
    QComboBox* m_reveal = nullptr;
    QCheckBox* m_wizard = nullptr;
    QLabel* m_problem = nullptr;
};

// The teacher's desk: the "insegnante" menu, open for the rest of the session once the PIN
// was given.
class TeacherDesk : public QObject
{
    Q_OBJECT
public:
    TeacherDesk(QWidget& window, Machine& machine, PupilPresenter& session);

    void addMenu(QMenuBar& bar);
    // Asks the PIN unless it was given already; whether the desk is open.
    bool unlock();
    bool isOpen() const { return m_open; }

    void chooseScheme(); // "Scegli il meccanismo"
    void classRules(); // "Regole della classe"
    void classProgress(); // "Progressi della classe"

private:
    QWidget& m_window;
    Machine& m_machine;
    PupilPresenter& m_session;
    bool m_open = false;
};

} // namespace quorvel
