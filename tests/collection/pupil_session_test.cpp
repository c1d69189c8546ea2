// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one pupil session of the window and the console: the name rule, who plays, the guest's
// trials taken over, saves that fail and are tried again, and class rules that fail closed.
#include "core/collection/memory_store.h"
#include "core/collection/pupil_names.h"
#include "core/collection/pupil_session.h"
#include "fakes/fakes.h"
#include "platform/pin_hash.h"

#include <gtest/gtest.h>

namespace quorvel::testing {
namespace {

TEST(PupilNames, OneRuleCountedInCharacters)
{
    const std::pair<std::string, bool> rows[] = {
        { "Marta", true },
        { std::string(40, 'a'), true },
        { std::string(41, 'a'), false },
        { [] {
             std::string s;
             for (int i = 0; i < 40; ++i)
                 s += "è";
             return s;
         }(),
            true },
        { [] {
             std::string s;
             for (int i = 0; i < 41; ++i)
                 s += "è";
             return s;
         }(),
            false },
        { "Ma\tria", false },
        { "Ma\x01ria", false },
        { "Ma\u0085ria", false }, // a C1 control character
        { "Ma\u202Eria", false }, // turns the writing round
        { "Ma\u2066ria", false },
        { "", false },
        { "\u00A0\u3000", false }, // spaces of other kinds, and nothing else
        { "Zoë", true },
        { "José María", true },
    };
    for (const auto& [name, good] : rows)
        EXPECT_EQ(!pupilNameProblem(tidyPupilName(name)), good) << name;
    EXPECT_EQ(tidyPupilName("  Luca \u00A0  Rossi "), "Luca Rossi");
}

TEST(PupilNames, TheSameWhateverTheCapitalsInEveryAlphabet)
{
    const std::pair<const char*, const char*> same[]
        = { { "Anna", "ANNA" }, { "Zoë", "ZOË" }, { "Ærø", "ÆRØ" }, { "Łukasz", "ŁUKASZ" },
              { "Şule", "ŞULE" }, { "Σοφία", "ΣΟΦΊΑ" }, { "Мария", "МАРИЯ" }, { "Ёлка", "ёлка" } };
    for (const auto& [a, b] : same)
        EXPECT_TRUE(sameProfileName(a, b)) << a << " / " << b;
    EXPECT_FALSE(sameProfileName("Anna", "Anne"));
    EXPECT_FALSE(sameProfileName("Zoe", "Zoë"));
}

// A store whose saves fail while asked to, as a database held by another copy does.
class FlakyStore : public MemoryStore
{
public:
    bool failing = false;
    void saveNotebook(const std::string& profile, std::span<const Page> pages) override
    {
        if (failing)
            throw StoreFault("L'archivio di Quorvel è occupato.");
        MemoryStore::saveNotebook(profile, pages);
    }
    ClassRules classRules() override
    {
        if (failing)
            throw StoreFault("L'archivio di Quorvel è occupato.");
        return MemoryStore::classRules();
    }
};

struct SessionRig : Rig
{
    FlakyStore* store = nullptr;
    bool opens = true;
    PupilSession session { machine, clock, sodiumPinHasher(),
        [this]() -> std::unique_ptr<CollectionStore> {
            if (!opens)
                throw StoreFault("L'archivio di Quorvel non si può aprire.");
            auto made = std::make_unique<FlakyStore>();
            store = made.get();
            return made;
        } };

    void play(int a, int b)
    {
        experiment(std::to_string(a), std::to_string(b));
        session.afterExperiment();
        session.keepNotebook();
    }
};

TEST(PupilSession, APupilWhoTakesOverMayKeepTheGuestsTrials)
{
    for (const bool keep : { true, false }) {
        SessionRig rig;
        rig.use(1, 5);
        rig.machine.beginNotebookPage();
        rig.play(3, 4);
        rig.play(5, 1);
        ASSERT_EQ(rig.session.guestTrials(), 2u);
        ASSERT_FALSE(rig.session.addPupil("Giulia").problem);
        ASSERT_FALSE(rig.session.choose("Giulia", keep));
        EXPECT_EQ(rig.session.player(), "Giulia");
        const Page* page = rig.machine.notebook().currentPage();
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->trials.size(), keep ? 2u : 0u);
        EXPECT_EQ(rig.store->notebook("Giulia").size(), keep ? 1u : 0u) << "kept at once";
    }
}

TEST(PupilSession, AFailedSaveKeepsThePupilAndIsTriedAgain)
{
    SessionRig rig;
    rig.use(1, 1);
    ASSERT_FALSE(rig.session.addPupil("Anna").problem);
    ASSERT_FALSE(rig.session.choose("Anna"));
    rig.play(1, 2);
    rig.store->failing = true;
    rig.experiment("3", "4");
    EXPECT_EQ(rig.session.keepNotebook(), PupilSession::Keeping::Waiting);
    rig.experiment("5", "6");
    EXPECT_EQ(rig.session.keepNotebook(), PupilSession::Keeping::Waiting);
    EXPECT_EQ(rig.session.player(), "Anna") << "never the guest";
    EXPECT_EQ(rig.session.unsavedTrials(), 2);
    EXPECT_EQ(rig.session.unsavedMessage(),
        "Non sono riuscito a salvare le ultime 2 prove di Anna: L'archivio di Quorvel è "
        "occupato.");
    rig.store->failing = false;
    EXPECT_EQ(rig.session.keepNotebook(), PupilSession::Keeping::Recovered);
    EXPECT_EQ(rig.store->notebook("Anna").back().trials.size(), 3u);
    EXPECT_EQ(rig.session.unsavedMessage(), "");
}

TEST(PupilSession, AChangeOfPlayerGivesUpWhatStillCannotBeKeptAndSaysSo)
{
    SessionRig rig;
    rig.use(1, 1);
    ASSERT_FALSE(rig.session.addPupil("Anna").problem);
    ASSERT_FALSE(rig.session.choose("Anna"));
    rig.store->failing = true;
    rig.experiment("3", "4");
    rig.session.keepNotebook();
    EXPECT_FALSE(rig.session.choose(guestName));
    EXPECT_EQ(rig.session.takeGivenUp(),
        "Non sono riuscito a salvare l'ultima prova di Anna: L'archivio di Quorvel è occupato.");
    EXPECT_TRUE(rig.session.isGuest());
}

TEST(PupilSession, ClassRulesThatCannotBeReadOfferOnlyWhatWasAllowedLastOrLevelOne)
{
    const std::array<bool, 5> onlyTwoAndThree { false, true, true, false, false };
    for (const auto& remembered :
        { std::optional<std::array<bool, 5>> {}, std::optional(onlyTwoAndThree) }) {
        SessionRig rig;
        rig.opens = false;
        rig.session.setRememberedLevels(remembered);
        EXPECT_EQ(rig.session.store(), nullptr);
        EXPECT_FALSE(rig.session.rulesRead());
        const auto expected = remembered.value_or(std::array<bool, 5> { true });
        EXPECT_EQ(rig.session.rules().levels, expected);
    }
}

} // namespace
} // namespace quorvel::testing
