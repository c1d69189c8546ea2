// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/notebook/notebook_panel.h"

#include "core/app/machine.h"
#include "core/mechanisms/rule_descriptions.h"
#include "core/notebook/formula.h"
#include "core/notebook/notebook_words.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/notebook_plot.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace quorvel {
namespace {

const QColor ink("#102060");
const QColor good("#1E6B1E");
const QColor bad("#A01818");

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

} // namespace

NotebookPanel::NotebookPanel(Machine& machine, QWidget* parent)
    : QWidget(parent)
    , m_machine(machine)
{
    setObjectName("quaderno");
    setFixedWidth(naturalWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    buildPageChooser();

    m_model = new NotebookModel(machine.notebook(), machine.decimalSeparator(), this);
    m_table = new QTableView(this);
    m_table->setObjectName("prove");
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAccessibleName(tr("Le prove della pagina"));
    layout->addWidget(m_table, 3);

    buildPlot(*layout);

    buildFields();
    machine.notebook().setObserver(this);
    notebookChanged();
}

NotebookPanel::~NotebookPanel()
{
    m_machine.notebook().setObserver(nullptr);
}

void NotebookPanel::buildPlot(QVBoxLayout& layout)
{
    m_plot = new NotebookPlot(m_machine.decimalSeparator(), this);
    m_plot->setObjectName("grafico");
    // The plot shows the table's trials as points: the reader reads them in the table, and the
    // keyboard does not stop on it.
    m_plot->setAccessibleName(tr("Grafico delle prove"));
    m_plot->setFocusPolicy(Qt::NoFocus);
    layout.addWidget(m_plot, 2);
    m_againstSecond = new QCheckBox(tr("In orizzontale il secondo numero"), this);
    connect(m_againstSecond, &QCheckBox::toggled, this,
        [this](bool againstSecond) { m_plot->setAgainstSecond(againstSecond); });
    layout.addWidget(m_againstSecond);
}

void NotebookPanel::buildPageChooser()
{
    auto* row = new QHBoxLayout;
    row->addWidget(caption(tr("Quaderno"), this));
    m_pages = new QComboBox(this);
    m_pages->setObjectName("pagine");
    m_pages->setAccessibleName(tr("Pagina del quaderno"));
    row->addWidget(m_pages, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(m_pages, &QComboBox::activated, this, &NotebookPanel::showPage);
    m_status = new QLabel(this);
    m_status->setObjectName("statoPagina");
    m_status->setWordWrap(true);
    layout()->addWidget(m_status);
}

// A field with its caption on one row; Enter and Esc in it are the panel's (eventFilter).
QLineEdit* NotebookPanel::field(
    const QString& title, const char* name, const QString& hint, QHBoxLayout*& row)
{
    row = new QHBoxLayout;
    auto* label = caption(title, this);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setPlaceholderText(hint);
    label->setBuddy(edit);
    row->addWidget(label);
    row->addWidget(edit, 1);
    edit->installEventFilter(this);
    return edit;
}

void NotebookPanel::buildFields()
{
    auto* form = static_cast<QVBoxLayout*>(layout());
    QHBoxLayout* predictionRow = nullptr;
    m_prediction
        = field(tr("Prevedo che uscirà:"), "previsione", tr("un numero, poi Invio"), predictionRow);
    form->addLayout(predictionRow);
    connect(m_prediction, &QLineEdit::textEdited, this,
        [this](const QString& text) { m_machine.notebook().setPrediction(text.toStdString()); });

    QHBoxLayout* hypothesisRow = nullptr;
    m_hypothesis
        = field(tr("Ipotesi:"), "ipotesi", tr("per esempio A + B oppure 2 x A"), hypothesisRow);
    m_check = new QPushButton(tr("Verifica"), this);
    m_check->setObjectName("verifica");
    hypothesisRow->addWidget(m_check);
    form->addLayout(hypothesisRow);
    connect(m_check, &QPushButton::clicked, this, &NotebookPanel::checkHypothesis);

    m_verdict = new QLabel(this);
    m_verdict->setObjectName("verdetto");
    m_verdict->setWordWrap(true);
    m_verdict->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_verdict->setFocusPolicy(Qt::NoFocus);
    form->addWidget(m_verdict);
    m_reveal = new QPushButton(tr("Rivela la regola"), this);
    m_reveal->setObjectName("rivela");
    form->addWidget(m_reveal);
    connect(m_reveal, &QPushButton::clicked, this, &NotebookPanel::revealRule);
}

// Enter in a field does that field's work and goes no further: the window would otherwise take
// it for "esperimento" as well. Esc gives the keyboard back to the machine's keypads.
bool NotebookPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (watched == m_prediction)
            emit experimentRequested();
        else
            checkHypothesis();
        return true;
    }
    if (key == Qt::Key_Escape) {
        window()->setFocus();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void NotebookPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitColumns();
}

void NotebookPanel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitColumns();
}

