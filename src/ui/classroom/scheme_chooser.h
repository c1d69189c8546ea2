// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QTreeWidget;

namespace quorvel {

class Machine;

// "Scegli il meccanismo": every level's schemes with the rule each one follows, its hidden
// constants and operation as they are now; the one chosen is put in force as the level menu
// would, but without drawing.
class SchemeChooser : public QDialog
{
    Q_OBJECT
public:
    explicit SchemeChooser(Machine& machine, QWidget* parent = nullptr);

    QTreeWidget& catalogue() { return *m_catalogue; }
    // Puts the scheme of the current row in force; nothing on a level's row.
    void choose();

private:
    Machine& m_machine;
    QTreeWidget* m_catalogue = nullptr;
};

// The rule level `level`'s scheme `scheme` follows with the machine's constants and operation
// as they are now, preceded by the mechanism's number.
QString describeScheme(Machine& machine, int level, int scheme);

} // namespace quorvel
