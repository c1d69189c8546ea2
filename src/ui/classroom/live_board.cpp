// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/classroom/live_board.h"

#include "core/app/machine.h"
#include "core/collection/live_board.h"
#include "core/collection/pupil_session.h"
#include "core/storage/mechanism_file.h"
#include "ui/app/common_words.h"
#include "ui/classroom/scheme_chooser.h"
#include "ui/pupils/pupil_presenter.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

namespace quorvel {
namespace {

QTableWidget* readOnlyTable(const QStringList& headings, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    // Every column shares the width: on a whiteboard the rows read across the room.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setMinimumSectionSize(table->fontMetrics().averageCharWidth() * 8);
    return table;
}

void setCell(QTableWidget& table, int row, int column, const QString& text, const QColor& back)
{
    auto* item = new QTableWidgetItem(text);
    if (column > 0)
        item->setTextAlignment(Qt::AlignCenter);
    if (back.isValid())
        item->setBackground(back);
    table.setItem(row, column, item);
}

} // namespace

LiveBoard::LiveBoard(Machine& machine, PupilPresenter& pupils, QWidget* parent)
    : QDialog(parent)
    , m_machine(machine)
    , m_pupils(pupils)
{
    setObjectName("classeOra");
    setWindowTitle(tr("La classe, ora"));
    auto* layout = new QVBoxLayout(this);

    auto* options = new QHBoxLayout;
    m_withoutNames = new QCheckBox(tr("Mostra senza &nomi"), this);
    m_withoutNames->setObjectName("senzaNomi");
    m_byProgress = new QCheckBox(tr("&Ordina per progressi"), this);
    m_byProgress->setObjectName("perProgressi");
    options->addWidget(m_withoutNames);
    options->addWidget(m_byProgress);
    options->addStretch(1);
    layout->addLayout(options);

    m_table = readOnlyTable({ tr("Alunno"), tr("Livello"), tr("Pagina"), tr("Prove"),
                                tr("Giuste di fila"), tr("La regola"), tr("Ultima prova") },
        this);
    m_table->setObjectName("righeClasse");
    m_table->setAccessibleName(tr("La classe, ora"));
    layout->addWidget(m_table, 1);

    m_status = new QLabel(this);
    m_status->setObjectName("statoLavagna");
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    auto* orders = new QHBoxLayout;
    auto* everyone = new QPushButton(tr("&Tutta la classe su questo meccanismo..."), this);
    everyone->setObjectName("tuttiSuMeccanismo");
    m_stop = new QPushButton(this);
    m_stop->setObjectName("fermiTutti");
    auto* reveal = new QPushButton(tr("&Rivela a tutti"), this);
    reveal->setObjectName("rivelaATutti");
    orders->addWidget(everyone);
    orders->addWidget(m_stop);
    orders->addWidget(reveal);
    orders->addStretch(1);
    auto* close = new QPushButton(closeButtonText(), this);
    close->setObjectName("chiudi");
    orders->addWidget(close);
    layout->addLayout(orders);

    connect(m_withoutNames, &QCheckBox::toggled, this, &LiveBoard::showRows);
    connect(m_byProgress, &QCheckBox::toggled, this, &LiveBoard::showRows);
    connect(everyone, &QPushButton::clicked, this, &LiveBoard::orderMechanism);
    connect(m_stop, &QPushButton::clicked, this, &LiveBoard::toggleStop);
    connect(reveal, &QPushButton::clicked, this, &LiveBoard::revealToAll);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_table, &QTableWidget::cellActivated, this, [this](int row, int) { openRow(row); });

    // A pupil's experiment reaches the board as its news arrive from the server.
    m_soon.setSingleShot(true);
    m_soon.setInterval(150);
    connect(&m_soon, &QTimer::timeout, this, &LiveBoard::refresh);
    connect(&pupils, &PupilPresenter::classNews, &m_soon, qOverload<>(&QTimer::start));
    m_clock.setInterval(refreshMs);
    connect(&m_clock, &QTimer::timeout, this, &LiveBoard::refresh);
    m_clock.start();

    if (CollectionStore* kept = store())
        if (const std::optional<ClassOrder> order = kept->classOrder())
            m_stopped = order->stopped;
    showStopped();
    refresh();
}

CollectionStore* LiveBoard::store()
{
    return m_pupils.session().openedStore();
}

void LiveBoard::say(const QString& text)
{
    m_status->setText(text);
}

void LiveBoard::refresh()
{
    CollectionStore* kept = store();
    if (!kept)
        return;
    try {
        m_rows = kept->board();
    } catch (const StoreFault& fault) {
        say(QString::fromStdString(fault.what()));
        return;
    }
    showRows();
}

QString LiveBoard::shownName(const BoardRow& row) const
{
    return QString::fromStdString(m_withoutNames->isChecked() ? boardAlias(row.pupilId) : row.name);
}

