// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/classroom/class_progress.h"

#include "core/app/dates.h"
#include "core/notebook/notebook_words.h"
#include "core/ports/collection_store.h"
#include "core/storage/csv_table.h"
#include "platform/file_replace.h"
#include "ui/app/common_words.h"
#include "ui/storage/mechanism_folder.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace quorvel {
namespace {

QString text(const char* source)
{
    return QCoreApplication::translate("quorvel::ClassProgress", source);
}

// The table's headings, in the table and in its export.
QStringList headers()
{
    return { text(QT_TRANSLATE_NOOP("quorvel::ClassProgress", "Alunno")),
        QString::fromStdString(columnHeading(NotebookColumn::Level)),
        text(QT_TRANSLATE_NOOP("quorvel::ClassProgress", "Meccanismo")),
        QString::fromStdString(ruleHeading()),
        text(QT_TRANSLATE_NOOP("quorvel::ClassProgress", "Come")),
        text(QT_TRANSLATE_NOOP("quorvel::ClassProgress", "Data")),
        text(QT_TRANSLATE_NOOP("quorvel::ClassProgress", "Prove")) };
}

QStringList fields(const ProgressRow& row)
{
    if (row.mechanism == 0)
        return { row.pupil, "", "", "", "", "", "" };
    return { row.pupil, QString::number(row.level), QString::number(row.mechanism), row.rule,
        row.way, row.date, QString::number(row.trials) };
}

} // namespace

std::vector<ProgressRow> classProgressRows(CollectionStore& store)
{
    std::vector<ProgressRow> rows;
    for (const std::string& pupil : store.profiles()) {
        const QString name = QString::fromStdString(pupil);
        const std::vector<Card> cards = store.cards(pupil);
        if (cards.empty()) {
            ProgressRow alone;
            alone.pupil = name;
            rows.push_back(alone);
        }
        for (const Card& card : cards)
            rows.push_back({ name, card.level.number(), card.mechanism,
                QString::fromStdString(card.description),
                QString::fromStdString(
                    card.way == CardWay::Discovered ? discoveredWord() : revealedWord()),
                QString::fromStdString(shortDate(card.date)), card.trials });
    }
    return rows;
}

std::string progressCsv(const std::vector<ProgressRow>& rows)
{
    CsvTable table;
    const auto line = [&](const QStringList& values) {
        std::vector<std::string> fields;
        for (const QString& value : values)
            fields.push_back(value.toStdString());
        table.addRow(fields);
    };
    line(headers());
    for (const ProgressRow& row : rows)
        line(fields(row));
    return table.text();
}

ClassProgress::ClassProgress(CollectionStore& store, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("progressiClasse");
    setWindowTitle(tr("Progressi della classe"));
    try {
        m_rows = classProgressRows(store);
    } catch (const StoreFault& fault) {
        QMessageBox::warning(this, "Quorvel", QString::fromStdString(fault.what()));
    }
    const QStringList titles = headers();
    m_model = new QStandardItemModel(static_cast<int>(m_rows.size()), titles.size(), this);
    m_model->setHorizontalHeaderLabels(titles);
    for (int r = 0; r < static_cast<int>(m_rows.size()); ++r) {
        const QStringList values = fields(m_rows[static_cast<std::size_t>(r)]);
        for (int c = 0; c < values.size(); ++c)
            m_model->setItem(r, c, new QStandardItem(values[c]));
    }
    auto* layout = new QVBoxLayout(this);
    m_table = new QTableView(this);
    m_table->setObjectName("tabellaProgressi");
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setStretchLastSection(false);
    m_table->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    m_table->verticalHeader()->hide();
    m_table->setWordWrap(true);
    layout->addWidget(m_table, 1);
    m_said = new QLabel(this); // where the last export went
    m_said->setObjectName("esportato");
    m_said->setWordWrap(true);
    m_said->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_said);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* csv = buttons->addButton(tr("&Esporta CSV..."), QDialogButtonBox::ActionRole);
    csv->setObjectName("esportaProgressi");
    buttons->addButton(closeButtonText(), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(csv, &QPushButton::clicked, this, &ClassProgress::askExportCsv);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(1000, 560);
}

bool ClassProgress::exportCsv(const QString& path)
{
    const std::error_code problem
        = replaceFile(std::filesystem::path(path.toStdU16String()), progressCsv(m_rows));
    if (!problem) {
        MechanismFolder::rememberExport(path);
        //: %1 is the file written
        m_said->setText(
            tr("Ho esportato i progressi in «%1».").arg(QDir::toNativeSeparators(path)));
        return true;
    }
    //: %1 is the file, %2 why it could not be written
    QMessageBox::warning(this, "Quorvel",
        tr("I progressi non sono stati esportati in «%1»: %2.")
            .arg(path, QString::fromStdString(reasonFor(problem))));
    return false;
}

void ClassProgress::askExportCsv()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Esporta i progressi della classe"),
        QDir(MechanismFolder::forExporting()).filePath("progressi.csv"), csvFilesFilter());
    if (!path.isEmpty())
        exportCsv(path.endsWith(".csv", Qt::CaseInsensitive) ? path : path + ".csv");
}

} // namespace quorvel
