// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pupils/collection_board.h"
#include "core/app/dates.h"

#include "core/collection/collection.h"
#include "core/notebook/notebook_words.h"
#include "ui/app/common_words.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <algorithm>

namespace quorvel {
namespace {

constexpr int columns = 5;
// The dialog's width at which the cards' writing has its natural size.
constexpr int naturalWidth = 900;

const char* const closedStyle = "QLabel { background: #D0D0D0; color: #707070; border: 2px solid "
                                "#A0A0A0; border-radius: 8px; padding: 6px; }"
                                "QLabel:focus { border: 4px solid #000080; }";
const char* const discoveredStyle = "QLabel { background: #FFF4C0; color: black; border: 2px solid "
                                    "#C09000; border-radius: 8px; padding: 6px; }"
                                    "QLabel:focus { border: 4px solid #000080; }";
const char* const revealedStyle = "QLabel { background: #DDE8FF; color: black; border: 2px solid "
                                  "#6080C0; border-radius: 8px; padding: 6px; }"
                                  "QLabel:focus { border: 4px solid #000080; }";

QLabel* closedCard(QWidget* parent)
{
    auto* label = new QLabel("?", parent);
    label->setStyleSheet(closedStyle);
    label->setAccessibleName(
        QCoreApplication::translate("quorvel::CollectionBoard", "Carta ancora da scoprire"));
    return label;
}

} // namespace

QString cardText(const Card& card)
{
    //: %1 is the day the rule was discovered
    const QString when = (card.way == CardWay::Discovered
            ? QCoreApplication::translate("quorvel::CollectionBoard", "scoperta il %1")
            //: %1 is the day the rule was revealed
            : QCoreApplication::translate("quorvel::CollectionBoard", "rivelata il %1"))
                             .arg(QString::fromStdString(writtenDate(card.date)));
    const QString trials = card.trials == 0
        ? QCoreApplication::translate("quorvel::CollectionBoard", "senza prove")
        : card.trials == 1
        ? QCoreApplication::translate("quorvel::CollectionBoard", "dopo 1 prova")
        : QCoreApplication::translate("quorvel::CollectionBoard", "dopo %1 prove").arg(card.trials);
    return QString::fromStdString(card.description) + "\n\n" + when + "\n" + trials;
}

CollectionBoard::CollectionBoard(
    const QString& player, const std::vector<Card>& cards, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("collezione");
    //: %1 is the player's name
    setWindowTitle(tr("Collezione di %1").arg(player));
    const CardCounts counts = countCards(cards);
    const int places = static_cast<int>(collectionBoard().size());
    auto* layout = new QVBoxLayout(this);
    m_summary
        = new QLabel(tr("Regole scoperte: %1 · rivelate: %2 · ancora da trovare: %3 su %4")
                         .arg(QString::number(counts.discovered), QString::number(counts.revealed),
                             QString::number(places - counts.discovered - counts.revealed),
                             QString::number(places)),
            this);
    m_summary->setObjectName("riassunto");
    layout->addWidget(m_summary);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto* board = new QWidget(scroll);
    auto* levels = new QVBoxLayout(board);
    QGridLayout* grid = nullptr;
    int shown = 0;
    int level = 0;
    for (const BoardPlace& place : collectionBoard()) {
        if (place.level.number() != level) {
            level = place.level.number();
            auto* box = new QGroupBox(QString::fromStdString(levelHeading(level)), board);
            grid = new QGridLayout(box);
            for (int column = 0; column < columns; ++column)
                grid->setColumnStretch(column, 1); // every card as wide as the others
            levels->addWidget(box);
            shown = 0;
        }
        const auto open = std::find_if(cards.begin(), cards.end(),
            [&](const Card& c) { return c.mechanism == place.mechanism; });
        QLabel* label = closedCard(board);
        if (open != cards.end()) {
            const bool discovered = open->way == CardWay::Discovered;
            label->setText(cardText(*open));
            label->setStyleSheet(discovered ? discoveredStyle : revealedStyle);
            label->setAccessibleName(label->text());
        }
        label->setObjectName(QString("carta%1").arg(place.mechanism));
        label->setProperty("aperta", open != cards.end());
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setFocusPolicy(Qt::StrongFocus);
        label->setMinimumHeight(90);
        grid->addWidget(label, shown / columns, shown % columns);
        ++shown;
        m_cards.push_back(label);
    }
    levels->addStretch();
    scroll->setWidget(board);
    layout->addWidget(scroll, 1);
    // Tab moves from card to card, and the scroll area follows the card with the keyboard.
    connect(qApp, &QApplication::focusChanged, this, [scroll](QWidget*, QWidget* now) {
        if (now && scroll->widget()->isAncestorOf(now))
            scroll->ensureWidgetVisible(now);
    });

    auto* close = new QPushButton(closeButtonText(), this);
    close->setObjectName("chiudi");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(naturalWidth, 640);
}

QLabel* CollectionBoard::card(int mechanism) const
{
    const QString name = QString("carta%1").arg(mechanism);
    for (QLabel* label : m_cards)
        if (label->objectName() == name)
            return label;
    return nullptr;
}

QString CollectionBoard::summary() const
{
    return m_summary->text();
}

// The writing grows and shrinks with the dialog, worked out once per resize.
void CollectionBoard::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const double scale = std::max(1.0, static_cast<double>(width()) / naturalWidth);
    const int pixels = static_cast<int>(13 * scale);
    if (font().pixelSize() == pixels)
        return;
    QFont f = font();
    f.setPixelSize(pixels);
    setFont(f); // the titles and the summary
    QFont question = f;
    question.setPixelSize(static_cast<int>(32 * scale));
    question.setBold(true);
    // A widget with a style sheet of its own does not follow its parent's font: each card is
    // given its own.
    for (QLabel* label : m_cards) {
        label->setFont(label->property("aperta").toBool() ? f : question);
        label->setMinimumHeight(static_cast<int>(90 * scale));
    }
}

} // namespace quorvel
