// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A pupil's machine following the teacher's orders: the class's mechanism gives the pupil the
// outputs the teacher's machine gives, on a page of its own; a stop and a go; the rule told
// only to a machine still on the class's mechanism.
#include "core/collection/class_follower.h"
#include "core/collection/live_board.h"
#include "core/collection/memory_store.h"
#include "core/storage/mechanism_file.h"
#include "fakes/fakes.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <utility>

namespace quorvel::testing {
namespace {

using Change = ClassFollower::Change;
using Changes = std::vector<Change>;

// A machine of the class, started as the programs start it.
struct ClassRig : SeededRig
{
    explicit ClassRig(std::uint64_t seed)
        : SeededRig(seed)
    {
        machine.setWelcomeOn(false);
        machine.start();
    }
};

// The teacher's machine on a level and scheme: the order for the class.
ClassOrder orderFor(ClassRig& teacher, int level, int scheme, long long serial)
{
    teacher.machine.chooseScheme(level, scheme);
    return ClassOrder { serial, mechanismRecord(teacher.s()), false, 0 };
}

// A class server as the follower reads it: news once, and the standing order.
struct NewsStore : MemoryStore
{
    ClassNews news;
    std::optional<ClassOrder> order;
    ClassNews takeNews() override { return std::exchange(news, {}); }
    std::optional<ClassOrder> classOrder() override { return order; }
};

TEST(ClassFollower, FollowsAnOrderWhenTheNewsTellsOfOneOrWhenAskedToLookButNeverOnTheTeachers)
{
    struct Case
    {
        bool orders, lookAnyway, teachersMachine, follows;
    };
    const Case cases[] = {
        { true, false, false, true },
        { false, false, false, false },
        { false, true, false, true },
        { true, false, true, false },
        { true, true, true, false },
    };
    for (const Case& c : cases) {
        ClassRig teacher(11);
        ClassRig pupil(12);
        ClassFollower follower;
        NewsStore store;
        store.news = { true, c.orders };
        store.order = orderFor(teacher, 2, 1, 1);
        const ClassFollower::Update update
            = follower.takeNews(store, pupil.machine, c.teachersMachine, c.lookAnyway);
        EXPECT_TRUE(update.news.trials);
        EXPECT_EQ(update.changes, c.follows ? Changes { Change::Mechanism } : Changes {})
            << c.orders << c.lookAnyway << c.teachersMachine;
    }
}

TEST(ClassFollower, TheClassMechanismGivesThePupilTheTeachersOutputs)
{
    const std::pair<int, int> schemes[] = { { 1, 1 }, { 2, 1 }, { 2, 9 }, { 3, 4 } };
    for (const auto& [level, scheme] : schemes) {
        ClassRig teacher(11);
        ClassRig pupil(12);
        ClassFollower follower;
        const ClassOrder order = orderFor(teacher, level, scheme, 1);
        ASSERT_EQ(follower.follow(pupil.machine, order), Changes { Change::Mechanism })
            << order.mechanism;
        ASSERT_EQ(pupil.machine.notebook().pages().size(), 1u);
        for (const auto& [first, second] : { std::pair { "12", "5" }, { "3", "4" }, { "7", "7" } })
            EXPECT_EQ(pupil.experiment(first, second), teacher.experiment(first, second))
                << level << " " << scheme << ": " << first << ", " << second;
        const Page& page = pupil.machine.notebook().pages().back();
        ASSERT_EQ(page.trials.size(), 3u);
        EXPECT_EQ(page.trials[0].first, "12");
        EXPECT_EQ(page.trials[0].second, "5");
        // The same order looked at again changes nothing.
        EXPECT_EQ(follower.follow(pupil.machine, order), Changes {});
        EXPECT_EQ(pupil.machine.notebook().pages().size(), 1u);
    }
}

TEST(ClassFollower, StopsGoesOnAndTellsTheRuleOnlyOnTheClassPage)
{
    ClassRig teacher(3);
    ClassRig pupil(4);
    ClassFollower follower;
    ClassOrder order = orderFor(teacher, 2, 3, 1);
    order.stopped = true;
    // A pupil who joins during a stop: stopped, and on the class's mechanism.
    EXPECT_EQ(
        follower.follow(pupil.machine, order), (Changes { Change::Stopped, Change::Mechanism }));
    EXPECT_TRUE(follower.stopped());
    order.stopped = false;
    EXPECT_EQ(follower.follow(pupil.machine, order), Changes { Change::GoesOn });
    EXPECT_FALSE(follower.stopped());
    order.revealSerial = 1;
    EXPECT_EQ(follower.follow(pupil.machine, order), Changes { Change::RuleTold });
    EXPECT_EQ(follower.follow(pupil.machine, order), Changes {});

    // A pupil who went on to a level of their own is not told the class's rule.
    order = orderFor(teacher, 1, 2, 2);
    EXPECT_EQ(follower.follow(pupil.machine, order), Changes { Change::Mechanism });
    pupil.machine.chooseLevel(3);
    order.revealSerial = 2;
    EXPECT_EQ(follower.follow(pupil.machine, order), Changes {});
}

TEST(LiveBoard, AliasesAreStableAndDistinct)
{
    EXPECT_EQ(boardAlias(0), "Volpe");
    EXPECT_EQ(boardAlias(1), "Gufo");
    EXPECT_EQ(boardAlias(30), "Volpe 2");
    EXPECT_EQ(boardAlias(61), "Gufo 3");
    std::set<std::string> seen;
    for (long long id = 1; id <= 200; ++id)
        EXPECT_TRUE(seen.insert(boardAlias(id)).second) << id;

    const std::pair<long long, const char*> ago[]
        = { { 0, "adesso" }, { 4, "adesso" }, { 5, "5 s fa" }, { 59, "59 s fa" },
              { 60, "1 min fa" }, { 3599, "59 min fa" }, { 7200, "2 h fa" } };
    for (const auto& [seconds, text] : ago)
        EXPECT_EQ(agoText(seconds), text) << seconds;
}

TEST(LiveBoard, TheFurthestOnComeFirst)
{
    std::vector<BoardRow> rows(4);
    rows[0].name = "Anna"; // two trials
    rows[0].trials = 2;
    rows[1].name = "Bruno"; // discovered
    rows[1].discovered = true;
    rows[1].streak = 3;
    rows[2].name = "Carla"; // two right in a row
    rows[2].streak = 2;
    rows[3].name = "Dario"; // two trials, as Anna
    rows[3].trials = 2;
    sortByProgress(rows);
    std::vector<std::string> order;
    for (const BoardRow& row : rows)
        order.push_back(row.name);
    EXPECT_EQ(order, (std::vector<std::string> { "Bruno", "Carla", "Anna", "Dario" }));
}

} // namespace
} // namespace quorvel::testing
