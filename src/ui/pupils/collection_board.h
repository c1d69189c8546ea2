// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/collection_store.h"

#include <QDialog>
#include <vector>

class QLabel;

namespace quorvel {

// "Collezione": a card for each mechanism the levels can reach, grouped by level. A closed
// card is a grey "?"; an open one shows the rule, the date, the number of trials and whether
// it was discovered ("scoperta") or revealed ("rivelata"). The cards take the keyboard in turn
// (Tab), and their writing grows with the dialog, for a classroom whiteboard.
class CollectionBoard : public QDialog
{
    Q_OBJECT
public:
    CollectionBoard(
        const QString& player, const std::vector<Card>& cards, QWidget* parent = nullptr);

    // The card of mechanism n (1..47), or null when the board has none.
    QLabel* card(int mechanism) const;
    QString summary() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* m_summary = nullptr;
    std::vector<QLabel*> m_cards;
};

// The words on an open card.
QString cardText(const Card& card);

} // namespace quorvel
