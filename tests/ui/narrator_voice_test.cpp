#include "ui/narrator/espeak_engine.h"
#include "ui/narrator/espeak_voice.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>

namespace quorvel {
namespace {

TEST(SpokenForm, TypewriterAccentsBecomeAccentedVowelsForTheVoiceOnly)
{
    const struct
    {
        const char* shown;
        const char* spoken;
    } table[] = {
        { "puo' essere", "può essere" },
        { "piu' cose", "più cose" },
        { "dal menu' livello", "dal menù livello" },
        { "cosi',", "così," },
        { "E'", "È" },
        { "l'output clicca", "l'output clicca" },
        { "finchè", "finchè" },
        { "“Benvenuti”", "“Benvenuti”" },
    };
    for (const auto& row : table)
        EXPECT_EQ(
            EspeakEngine::spokenForm(QString::fromUtf8(row.shown)), QString::fromUtf8(row.spoken));
}

// Whether some samples around this position (in ms) are louder than a whisper.
bool soundsAround(const Utterance& u, int fromMs, int toMs)
{
    const auto* samples = reinterpret_cast<const qint16*>(u.pcm.constData());
    const qsizetype count = u.pcm.size() / 2;
    for (qsizetype i = qsizetype(fromMs) * u.sampleRate / 1000;
         i < std::min(count, qsizetype(toMs) * u.sampleRate / 1000); ++i)
        if (std::abs(samples[i]) > 300)
            return true;
    return false;
}

TEST(EspeakEngine, SaysItalianWithSilencesOfExactlyThePausesLength)
{
    EspeakEngine engine;
    if (!engine.ensureReady())
        GTEST_SKIP() << "no Italian voice on this machine";
    const Utterance u
        = engine.speak(splitSpeech("\\pau=500\\Buon Lavoro!\\Pau=700\\Apprendista scienziato."));
    ASSERT_TRUE(u.voiced);
    ASSERT_EQ(u.pieceMs.size(), 4u);
    EXPECT_EQ(u.pieceMs[0], 500);
    EXPECT_EQ(u.pieceMs[2], 700);
    EXPECT_GT(u.pieceMs[1], 400);
    EXPECT_LT(u.pieceMs[1], 3000);
    const int total = std::accumulate(u.pieceMs.begin(), u.pieceMs.end(), 0);
    EXPECT_NEAR(u.pcm.size() / 2 * 1000 / u.sampleRate, total, 3);

    EXPECT_FALSE(soundsAround(u, 0, 500));
    EXPECT_TRUE(soundsAround(u, 500, 500 + u.pieceMs[1]));
    const int secondPause = 500 + u.pieceMs[1];
    EXPECT_FALSE(soundsAround(u, secondPause + 20, secondPause + 700));
    EXPECT_TRUE(soundsAround(u, secondPause + 700, total));
}

TEST(EspeakVoice, AnswersThroughTheEventLoopWithTheCallersTicket)
{
    EspeakVoice voice;
    std::vector<quint64> answered;
    voice.setReadyHandler([&](quint64 ticket, const Utterance&) { answered.push_back(ticket); });
    voice.synthesize(7, splitSpeech("uno"));
    voice.synthesize(8, splitSpeech("due"));
    EXPECT_TRUE(answered.empty()) << "synthesis never runs on the caller's thread";
    QElapsedTimer waited;
    waited.start();
    while (answered.size() < 2 && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(answered, std::vector<quint64>({ 7, 8 }));
}

} // namespace
} // namespace quorvel
