// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>
#include <vector>

class QStandardItemModel;
class QLabel;
class QTableView;

namespace quorvel {

class CollectionStore;

// One line of the class's progress: a pupil and a mechanism they discovered or revealed, or a
// pupil alone, who has no card yet.
struct ProgressRow
{
    QString pupil;
    int level = 0; // 0 for a pupil with no card
    int mechanism = 0;
    QString rule;
    QString way; // "scoperta" or "rivelata", in the language in use
    QString date; // dd/mm/yyyy
    int trials = 0;
};

// Every pupil of the store with their cards, in the order the pupils were added.
std::vector<ProgressRow> classProgressRows(CollectionStore& store);

// The rows, under headings in the language in use, as a table for a spreadsheet set to Italian:
// UTF-8 with its byte-order mark, ";" between fields, lines ended by CR LF.
std::string progressCsv(const std::vector<ProgressRow>& rows);

// "Progressi della classe": the table, and its export as a spreadsheet's table.
class ClassProgress : public QDialog
{
    Q_OBJECT
public:
    ClassProgress(CollectionStore& store, QWidget* parent = nullptr);

    QTableView& table() { return *m_table; }
    // Writes the table to `path`; false, after saying why, when it cannot.
    bool exportCsv(const QString& path);

private:
    void askExportCsv();

    std::vector<ProgressRow> m_rows;
    QStandardItemModel* m_model = nullptr;
    QLabel* m_said = nullptr;
    QTableView* m_table = nullptr;
};

} // namespace quorvel
