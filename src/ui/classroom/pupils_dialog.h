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

// "Alunni", at the teacher's desk: the class's names, added (also when the pupils may not add
// their own), renamed, or deleted with all they hold after a question that says what is lost.
class PupilsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PupilsDialog(PupilPresenter& pupils, QWidget* parent = nullptr);

    QListWidget& list() { return *m_list; }
    QLineEdit& nameField() { return *m_name; }
    QString problem() const;

    void add(); // "Aggiungi" the name typed
    void rename(); // the chosen pupil takes the name typed
    void remove(); // the chosen pupil is deleted, after a question

    // The question asked before a pupil is deleted, naming what is lost.
    static QString deleteQuestion(const QString& name, int cards, int trials);

private:
    void refill(const QString& chosen);

    PupilPresenter& m_pupils;
    QListWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
    QLabel* m_problem = nullptr;
};

} // namespace quorvel
