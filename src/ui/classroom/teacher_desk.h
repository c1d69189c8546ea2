// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/app/level.h"

#include <QDialog>
#include <QObject>
#include <QTimer>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QWidget;

namespace quorvel {

class Machine;
class PupilPresenter;
class PupilSession;

// The teacher's PIN, asked before the desk opens: set with a confirmation the first time,
// checked afterwards. The digits are never shown. After wrong PINs it says how long to wait,
// and where to look when the PIN is forgotten.
class PinDialog : public QDialog
{
    Q_OBJECT
public:
    PinDialog(PupilSession& session, bool firstTime, QWidget* parent = nullptr);

    QString problem() const;
    void enter(); // "Entra"

private:
    void showProblem(const QString& text);

    PupilSession& m_session;
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
    QCheckBox* m_names = nullptr;
    QLabel* m_problem = nullptr;
};

// The teacher's desk: the "insegnante" menu. Once the PIN is given it stays open until the
// teacher closes it, the player changes or it is left unused for ten minutes: the next pupil
// at a lab's computer never finds it open.
class TeacherDesk : public QObject
{
    Q_OBJECT
public:
    TeacherDesk(QWidget& window, Machine& machine, PupilPresenter& session);

    void addMenu(QMenuBar& bar);
    // Asks the PIN unless it was given already; whether the desk is open.
    bool unlock();
    bool isOpen() const { return m_open; }
    void close(); // "Chiudi l'area insegnante"

    void chooseScheme(); // "Scegli il meccanismo"
    void classRules(); // "Regole della classe"
    void classProgress(); // "Progressi della classe"
    void pupils(); // "Alunni": renaming and deleting
    void joinClass(); // "Collega alla classe...": this computer plays in a class on a server
    void liveBoard(); // "La classe, ora...": the class as it plays, and the orders to it

    static constexpr int idleMinutes = 10;
    // How long the desk stays open unused (ten minutes; shorter only in the tests).
    void setIdleTime(int milliseconds) { m_idle.setInterval(milliseconds); }

private:
    void used();
    bool unlockClass();

    QWidget& m_window;
    Machine& m_machine;
    PupilPresenter& m_session;
    bool m_open = false;
    QAction* m_close = nullptr;
    QTimer m_idle;
};

} // namespace quorvel
