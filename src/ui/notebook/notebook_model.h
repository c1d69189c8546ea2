// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/notebook/notebook.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

namespace quorvel {

// One page of the notebook as a table: trial, first and second input, output, the prediction
// and its outcome, and the hypothesis's value where one was checked.
class NotebookModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        TrialColumn,
        FirstColumn,
        SecondColumn,
        OutputColumn,
        PredictionColumn,
        HypothesisColumn,
        ColumnCount
    };

    NotebookModel(const Notebook& notebook, char decimalSeparator, QObject* parent = nullptr);

    // Shows a page (an index into the notebook's pages); -1 for none.
    void showPage(int index);
    int pageIndex() const { return m_page; }
    // The notebook changed: rows added to the page shown, or the whole page again.
    void refresh();
    // Colours the rows by a hypothesis checked on the page shown; nothing clears them.
    void setHypothesis(std::optional<HypothesisCheck> check);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A number as the output display writes it.
    QString shown(double number) const;

private:
    const Page* page() const;

    const Notebook& m_notebook;
    char m_separator;
    int m_page = -1;
    int m_rows = 0;
    std::optional<HypothesisCheck> m_check;
    std::vector<const TrialCheck*> m_checkOfRow; // the check's result for each row, if any
};

} // namespace quorvel
