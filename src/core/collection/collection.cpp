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

CardCounts countCards(const std::vector<Card>& cards)
{
    CardCounts counts;
    for (const Card& card : cards)
        ++(card.way == CardWay::Discovered ? counts.discovered : counts.revealed);
    return counts;
}

bool isIsoDate(const std::string& text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (std::size_t i : { 0, 1, 2, 3, 5, 6, 8, 9 })
        if (text[i] < '0' || text[i] > '9')
            return false;
    const long long month = readWhole(text.substr(5, 2)).value_or(0);
    const long long day = readWhole(text.substr(8, 2)).value_or(0);
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

std::string writtenDate(const std::string& isoDate)
{
    static const char* const months[]
        = { QV_TRANSLATE_NOOP("Dates", "gennaio"), QV_TRANSLATE_NOOP("Dates", "febbraio"),
              QV_TRANSLATE_NOOP("Dates", "marzo"), QV_TRANSLATE_NOOP("Dates", "aprile"),
              QV_TRANSLATE_NOOP("Dates", "maggio"), QV_TRANSLATE_NOOP("Dates", "giugno"),
              QV_TRANSLATE_NOOP("Dates", "luglio"), QV_TRANSLATE_NOOP("Dates", "agosto"),
              QV_TRANSLATE_NOOP("Dates", "settembre"), QV_TRANSLATE_NOOP("Dates", "ottobre"),
              QV_TRANSLATE_NOOP("Dates", "novembre"), QV_TRANSLATE_NOOP("Dates", "dicembre") };
    if (!isIsoDate(isoDate))
        return isoDate;
    //: a date: %1 the day, %2 the month's name, %3 the year
    return fill(translate("Dates", "%1 %2 %3"),
        { wholeText(readWhole(isoDate.substr(8, 2)).value_or(0)),
            translate("Dates", months[readWhole(isoDate.substr(5, 2)).value_or(1) - 1]),
            isoDate.substr(0, 4) });
}

} // namespace quorvel
