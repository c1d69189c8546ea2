// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The collection's rules: the board, how cards open and stay, and the class rules.
#include "core/collection/classroom.h"
#include "core/collection/collection.h"
#include "core/collection/memory_store.h"
#include "core/mechanisms/dispatch.h"
#include "fakes/fakes.h"
#include "platform/pin_hash.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace quorvel {
namespace {

using testing::Rig;

const BoardPlace* placeOf(int mechanism)
{
    const auto& board = collectionBoard();
    const auto found = std::find_if(
        board.begin(), board.end(), [&](const BoardPlace& p) { return p.mechanism == mechanism; });
    return found == board.end() ? nullptr : &*found;
}

TEST(CollectionBoard, HasOneCardForEachMechanismALevelReaches)
{
    std::set<int> numbers;
    for (const BoardPlace& p : collectionBoard())
        numbers.insert(p.mechanism);
    EXPECT_EQ(collectionBoard().size(), 43u);
    EXPECT_EQ(numbers.size(), 43u);
    EXPECT_EQ(placeOf(2), nullptr); // calc02 exists, but no level selects it
}

TEST(CollectionBoard, PutsAMechanismReachedFromSeveralLevelsAtTheLowest)
{
    const std::pair<int, int> rows[] = { { 1, 1 }, { 37, 1 }, { 10, 2 }, { 33, 2 }, { 5, 3 },
        { 38, 3 }, { 26, 4 }, { 44, 4 }, { 15, 5 }, { 43, 5 } };
    for (const auto& [mechanism, level] : rows) {
        const BoardPlace* place = placeOf(mechanism);
        ASSERT_NE(place, nullptr) << mechanism;
        EXPECT_EQ(place->level.number(), level) << mechanism;
    }
    // Every scheme of every level finds its card at that level or a lower one.
    Rig rig;
    for (int level = 1; level <= Level::count; ++level) {
        for (int scheme = 1; scheme <= schemeCount(Level::number(level)); ++scheme) {
            rig.use(level, scheme);
            const std::optional<int> mechanism = mechanismInForce(rig.s());
            ASSERT_TRUE(mechanism) << level << "/" << scheme;
            ASSERT_NE(placeOf(*mechanism), nullptr) << *mechanism;
            EXPECT_LE(placeOf(*mechanism)->level.number(), level) << *mechanism;
        }
    }
}

// A machine on level 1, scheme 5: "the larger of the two numbers" (calc24).
struct Pupil
{
    Pupil() { rig.machine.chooseScheme(1, 5); }

    void experiment(int a, int b, bool predict)
    {
        if (predict)
            rig.machine.notebook().setPrediction(std::to_string(std::max(a, b)));
        rig.experiment(std::to_string(a), std::to_string(b));
    }
    // One trial without a prediction, then three right ones on new pairs.
    std::optional<Card> discover(const std::string& date)
    {
        experiment(1, 2, false);
        experiment(3, 9, true);
        experiment(8, 4, true);
        experiment(5, 6, true);
        return collection.afterExperiment(rig.machine, date);
    }
    std::optional<Card> reveal(const std::string& date)
    {
        rig.machine.revealRule();
        return collection.afterReveal(rig.machine, date);
    }

