#pragma once

#include "core/ports/ports.h"
#include "ui/narrator/request_queue.h"
#include "ui/narrator/speech_timeline.h"
#include "ui/narrator/voice.h"
#include "ui/narrator/voice_ahead.h"
#include "ui/narrator/wizard_animations.h"

#include <QElapsedTimer>
#include <QFont>
#include <QObject>
#include <QPointF>
#include <QTimer>

#include <memory>
#include <optional>

namespace quorvel {

class CharacterWindow;
class SpeechBalloon;

// The character "merlin": takes the core's requests, queues them and carries them out one by
// one on the desktop. Time moves on only through advance(): a frame timer calls it with the
// real time elapsed, and tests call it with whatever steps they like.
class MerlinNarrator : public QObject, public Narrator
{
    Q_OBJECT

public:
    static constexpr int fadeMs = 300;
    // How long a Speak waits for its sound before it goes on without it.
    static constexpr int voiceWaitMs = 1500;
    // How long the balloon stays after the last word when nothing else is said.
    static constexpr int balloonLingerMs = 1200;

    // voice may be null: every text is then paced by its words. Without realTime no timer
    // runs and only advance() moves things on.
    MerlinNarrator(Voice* voice, bool realTime, QObject* parent = nullptr);
    ~MerlinNarrator() override;

    void Show() override;
    void Hide() override;
    void Speak(const std::string& text) override;
    void Play(const std::string& animation) override;
    void MoveTo(std::int16_t x, std::int16_t y) override;
    void setTop(std::int16_t y) override;
    void setLanguageID(int id) override;
    void setFontName(const std::string& name) override;
    void setFontSize(int size) override;

    // Where the character stands before any request places it (screen pixels, top-left).
    void setPosition(QPoint topLeft);
    void advance(int ms);

    bool isShown() const { return m_shown; }
    QPoint position() const { return m_position.toPoint(); }
    double opacity() const;
    std::optional<Gesture> playing() const;
    bool balloonShown() const;
    QString balloonText() const;
    const RequestQueue& queue() const { return m_queue; }
    int languageId() const { return m_languageId; }
    CharacterWindow& window() { return *m_window; }
    SpeechBalloon& balloon() { return *m_balloon; }

signals:
    // A request has reached the head of the queue.
    void requestStarted(NarratorRequest::Kind kind);
    // A Speak's sound, to be played from now on.
    void speechSound(const QByteArray& pcm, int sampleRate);

private:
    struct Activity
    {
        NarratorRequest::Kind kind = NarratorRequest::Kind::Show;
        int elapsedMs = 0;
        int durationMs = 0;
        QPointF from;
        QPointF to;
        std::optional<Gesture> gesture;
        quint64 ticket = 0;
        std::vector<SpeechPiece> pieces;
        bool waitingForVoice = false;
        SpeechTimeline timeline;
    };

    void enqueue(NarratorRequest request);
    void start(const NarratorRequest& request);
    void startGlide(const NarratorRequest& request);
    void startSpeaking(const NarratorRequest& request);
    void beginSpeech(const Utterance& utterance);
    void onVoiceReady(quint64 ticket, const Utterance& utterance);
    int step(int ms);
    void complete();
    void refresh();
    void showWindows();
    void placeWindows();
    void updateTimer();

    Voice* m_voice;
    bool m_realTime;
    std::unique_ptr<CharacterWindow> m_window;
    std::unique_ptr<SpeechBalloon> m_balloon;
    RequestQueue m_queue;
    std::optional<Activity> m_activity;
    VoiceAhead m_voiceAhead;
    quint64 m_nextTicket = 1;
    static constexpr std::size_t maxWaitingRequests = 400;
    QPointF m_position;
    bool m_shown = false;
    qint64 m_clockMs = 0;
    qint64 m_balloonHideAt = 0;
    int m_languageId = 0;
    QFont m_font;
    QTimer m_frameTimer;
    QElapsedTimer m_sinceFrame;
};

} // namespace quorvel
