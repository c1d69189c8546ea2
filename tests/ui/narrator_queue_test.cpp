#include "ui/narrator/request_queue.h"
#include "ui/narrator/speech_timeline.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

using Kind = NarratorRequest::Kind;

NarratorRequest play(std::string name)
{
    NarratorRequest r;
    r.kind = Kind::Play;
    r.text = std::move(name);
    return r;
}

TEST(RequestQueue, StartsEachRequestOnlyWhenThePreviousHasFinished)
{
    std::vector<std::string> started;
    RequestQueue queue([&](const NarratorRequest& r) { started.push_back(r.text); });
    queue.push(play("a"));
    queue.push(play("b"));
    queue.push(play("c"));
    EXPECT_EQ(started, std::vector<std::string>({ "a" }));
    EXPECT_EQ(queue.waiting(), 2u);
    queue.finishCurrent();
    queue.finishCurrent();
    EXPECT_EQ(started, std::vector<std::string>({ "a", "b", "c" }));
    queue.finishCurrent();
    EXPECT_TRUE(queue.idle());
}

TEST(RequestQueue, RequestsThatFinishAsTheyStartLetTheNextOnesRunWithoutRecursion)
{
    std::vector<std::string> started;
    RequestQueue* self = nullptr;
    RequestQueue queue([&](const NarratorRequest& r) {
        started.push_back(r.text);
        if (r.text != "slow")
            self->finishCurrent();
    });
    self = &queue;
    queue.push(play("slow"));
    for (int i = 0; i < 10000; ++i)
        queue.push(play("instant"));
    queue.push(play("slow"));
    queue.finishCurrent();
    EXPECT_EQ(started.size(), 10002u);
    EXPECT_EQ(queue.current()->text, "slow");
    EXPECT_EQ(queue.waiting(), 0u);
}

TEST(RequestQueue, ClearDropsEverythingWithoutStartingMore)
{
    int starts = 0;
    RequestQueue queue([&](const NarratorRequest&) { ++starts; });
    queue.push(play("a"));
    queue.push(play("b"));
    queue.clear();
    EXPECT_TRUE(queue.idle());
    EXPECT_EQ(starts, 1);
}

SpeechTimeline timelineOf(const std::string& text, std::vector<int> ms)
{
    return SpeechTimeline(splitSpeech(text), ms);
}

TEST(SpeechTimeline, RevealsWordsInProportionToTheirLengthAndNothingDuringPauses)
{
    // "ab" and "cdef" share 600 ms by letters: "cdef" starts at 200 ms.
    const SpeechTimeline t = timelineOf("\\pau=1000\\ab cdef\\Pau=500\\g", { 1000, 600, 500, 300 });
    EXPECT_EQ(t.displayText(), "ab cdefg");
    EXPECT_EQ(t.totalMs(), 2400);
    const struct
    {
        int ms;
        const char* shown;
        bool saying;
    } table[] = {
        { 0, "", false },
        { 999, "", false },
        { 1000, "ab", true },
        { 1199, "ab", true },
        { 1200, "ab cdef", true },
        { 1700, "ab cdef", false },
        { 2100, "ab cdefg", true },
        { 5000, "ab cdefg", false },
    };
    for (const auto& row : table) {
        EXPECT_EQ(t.displayText().left(t.revealedAt(row.ms)), QString::fromUtf8(row.shown))
            << row.ms;
        EXPECT_EQ(t.isSayingAt(row.ms), row.saying) << row.ms;
    }
}

TEST(SpeechTimeline, KeepsBlanksAndTypographicQuotesOfTheText)
{
    const SpeechTimeline t = timelineOf("“Benvenuti  è”\\pau=5\\ ", { 100, 5, 0 });
    EXPECT_EQ(t.displayText(), QString::fromUtf8("“Benvenuti  è” "));
    EXPECT_EQ(t.revealedAt(t.totalMs()), t.displayText().size());
}

TEST(SpeechTimeline, EstimatesByWordsAndGivesPausesTheirExactLength)
{
    const auto pieces = splitSpeech("uno due,tre\\pau=700\\.....\\pau=0\\");
    const std::vector<int> ms = estimatedPieceMs(pieces);
    ASSERT_EQ(ms.size(), 4u);
    EXPECT_EQ(ms[0], 3 * estimatedSpeechMs(QStringLiteral("uno")));
    EXPECT_EQ(ms[1], 700);
    EXPECT_GT(ms[2], 0) << "a run of dots still shows for a moment";
    EXPECT_EQ(ms[3], 0);
    EXPECT_EQ(estimatedSpeechMs(QStringLiteral("   ")), 0);
}

} // namespace
} // namespace quorvel