    Rig rig;
    MemoryStore store;
    Collection collection { store, "Anna" };
};

TEST(Collection, OpensTheCardOfADiscoveryWithItsDateAndTrials)
{
    Pupil pupil;
    pupil.rig.machine.notebook().setPrediction("0"); // wrong: no streak yet
    pupil.rig.experiment("7", "1");
    EXPECT_FALSE(pupil.collection.afterExperiment(pupil.rig.machine, "2026-12-01"));
    const std::optional<Card> card = pupil.discover("2026-12-07");
    ASSERT_TRUE(card);
    EXPECT_EQ(*card,
        (Card { 24, Level::number(1),
            "Il risultato è il più grande dei due numeri. La macchina mostra «????» se il "
            "secondo numero è più grande di 32767.",
            CardWay::Discovered, "2026-12-07", 5 }));
    EXPECT_EQ(pupil.collection.openCards(), std::vector<Card> { *card });
}

TEST(Collection, OpensARevealedRuleAsRevealedAndNothingBeforeALevel)
{
    Pupil pupil;
    const std::optional<Card> card = pupil.reveal("2026-12-07");
    ASSERT_TRUE(card);
    EXPECT_EQ(card->way, CardWay::Revealed);
    EXPECT_EQ(card->trials, 0);

    Rig idle; // no level chosen: no rule to reveal, no card
    MemoryStore store;
    Collection nobody(store, "Bruno");
    idle.machine.revealRule();
    EXPECT_FALSE(nobody.afterReveal(idle.machine, "2026-12-07"));
    EXPECT_TRUE(nobody.openCards().empty());
}

TEST(Collection, KeepsACardAsItFirstOpened)
{
    struct Row
    {
        CardWay first;
        CardWay second;
    };
    const Row rows[] = {
        { CardWay::Revealed, CardWay::Discovered }, // a rule first revealed stays revealed
        { CardWay::Discovered, CardWay::Revealed },
        { CardWay::Discovered, CardWay::Discovered },
    };
    for (const Row& r : rows) {
        Pupil pupil;
        const auto open = [&](CardWay way, const std::string& date) {
            pupil.rig.machine.beginNotebookPage();
            return way == CardWay::Revealed ? pupil.reveal(date) : pupil.discover(date);
        };
        ASSERT_TRUE(open(r.first, "2026-12-01"));
        EXPECT_FALSE(open(r.second, "2026-12-07"));
        const std::vector<Card> cards = pupil.collection.openCards();
        ASSERT_EQ(cards.size(), 1u);
        EXPECT_EQ(cards[0].way, r.first);
        EXPECT_EQ(cards[0].date, "2026-12-01");
        EXPECT_EQ(countCards(cards).discovered, r.first == CardWay::Discovered ? 1 : 0);
    }
}

TEST(Classroom, AllowsTheRevealAsTheTeacherDecided)
{
    struct Row
    {
        RevealPolicy policy;
        int trials;
        bool discovered;
        bool allowed;
    };
    const Row rows[] = {
        { RevealPolicy::Always, 0, false, true },
        { RevealPolicy::AfterTenTrials, 9, true, false },
        { RevealPolicy::AfterTenTrials, 10, false, true },
        { RevealPolicy::AfterDiscovery, 30, false, false },
        { RevealPolicy::AfterDiscovery, 4, true, true },
        { RevealPolicy::Never, 30, true, false },
    };
    for (const Row& r : rows) {
        MemoryStore store;
        Classroom classroom(store, sodiumPinHasher());
        ClassRules rules;
        rules.reveal = r.policy;
        classroom.setRules(rules);
        Page page;
        page.trials.resize(static_cast<std::size_t>(r.trials));
        page.discovered = r.discovered;
        EXPECT_EQ(!classroom.revealRefusal(&page), r.allowed) << r.trials;
        EXPECT_EQ(Classroom(store, sodiumPinHasher()).rules(), rules); // kept in the store
    }
    MemoryStore store;
    ClassRules never;
    never.reveal = RevealPolicy::AfterTenTrials;
    store.setClassRules(never);
    EXPECT_EQ(Classroom(store, sodiumPinHasher()).revealRefusal(nullptr),
        "Prima fai almeno 10 prove con questo meccanismo: non ne hai ancora fatta nessuna.");
}

TEST(Classroom, AllowsOnlyTheLevelsTheTeacherChose)
{
    MemoryStore store;
    Classroom classroom(store, sodiumPinHasher());
    ClassRules rules;
    rules.levels = { true, true, false, false, true };
    classroom.setRules(rules);
    const bool expected[] = { false, true, true, false, false, true };
    for (int n = 0; n <= Level::count; ++n)
        EXPECT_EQ(classroom.levelAllowed(Level::number(n)), expected[n]) << n;
}

TEST(Classroom, SetsThePinOnFirstUseAndKeepsOnlyASaltedHash)
{
    MemoryStore store;
    Classroom classroom(store, sodiumPinHasher());
    EXPECT_EQ(classroom.enterPin("2468", 0), Classroom::PinAnswer::FirstSet);
    const std::string hash = store.pinHash().value();
    EXPECT_EQ(hash.find("2468"), std::string::npos);
    EXPECT_EQ(hash.rfind("$argon2id$", 0), 0u);

    const std::pair<const char*, Classroom::PinAnswer> rows[] = {
        { "2468", Classroom::PinAnswer::Right }, { "2469", Classroom::PinAnswer::Wrong },
        { "24680", Classroom::PinAnswer::Wrong }, { "", Classroom::PinAnswer::Wrong },
        { "abc", Classroom::PinAnswer::Wrong }, // once set, anything else is just wrong
        { "123456789", Classroom::PinAnswer::Wrong }, // nine digits are no PIN
    };
    long long now = 0;
    for (const auto& [pin, answer] : rows)
        EXPECT_EQ(classroom.enterPin(pin, now += 3600), answer) << pin; // never kept waiting
    EXPECT_EQ(store.pinHash(), hash);
    // The same PIN hashed again comes out different: the salt is new every time.
    MemoryStore other;
    Classroom(other, sodiumPinHasher()).enterPin("2468", 0);
    EXPECT_NE(other.pinHash(), hash);
}

// A first PIN is four to eight digits; anything else is refused and leaves no PIN set.
TEST(Classroom, AFirstPinIsFourToEightDigits)
{
    using A = Classroom::PinAnswer;
    const std::pair<const char*, A> rows[] = {
        { "1234", A::FirstSet },
        { "12345678", A::FirstSet },
        { "0000", A::FirstSet },
        { "123", A::NotAPin },
        { "123456789", A::NotAPin },
        { "12a4", A::NotAPin },
        { " 1234", A::NotAPin },
        { "-1234", A::NotAPin },
        { "\uFF11\uFF12\uFF13\uFF14", A::NotAPin }, // digits of another width
        { "", A::NotAPin },
    };
    for (const auto& [pin, answer] : rows) {
        MemoryStore store;
        EXPECT_EQ(Classroom(store, sodiumPinHasher()).enterPin(pin, 0), answer) << pin;
        EXPECT_EQ(store.pinHash().has_value(), answer == A::FirstSet) << pin;
    }
}

// Two copies set the first PIN at once: the one stored first is the teacher's, and the other
// copy's PIN is checked against it, never let in because it was typed first.
TEST(Classroom, APinSetMeanwhileByAnotherCopyIsTheOneThatCounts)
{
    struct AnotherCopySetsItFirst : MemoryStore
    {
        bool setPinHashIfUnset(const std::string&) override
        {
            MemoryStore::setPinHashIfUnset(sodiumPinHasher().hash("1357"));
            return false;
        }
    };
    const std::pair<const char*, Classroom::PinAnswer> rows[] = {
        { "2468", Classroom::PinAnswer::Wrong },
        { "1357", Classroom::PinAnswer::Right },
        { "13579", Classroom::PinAnswer::Wrong },
    };
    for (const auto& [pin, answer] : rows) {
        AnotherCopySetsItFirst store;
        EXPECT_EQ(Classroom(store, sodiumPinHasher()).enterPin(pin, 0), answer) << pin;
    }
}

// Guessing costs time: from the third wrong PIN in a row the next try waits, twice as long at
// each wrong one; the right PIN clears it. The wait is kept in the store, past a restart.
TEST(Classroom, WrongPinsInARowMakeTheNextTryWait)
{
    using A = Classroom::PinAnswer;
    MemoryStore store;
    Classroom(store, sodiumPinHasher()).enterPin("2468", 0);
    struct Row
    {
        long long at;
        const char* pin;
        A answer;
        long long wait; // what waitSeconds() says after it
    };
    const Row rows[] = {
        { 100, "1111", A::Wrong, 0 }, { 101, "1111", A::Wrong, 0 }, { 102, "1111", A::Wrong, 30 },
        { 110, "2468", A::Wait, 22 }, // even the right PIN waits its turn
        { 132, "1111", A::Wrong, 60 }, { 192, "1111", A::Wrong, 120 }, { 312, "2468", A::Right, 0 },
        { 313, "1111", A::Wrong, 0 }, // counting starts again
    };
    for (const Row& r : rows) {
        Classroom afresh(store, sodiumPinHasher()); // as after a restart
        EXPECT_EQ(afresh.enterPin(r.pin, r.at), r.answer) << r.at;
        EXPECT_EQ(afresh.waitSeconds(), r.wait) << r.at;
    }
    Classroom last(store, sodiumPinHasher());
    last.enterPin("1111", 2000);
    last.enterPin("1111", 2000);
    EXPECT_EQ(last.enterPin("1111", 2000), A::Wait);
    EXPECT_EQ(last.waitMessage(), "Troppi PIN sbagliati: riprova fra 30 secondi.");
    EXPECT_EQ(last.enterPin("1111", 2030), A::Wrong);
    EXPECT_EQ(last.waitMessage(), "Troppi PIN sbagliati: riprova fra un minuto.");
    EXPECT_EQ(last.enterPin("1111", 2090), A::Wrong);
    EXPECT_EQ(last.waitMessage(), "Troppi PIN sbagliati: riprova fra 2 minuti.");
}

// The PIN an administrator sets for every account is the teacher's, whatever the store holds.
TEST(Classroom, TheAdministratorsPinIsTheTeachers)
{
    MemoryStore store;
    Classroom classroom(store, sodiumPinHasher());
    EXPECT_FALSE(classroom.pinIsSet());
    classroom.setFixedPinHash(hashPin("1357"));
    EXPECT_TRUE(classroom.pinIsSet());
    EXPECT_EQ(classroom.enterPin("2468", 0), Classroom::PinAnswer::Wrong) << "not a first PIN";
    EXPECT_FALSE(store.pinHash());
    EXPECT_EQ(classroom.enterPin("1357", 0), Classroom::PinAnswer::Right);
}

} // namespace
} // namespace quorvel
