// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/classroom/scheme_chooser.h"

#include "core/app/machine.h"
#include "core/collection/collection.h"
#include "core/mechanisms/dispatch.h"
#include "core/notebook/notebook_words.h"
#include "core/notebook/rule_descriptions.h"
#include "ui/app/common_words.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace quorvel {
namespace {

constexpr int levelRole = Qt::UserRole;
constexpr int schemeRole = Qt::UserRole + 1;

} // namespace

// The scheme is put in the machine's record just long enough to be described: describing
// reads the record and changes nothing.
QString describeScheme(Machine& machine, int level, int scheme)
{
    const MachineState kept = machine.state();
    machine.state().activeLevel = Level::number(level);
    machine.state().setScheme(Level::number(level), Value::single(scheme));
    const std::optional<int> number = mechanismInForce(machine.state());
    const std::optional<RuleDescription> rule = describeRule(machine);
    machine.state() = kept;
    if (!number || !rule)
        return QCoreApplication::translate("quorvel::SchemeChooser", "Nessun meccanismo.");
    //: %1 is the mechanism's number, %2 its rule in words
    return QCoreApplication::translate("quorvel::SchemeChooser", "Meccanismo %1: %2")
        .arg(QString::number(*number), QString::fromStdString(rule->text));
}

SchemeChooser::SchemeChooser(Machine& machine, QWidget* parent)
    : QDialog(parent)
    , m_machine(machine)
{
    setObjectName("scegliMeccanismo");
    setWindowTitle(tr("Scegli il meccanismo"));
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(tr("Scegli lo schema da mettere in funzione; gli alunni poi lo "
                               "scoprono facendo esperimenti. Le costanti nascoste e le "
                               "operazioni sono quelle di adesso."),
        this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    m_catalogue = new QTreeWidget(this);
    m_catalogue->setObjectName("catalogo");
    m_catalogue->setColumnCount(2);
    m_catalogue->setHeaderLabels({ tr("Schema"), QString::fromStdString(ruleHeading()) });
    m_catalogue->setWordWrap(true);
    m_catalogue->setUniformRowHeights(false);
    m_catalogue->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_catalogue->header()->setStretchLastSection(true);
    for (int level = 1; level <= Level::count; ++level) {
        auto* top
            = new QTreeWidgetItem(m_catalogue, { QString::fromStdString(levelHeading(level)) });
        top->setFirstColumnSpanned(true);
        for (int scheme = 1; scheme <= schemeCount(Level::number(level)); ++scheme) {
            auto* row = new QTreeWidgetItem(
                top, { tr("Schema %1").arg(scheme), describeScheme(machine, level, scheme) });
            row->setData(0, levelRole, level);
            row->setData(0, schemeRole, scheme);
            row->setToolTip(1, row->text(1));
        }
    }
    m_catalogue->expandAll();
    layout->addWidget(m_catalogue, 1);
    connect(m_catalogue, &QTreeWidget::itemActivated, this, &SchemeChooser::choose);
    // A long rule does not fit its row: the chosen one is written out whole below.
    auto* whole = new QLabel(this);
    whole->setObjectName("regolaIntera");
    whole->setWordWrap(true);
    whole->setMinimumHeight(whole->fontMetrics().lineSpacing() * 3);
    layout->addWidget(whole);
    const auto showWhole
        = [whole](const QTreeWidgetItem* row) { whole->setText(row ? row->text(1) : QString()); };
    connect(m_catalogue, &QTreeWidget::currentItemChanged, this, showWhole);
    if (QTreeWidgetItem* first = m_catalogue->topLevelItem(0))
        m_catalogue->setCurrentItem(first->child(0));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* choose
        = buttons->addButton(tr("&Metti in funzione"), QDialogButtonBox::AcceptRole);
    choose->setObjectName("mettiInFunzione");
    buttons->addButton(cancelButtonText(), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &SchemeChooser::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(900, 600);
}

void SchemeChooser::choose()
{
    const QTreeWidgetItem* row = m_catalogue->currentItem();
    if (!row || !row->data(0, levelRole).isValid())
        return;
    m_machine.chooseScheme(row->data(0, levelRole).toInt(), row->data(0, schemeRole).toInt());
    accept();
}

} // namespace quorvel
