// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/collection/collection.h"

#include "core/app/machine.h"
#include "core/app/translation.h"
#include "core/mechanisms/dispatch.h"
#include "core/mechanisms/mechanisms.h"
#include "core/notebook/rule_descriptions.h"
#include "core/values/number_text.h"

#include <algorithm>
#include <utility>

namespace quorvel {
namespace {

// Every mechanism with its number; there is no calc12, calc13 or calc14.
constexpr std::pair<int, Mechanism> numbered[] = { { 1, calc01 }, { 2, calc02 }, { 3, calc03 },
    { 4, calc04 }, { 5, calc05 }, { 6, calc06 }, { 7, calc07 }, { 8, calc08 }, { 9, calc09 },
    { 10, calc10 }, { 11, calc11 }, { 15, calc15 }, { 16, calc16 }, { 17, calc17 }, { 18, calc18 },
    { 19, calc19 }, { 20, calc20 }, { 21, calc21 }, { 22, calc22 }, { 23, calc23 }, { 24, calc24 },
    { 25, calc25 }, { 26, calc26 }, { 27, calc27 }, { 28, calc28 }, { 29, calc29 }, { 30, calc30 },
    { 31, calc31 }, { 32, calc32 }, { 33, calc33 }, { 34, calc34 }, { 35, calc35 }, { 36, calc36 },
    { 37, calc37 }, { 38, calc38 }, { 39, calc39 }, { 40, calc40 }, { 41, calc41 }, { 42, calc42 },
    { 43, calc43 }, { 44, calc44 }, { 45, calc45 }, { 46, calc46 }, { 47, calc47 } };

int numberOf(Mechanism mechanism)
{
    for (const auto& [number, candidate] : numbered)
        if (candidate == mechanism)
            return number;
    return 0;
}

std::vector<BoardPlace> buildBoard()
{
    std::vector<BoardPlace> board;
    for (int n = 1; n <= Level::count; ++n) {
        const Level level = Level::number(n);
        std::vector<BoardPlace> added;
        for (const Mechanism mechanism : levelMechanisms(level)) {
            const int number = numberOf(mechanism);
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
        const int number = numberOf(selectMechanism(s));
        return number > 0 ? std::optional(number) : std::nullopt;
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
    const std::optional<RuleDescription> rule = describeRule(m);
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
