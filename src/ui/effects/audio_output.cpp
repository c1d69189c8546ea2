#include "ui/effects/audio_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <cstdio>

namespace quorvel {

namespace {

constexpr int bytesPerSample = 2;

int durationMs(qsizetype bytes, int sampleRate)
{
    if (sampleRate <= 0)
        return 0;
    const qint64 samples = bytes / bytesPerSample;
    // Rounded up, so that finished() never comes before the last sample is due.
    return static_cast<int>((samples * 1000 + sampleRate - 1) / sampleRate);
}

// Said once per run: every sound after it keeps its time in silence.
void reportSilence(const char* why)
{
    static bool reported = false;
    if (!reported)
        std::fprintf(stderr, "quorvel: %s; sounds and speech stay silent\n", why);
    reported = true;
}

} // namespace

AudioOutput::AudioOutput(bool silent, QObject* parent)
    : QObject(parent)
    , m_silent(silent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &AudioOutput::finished);
}

AudioOutput::~AudioOutput()
{
    releaseSink();
}

void AudioOutput::play(const QByteArray& pcm16Mono, int sampleRate)
{
    stop();
    m_buffer.setData(pcm16Mono);
    if (!m_silent && !pcm16Mono.isEmpty() && !startSink(sampleRate))
        releaseSink();
    m_timer.start(durationMs(pcm16Mono.size(), sampleRate));
}

void AudioOutput::stop()
{
    m_timer.stop();
    releaseSink();
}

bool AudioOutput::startSink(int sampleRate)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        reportSilence("no audio device");
        return false;
    }
    if (sampleRate <= 0)
        return false;

    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);

    m_sink = std::make_unique<QAudioSink>(device, format);
    m_buffer.open(QIODevice::ReadOnly);
    m_sink->start(&m_buffer);
    if (m_sink->error() == QAudio::OpenError) {
        reportSilence("the audio device cannot be opened");
        return false;
    }
    return true;
}

// The sink reads from m_buffer, so it goes first. Until then it is left to drain its tail,
// which may outlast the timer by the output's latency.
void AudioOutput::releaseSink()
{
    if (m_sink) {
        m_sink->stop();
        m_sink.reset();
    }
    m_buffer.close();
}

} // namespace quorvel