void LiveBoard::showRows()
{
    m_shown = m_rows;
    if (m_byProgress->isChecked())
        sortByProgress(m_shown);
    // The row chosen stays chosen while the rows move.
    const int chosen = m_table->currentRow();
    const long long chosenPupil = chosen >= 0 && chosen < static_cast<int>(m_table->rowCount())
        ? m_table->item(chosen, 0)->data(Qt::UserRole).toLongLong()
        : -1;
    m_table->setRowCount(static_cast<int>(m_shown.size()));
    const QColor discovered(200, 236, 200);
    const QColor revealed(222, 226, 240);
    for (int r = 0; r < static_cast<int>(m_shown.size()); ++r) {
        const BoardRow& row = m_shown[static_cast<std::size_t>(r)];
        const QColor back = row.discovered ? discovered : row.revealed ? revealed : QColor();
        setCell(*m_table, r, 0, shownName(row), back);
        m_table->item(r, 0)->setData(Qt::UserRole, row.pupilId);
        const bool begun = row.page > 0;
        setCell(*m_table, r, 1, begun ? QString::number(row.level) : "", back);
        Page page;
        page.number = row.page;
        setCell(*m_table, r, 2, begun ? QString::fromStdString(page.title()) : "", back);
        setCell(*m_table, r, 3, begun ? QString::number(row.trials) : "", back);
        setCell(*m_table, r, 4, begun ? QString::number(row.streak) : "", back);
        setCell(*m_table, r, 5,
            !begun               ? tr("non ha ancora cominciato")
                : row.discovered ? tr("scoperta")
                : row.revealed   ? tr("rivelata")
                                 : tr("da scoprire"),
            back);
        setCell(*m_table, r, 6,
            row.secondsSinceTrial ? QString::fromStdString(agoText(*row.secondsSinceTrial)) : "",
            back);
        if (row.pupilId == chosenPupil)
            m_table->setCurrentCell(r, 0);
    }
    //: %1 is how many pupils are playing today
    say(m_shown.empty() ? tr("Oggi non gioca ancora nessuno della classe.")
                        : tr("Alunni che giocano oggi: %1.").arg(m_shown.size()));
}

void LiveBoard::orderMechanism()
{
    CollectionStore* kept = store();
    if (!kept)
        return;
    SchemeChooser chooser(m_machine, this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    try {
        kept->orderMechanism(mechanismRecord(m_machine.state()));
        m_pupils.keepNotebook();
        //: %1 is the level's number
        say(tr("Tutta la classe ora è sul meccanismo del livello %1.")
                .arg(m_machine.state().activeLevel.number()));
    } catch (const StoreFault& fault) {
        say(QString::fromStdString(fault.what()));
    }
}

void LiveBoard::showStopped()
{
    m_stop->setText(m_stopped ? tr("&Via, si riparte!") : tr("&Fermi tutti!"));
}

void LiveBoard::toggleStop()
{
    CollectionStore* kept = store();
    if (!kept)
        return;
    try {
        kept->orderStop(!m_stopped);
        m_stopped = !m_stopped;
        showStopped();
        say(m_stopped ? tr("La classe è ferma: sulle macchine c'è «Guardate la lavagna».")
                      : tr("La classe è ripartita."));
    } catch (const StoreFault& fault) {
        say(QString::fromStdString(fault.what()));
    }
}

void LiveBoard::revealToAll()
{
    CollectionStore* kept = store();
    if (!kept)
        return;
    try {
        if (kept->orderReveal())
            say(tr("La regola è stata rivelata a chi è sul meccanismo della classe."));
        else
            say(tr("La classe non ha ancora un meccanismo comune: prima scegli «Tutta la classe "
                   "su questo meccanismo...»."));
    } catch (const StoreFault& fault) {
        say(QString::fromStdString(fault.what()));
    }
}

void LiveBoard::openRow(int row)
{
    CollectionStore* kept = store();
    if (!kept || row < 0 || row >= static_cast<int>(m_shown.size()))
        return;
    const BoardRow& pupil = m_shown[static_cast<std::size_t>(row)];
    std::vector<Page> pages;
    try {
        pages = kept->notebook(pupil.name);
    } catch (const StoreFault& fault) {
        say(QString::fromStdString(fault.what()));
        return;
    }
    QDialog page(this);
    page.setObjectName("paginaAlunno");
    //: %1 is the pupil (or the animal standing for them), %2 the page's number
    page.setWindowTitle(tr("%1, pagina %2").arg(shownName(pupil)).arg(pages.size()));
    auto* layout = new QVBoxLayout(&page);
    QTableWidget* trials = readOnlyTable(
        { tr("Primo numero"), tr("Secondo numero"), tr("Uscita"), tr("Previsione") }, &page);
    trials->setObjectName("proveAlunno");
    if (!pages.empty()) {
        const std::vector<Trial>& made = pages.back().trials;
        trials->setRowCount(static_cast<int>(made.size()));
        for (int r = 0; r < static_cast<int>(made.size()); ++r) {
            const Trial& trial = made[static_cast<std::size_t>(r)];
            const QColor back
                = trial.prediction && trial.predictionRight ? QColor(200, 236, 200) : QColor();
            setCell(*trials, r, 0, QString::fromStdString(trial.first), back);
            setCell(*trials, r, 1, QString::fromStdString(trial.second), back);
            setCell(*trials, r, 2, QString::fromStdString(trial.output), back);
            setCell(*trials, r, 3, QString::fromStdString(trial.prediction.value_or("")), back);
        }
    }
    layout->addWidget(trials);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &page);
    connect(buttons, &QDialogButtonBox::rejected, &page, &QDialog::reject);
    layout->addWidget(buttons);
    page.resize(width() * 2 / 3, height() * 2 / 3);
    page.exec();
}

} // namespace quorvel
