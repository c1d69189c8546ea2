// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/collection/collection.h"

#include "core/app/machine.h"
#include "core/app/translation.h"
#include "core/mechanisms/dispatch.h"
#include "core/mechanisms/rule_descriptions.h"
#include "core/values/number_text.h"

#include <algorithm>
#include <utility>

namespace quorvel {
namespace {

std::vector<BoardPlace> buildBoard()
{
    std::vector<BoardPlace> board;
    for (int n = 1; n <= Level::count; ++n) {
        const Level level = Level::number(n);
        std::vector<BoardPlace> added;
        for (const int number : levelMechanisms(level)) {
            const auto seen = [&](const BoardPlace& p) { return p.mechanism == number; };
            if (std::none_of(board.begin(), board.end(), seen)
                && std::none_of(added.begin(), added.end(), seen))
                added.push_back({ number, level });
        }
        std::sort(added.begin(), added.end(),
            [](const BoardPlace& a, const BoardPlace& b) { return a.mechanism < b.mechanism; });
        board.insert(board.end(), added.begin(), added.end());
    }
    return board;
}

} // namespace

const std::vector<BoardPlace>& collectionBoard()
{
    static const std::vector<BoardPlace> board = buildBoard();
    return board;
}

std::optional<int> mechanismInForce(const MachineState& s)
{
    try {
        const CatalogueEntry* mechanism = selectMechanism(s);
        return mechanism ? std::optional(mechanism->number) : std::nullopt;
    } catch (const MechanismFault&) {
        return std::nullopt; // a scheme held as a text that spells no number selects nothing
    }
}

std::vector<Card> Collection::openCards() const
{
    const std::vector<Card> cards = m_store.cards(m_profile);
    std::vector<Card> ordered;
    for (const BoardPlace& place : collectionBoard())
        for (const Card& card : cards)
            if (card.mechanism == place.mechanism)
                ordered.push_back(card);
    return ordered;
}

std::optional<Card> Collection::afterExperiment(const Machine& m, const std::string& date)
{
    if (!m.lastOutcome().discovery)
        return std::nullopt;
    return open(m, CardWay::Discovered, date);
}

std::optional<Card> Collection::afterReveal(const Machine& m, const std::string& date)
{
    const Page* page = m.notebook().currentPage();
    if (!page || !page->revealed)
        return std::nullopt;
    return open(m, CardWay::Revealed, date);
}

std::optional<Card> Collection::open(const Machine& m, CardWay way, const std::string& date)
{
    const std::optional<int> number = mechanismInForce(m.state());
    const std::optional<RuleDescription> rule = describeRule(m.state());
    if (!number || !rule)
        return std::nullopt;
    const auto& board = collectionBoard();
    const auto place = std::find_if(
        board.begin(), board.end(), [&](const BoardPlace& p) { return p.mechanism == *number; });
    if (place == board.end())
        return std::nullopt;
    const Page* page = m.notebook().currentPage();
    const Card card { *number, place->level, rule->text, way, date,
        page ? static_cast<int>(page->trials.size()) : 0 };
    if (!m_store.openCard(m_profile, card))
        return std::nullopt; // already open: the first opening stays
    return card;
}

// Only a notebook's last page is ever written on: the pages before the last one kept stay as
// they were kept, and need not be looked at again, however many there are.
void Collection::saveNotebook(const Notebook& notebook)
{
    const std::vector<Page>& pages = notebook.pages();
    const std::size_t from = m_keptPages > 0 && m_keptPages <= pages.size() ? m_keptPages - 1 : 0;
    m_store.saveNotebook(m_profile, std::span(pages).subspan(from));
    m_keptPages = pages.size();
}

std::string CollectionStore::noClass()
{
    return translate("Class", "questo computer non gioca in una classe");
}

std::vector<PupilProgress> CollectionStore::progress()
{
    std::vector<PupilProgress> rows;
    for (const std::string& name : profiles()) {
        const CardCounts counts = countCards(cards(name));
        int trials = 0;
        for (const Page& page : notebook(name))
            trials += static_cast<int>(page.trials.size());
        rows.push_back({ name, counts.discovered, counts.revealed, trials });
    }
    return rows;
}

CardCounts countCards(const std::vector<Card>& cards)
{
    CardCounts counts;
    for (const Card& card : cards)
        ++(card.way == CardWay::Discovered ? counts.discovered : counts.revealed);
    return counts;
}

} // namespace quorvel
