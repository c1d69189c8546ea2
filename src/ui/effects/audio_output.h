#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <memory>

class QAudioSink;

namespace quorvel {

// Plays 16-bit signed mono PCM on the default output without blocking. Time is kept by a timer,
// not by the sink's signals: with no sound server the sink fails at once, and a pupil's machine
// without speakers must keep the same rhythm as one with them.
class AudioOutput : public QObject
{
    Q_OBJECT

public:
    explicit AudioOutput(bool silent = false, QObject* parent = nullptr);
    ~AudioOutput() override;

    // Replaces whatever is still sounding. finished() follows after the sound's duration, even
    // when nothing can be heard; it is never emitted from inside play() itself.
    void play(const QByteArray& pcm16Mono, int sampleRate);
    // Cuts the sound short; the play it ends emits no finished().
    void stop();

    bool isSilent() const { return m_silent; }

signals:
    void finished();

private:
    bool startSink(int sampleRate);
    void releaseSink();

    bool m_silent;
    std::unique_ptr<QAudioSink> m_sink;
    QBuffer m_buffer;
    QTimer m_timer;
};

} // namespace quorvel
