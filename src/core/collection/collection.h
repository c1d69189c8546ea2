// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/collection_store.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

class Machine;
struct MachineState;

// A place on the collection's board: one for each mechanism some level can reach. A mechanism
// reached from several levels has one place, at the lowest of them.
struct BoardPlace
{
    int mechanism = 0; // 1..47
    Level level;
};

// The whole board, by level and then by mechanism number.
const std::vector<BoardPlace>& collectionBoard();

// The number (1..47) of the mechanism the next experiment runs; nothing when none is in force.
std::optional<int> mechanismInForce(const MachineState& s);

// One pupil's collection of mechanisms. A card opens the first time its mechanism is
// discovered (three right predictions in a row) or revealed ("Rivela la regola"), and from
// then on stays as it opened: discovering a rule that was first revealed leaves it
// "rivelata", and a second discovery keeps the first date and number of trials.
class Collection
{
public:
    // The pupil's computer is there: a class's board lists the pupil from now on.
    Collection(CollectionStore& store, std::string profile)
        : m_store(store)
        , m_profile(std::move(profile))
    {
        m_store.markPresent(m_profile);
    }

    const std::string& profile() const { return m_profile; }
    // The open cards, in the board's order.
    std::vector<Card> openCards() const;

    // After an experiment: opens the card of the mechanism in force when that experiment
    // discovered it. The card opened, if any.
    std::optional<Card> afterExperiment(const Machine& m, const std::string& date);
    // After the rule in force was revealed: opens its card as revealed.
    std::optional<Card> afterReveal(const Machine& m, const std::string& date);

    // The notebook as the pupil left it, and keeping it.
    std::vector<Page> savedNotebook() const { return m_store.notebook(m_profile); }
    void saveNotebook(const Notebook& notebook);

private:
    std::optional<Card> open(const Machine& m, CardWay way, const std::string& date);

    CollectionStore& m_store;
    std::string m_profile;
    std::size_t m_keptPages = 0; // how many pages the notebook had when it was last kept
};

// How many of the cards were discovered and how many revealed.
struct CardCounts
{
    int discovered = 0;
    int revealed = 0;
};
CardCounts countCards(const std::vector<Card>& cards);

} // namespace quorvel
