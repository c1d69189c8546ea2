// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

namespace quorvel {

class PupilPresenter;

// "Chi gioca?": the pupils of this computer to choose from, a field to add a new one, and the
// guest ("Ospite"), who plays without keeping anything.
class PupilChooser : public QDialog
{
    Q_OBJECT
public:
    explicit PupilChooser(PupilPresenter& session, QWidget* parent = nullptr);

    QListWidget& list() { return *m_list; }
    QLineEdit& nameField() { return *m_name; }
    QString problem() const;

    void add(); // "Aggiungi"
    void play(); // "Gioca", with the pupil chosen in the list
    void playAsGuest(); // "Ospite"

private:
    PupilPresenter& m_session;
    QListWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
    QLabel* m_problem = nullptr;
};

} // namespace quorvel
