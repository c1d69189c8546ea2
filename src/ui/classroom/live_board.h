// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/collection_store.h"

#include <QDialog>
#include <QTimer>

#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace quorvel {

class Machine;
class PupilPresenter;

// "La classe, ora": the teacher's board in a class on the school's server. One row for each
// pupil playing today (the page they are on, never its rule), kept up to date as their trials
// arrive; the orders that move the whole class together.
class LiveBoard : public QDialog
{
    Q_OBJECT
public:
    LiveBoard(Machine& machine, PupilPresenter& pupils, QWidget* parent = nullptr);

    // Reads the board from the server again.
    void refresh();
    void orderMechanism(); // "Tutta la classe su questo meccanismo..."
    void toggleStop(); // "Fermi tutti!" and "Via!"
    void revealToAll(); // "Rivela a tutti"
    // The current page of the pupil of a row, read only.
    void openRow(int row);

    const std::vector<BoardRow>& rows() const { return m_shown; }

    // How often the times are brought up to date, and the board read should news be lost.
    static constexpr int refreshMs = 10000;

private:
    CollectionStore* store();
    void showRows();
    QString shownName(const BoardRow& row) const;
    void say(const QString& text);
    void showStopped();

    Machine& m_machine;
    PupilPresenter& m_pupils;
    QTableWidget* m_table = nullptr;
    QCheckBox* m_withoutNames = nullptr;
    QCheckBox* m_byProgress = nullptr;
    QPushButton* m_stop = nullptr;
    QLabel* m_status = nullptr;
    std::vector<BoardRow> m_rows; // as the server gave them
    std::vector<BoardRow> m_shown; // in the table's order
    bool m_stopped = false;
    QTimer m_clock;
    QTimer m_soon; // news come in bursts: the board is read once for each
};

} // namespace quorvel