// The columns share the table's width evenly while every heading fits so; with large text,
// each takes what its heading and trials need and the last one the rest.
void NotebookPanel::fitColumns()
{
    QHeaderView* header = m_table->horizontalHeader();
    const int columns = m_model->columnCount();
    if (columns == 0)
        return;
    const QFontMetrics metrics(header->font());
    const int even = (m_table->width() - 2 * m_table->frameWidth()) / columns;
    bool fits = true;
    for (int column = 0; column < columns; ++column) {
        const QString heading
            = m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        fits = fits && metrics.horizontalAdvance(heading) + metrics.averageCharWidth() <= even;
    }
    header->setSectionResizeMode(fits ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    header->setStretchLastSection(!fits);
}

const Page* NotebookPanel::shownPage() const
{
    const auto& pages = m_machine.notebook().pages();
    const int i = m_model->pageIndex();
    return i >= 0 && i < static_cast<int>(pages.size()) ? &pages[i] : nullptr;
}

void NotebookPanel::notebookChanged()
{
    const auto& pages = m_machine.notebook().pages();
    const int last = static_cast<int>(pages.size()) - 1;
    const bool followNewest = m_model->pageIndex() == m_pages->count() - 1;
    updatePages();
    if (followNewest && m_model->pageIndex() != last) {
        showPage(last);
    } else {
        m_model->refresh();
        m_plot->showPage(shownPage());
        if (m_model->rowCount() > 0)
            m_table->scrollToBottom();
    }
    updateRefusal();
    // The notebook clears the prediction after each experiment; so does the field.
    if (m_prediction->text().toStdString() != m_machine.notebook().prediction())
        m_prediction->setText(QString::fromStdString(m_machine.notebook().prediction()));
    updateStatus();
}

// A new player's notebook: its last page shown, and nothing of the previous player's left in
// the fields.
void NotebookPanel::notebookReplaced()
{
    m_pages->clear();
    updatePages();
    showPage(static_cast<int>(m_machine.notebook().pages().size()) - 1);
    m_prediction->clear();
    m_hypothesis->clear();
    say("");
}

void NotebookPanel::updatePages()
{
    const auto& pages = m_machine.notebook().pages();
    for (int i = 0; i < static_cast<int>(pages.size()); ++i) {
        const QString title = QString::fromStdString(pageHeading(pages[i]));
        if (i < m_pages->count())
            m_pages->setItemText(i, title);
        else
            m_pages->addItem(title);
    }
}

void NotebookPanel::showPage(int index)
{
    m_model->showPage(index);
    m_pages->setCurrentIndex(index);
    m_plot->showPage(shownPage());
    m_table->scrollToBottom();
    say("");
    updateStatus();
}

void NotebookPanel::updateStatus()
{
    const Page* page = shownPage();
    const bool current = page && page == m_machine.notebook().currentPage();
    m_reveal->setEnabled(current && !page->revealed);
    showDiscovery(page && page->discovered);
    if (!page) {
        m_status->setText(tr("Scegli un livello e fai un esperimento: le prove si scrivono qui."));
        return;
    }
    if (page->discovered)
        m_status->setText(QString::fromStdString(discoveryNews()) + "\n"
            + tr("Tre previsioni giuste di fila, con numeri nuovi: complimenti!"));
    else if (page->revealed)
        m_status->setText(tr("La regola di questa pagina è stata rivelata."));
    else if (!current)
        m_status->setText(tr("Una pagina di prima: puoi rileggerla e verificare un'ipotesi."));
    else
        m_status->setText(
            tr("Indovina tre uscite di fila, con numeri nuovi, e avrai scoperto la regola."));
}

// A discovery is a moment: the page says so in large white letters on green (9:1), not in one
// small line among the others.
void NotebookPanel::showDiscovery(bool discovered)
{
    if (discovered == !m_status->styleSheet().isEmpty())
        return;
    if (!discovered) {
        m_status->setStyleSheet({});
        m_status->setFont({});
        return;
    }
    QFont large = font();
    if (large.pixelSize() > 0)
        large.setPixelSize(large.pixelSize() * 3 / 2);
    else
        large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    m_status->setFont(large);
    m_status->setStyleSheet(QStringLiteral(
        "QLabel { background-color: #14501A; color: white; padding: 8px; border-radius: 6px; }"));
}

QString NotebookPanel::pageTitle() const
{
    return m_pages->currentText();
}
QString NotebookPanel::statusText() const
{
    return m_status->text();
}
QString NotebookPanel::verdictText() const
{
    return m_verdict->text();
}

void NotebookPanel::say(const QString& text, Tone tone)
{
    m_saysRefusal = false;
    // On the light ground dark colours; on the high contrast's black, light ones.
    const QColor colour = m_highContrast ? (tone == Tone::Good ? QColor("#80FF80")
                                  : tone == Tone::Bad          ? QColor("#FF9090")
                                                               : Qt::white)
                                         : (tone == Tone::Good       ? good
                                                 : tone == Tone::Bad ? bad
                                                                     : ink);
    // From the program's colours as they are now, high contrast or not.
    QPalette p = QApplication::palette(m_verdict);
    p.setColor(QPalette::WindowText, colour);
    m_verdict->setPalette(p);
    m_verdict->setText(text);
    // Tab stops on the verdict, to read it again, only when there is one.
    m_verdict->setFocusPolicy(text.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
}

void NotebookPanel::checkHypothesis()
{
    auto read = Formula::read(m_hypothesis->text().toStdString());
    if (const auto* problem = std::get_if<FormulaError>(&read)) {
        const QString why = QString::fromStdString(problem->message);
        if (problem->position > 0) {
            m_hypothesis->setFocus();
            m_hypothesis->setSelection(problem->position - 1, 1);
            //: %1 is what is wrong in the formula, %2 the place of the character at fault
            say(tr("Non riesco a leggere la formula: %1 (al carattere %2).")
                    .arg(why, QString::number(problem->position)),
                Tone::Bad);
        } else {
            //: %1 is what is wrong in the formula
            say(tr("Non riesco a leggere la formula: %1.").arg(why), Tone::Bad);
        }
        return;
    }
    const Page* page = shownPage();
    if (!page || page->trials.empty()) {
        say(tr("Fai prima qualche esperimento: la formula si verifica sulle prove della pagina."));
        return;
    }
    const HypothesisCheck check = quorvel::checkHypothesis(std::get<Formula>(read), *page);
    const int total = static_cast<int>(check.trials.size());
    QString text = check.agreeing == 1
        //: one trial agrees with the formula, out of the page's %2
        ? tr("La formula vale per %1 prova su %2.")
        //: %1 trials agree with the formula, out of the page's %2
        : tr("La formula vale per %1 prove su %2.");
    text = text.arg(QString::number(check.agreeing), QString::number(total));
    if (!check.machineCannot.empty()) {
        const QString cannot = QString::fromStdString(machineCannotCalculate(check.machineCannot));
        text += " " + cannot.left(1).toUpper() + cannot.mid(1) + ".";
    }
    if (check.tryHarderInputs)
        text += " "
            + tr("Prova anche con numeri più grandi (per esempio tra 10 e 100), con lo zero, con "
                 "due numeri uguali e con il primo più piccolo del secondo: potrebbero smentirla!");
    m_model->setHypothesis(check);
    say(text, check.agreeing == total ? Tone::Good : Tone::Bad);
}

// Why the rule cannot be revealed yet changes with every trial ("finora ne hai fatte 2"): the
// reason shown follows, and goes once the rule may be revealed.
void NotebookPanel::updateRefusal()
{
    if (!m_saysRefusal || !m_revealGuard)
        return;
    if (const std::optional<QString> refusal = m_revealGuard()) {
        say(*refusal);
        m_saysRefusal = true;
    } else {
        say("");
    }
}

void NotebookPanel::setHighContrast(bool on)
{
    m_highContrast = on;
    m_plot->setHighContrast(on);
    say(m_verdict->text());
    updateStatus();
}

bool NotebookPanel::takePrediction()
{
    const std::string text = m_prediction->text().toStdString();
    if (const auto problem = m_machine.notebook().setPrediction(text)) {
        say(QString::fromStdString(*problem), Tone::Bad);
        m_prediction->setFocus();
        m_prediction->selectAll();
        return false;
    }
    return true;
}

void NotebookPanel::announce(const QString& text, bool after)
{
    if (after && !m_verdict->text().isEmpty())
        m_verdict->setText(m_verdict->text() + "\n" + text);
    else
        say(text);
}

// The rule told: after the pupil's yes, or at once when the teacher tells the whole class.
void NotebookPanel::tellRule()
{
    const Machine::Reveal reveal = m_machine.revealRule();
    if (reveal.result == Machine::Reveal::Result::Told) {
        say(QString::fromStdString(ruleLine(reveal.text)));
        emit ruleRevealed();
    } else if (reveal.result == Machine::Reveal::Result::NotYet) {
        say(QString::fromStdString(reveal.text));
    }
}

void NotebookPanel::revealRule()
{
    // The class rules come first, as in the console: a rule the teacher keeps hidden is never
    // promised for after the next experiment.
    if (m_revealGuard) {
        if (const std::optional<QString> refusal = m_revealGuard()) {
            say(*refusal);
            m_saysRefusal = true;
            return;
        }
    }
    // A rule that waits for the first experiment's draw cannot be told yet: asking first
    // whether to tell it would promise what cannot be given.
    if (const auto rule = describeRule(m_machine.state()); rule && !rule->known) {
        say(QString::fromStdString(m_machine.revealRule().text));
        return;
    }
    const QMessageBox::StandardButton answer = QMessageBox::question(this, "Quorvel",
        tr("Vuoi davvero vedere la regola?"), QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        tellRule();
}

} // namespace quorvel
