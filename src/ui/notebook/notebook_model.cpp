// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/notebook/notebook_model.h"

#include "core/notebook/notebook_words.h"
#include "core/values/number_text.h"
#include "core/values/value.h"

#include <QBrush>
#include <QColor>

namespace quorvel {
namespace {

const QColor agreeing("#D8F5D0");
const QColor disagreeing("#FAD4D0");

} // namespace

NotebookModel::NotebookModel(const Notebook& notebook, char decimalSeparator, QObject* parent)
    : QAbstractTableModel(parent)
    , m_notebook(notebook)
    , m_separator(decimalSeparator)
{
}

const Page* NotebookModel::page() const
{
    const auto& pages = m_notebook.pages();
    return m_page >= 0 && m_page < static_cast<int>(pages.size()) ? &pages[m_page] : nullptr;
}

void NotebookModel::showPage(int index)
{
    beginResetModel();
    m_page = index;
    m_rows = page() ? static_cast<int>(page()->trials.size()) : 0;
    m_check.reset();
    m_checkOfRow.clear();
    endResetModel();
}

void NotebookModel::refresh()
{
    const int rows = page() ? static_cast<int>(page()->trials.size()) : 0;
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
        // A new trial makes an earlier check out of date.
        if (m_check)
            setHypothesis(std::nullopt);
    } else if (rows != m_rows) {
        showPage(m_page);
    }
}

// A check lists only the trials where the machine showed a number: each is found by its
// trial's number, which is its row's.
void NotebookModel::setHypothesis(std::optional<HypothesisCheck> check)
{
    m_check = std::move(check);
    m_checkOfRow.assign(m_check ? static_cast<std::size_t>(m_rows) : 0, nullptr);
    if (m_check)
        for (const TrialCheck& c : m_check->trials)
            if (c.trial >= 1 && c.trial <= m_rows)
                m_checkOfRow[static_cast<std::size_t>(c.trial - 1)] = &c;
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, ColumnCount - 1));
}

int NotebookModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int NotebookModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString NotebookModel::shown(double number) const
{
    return QString::fromStdString(formatNumber(number, 15, m_separator));
}

QVariant NotebookModel::data(const QModelIndex& index, int role) const
{
    const Page* p = page();
    if (!p || index.row() >= static_cast<int>(p->trials.size()))
        return {};
    const Trial& t = p->trials[static_cast<std::size_t>(index.row())];
    const TrialCheck* check = index.row() < static_cast<int>(m_checkOfRow.size())
        ? m_checkOfRow[static_cast<std::size_t>(index.row())]
        : nullptr;
    if (role == Qt::BackgroundRole && check)
        return QBrush(check->agrees ? agreeing : disagreeing);
    // Dark words on the light green and red, whatever the palette's words (white in the high
    // contrast).
    if (role == Qt::ForegroundRole && check)
        return QBrush(Qt::black);
    if (role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignCenter);
    // The marks in words, for a tooltip and for a screen reader.
    if ((role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
        && index.column() == PredictionColumn && t.prediction)
        return QString::fromStdString(*t.prediction + ", " + outcomeWord(t.predictionRight));
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
    case TrialColumn:
        return t.number;
    case FirstColumn:
        return shown(t.a);
    case SecondColumn:
        return shown(t.b);
    case OutputColumn:
        return QString::fromStdString(t.output);
    case PredictionColumn:
        if (!t.prediction)
            return {};
        return QString::fromStdString(*t.prediction)
            + (t.predictionRight ? QStringLiteral(" ✓") : QStringLiteral(" ✗"));
    case HypothesisColumn:
        if (!check)
            return {};
        return check->value ? shown(*check->value) : QStringLiteral("????");
    default:
        return {};
    }
}

QVariant NotebookModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    // The inputs' headings are short, for the table's width.
    switch (section) {
    case TrialColumn:
        return QString::fromStdString(columnHeading(NotebookColumn::Trial));
    case FirstColumn:
        return tr("Primo");
    case SecondColumn:
        return tr("Secondo");
    case OutputColumn:
        return QString::fromStdString(columnHeading(NotebookColumn::Output));
    case PredictionColumn:
        return QString::fromStdString(columnHeading(NotebookColumn::Prediction));
    case HypothesisColumn:
        return tr("Formula");
    default:
        return {};
    }
}

} // namespace quorvel
