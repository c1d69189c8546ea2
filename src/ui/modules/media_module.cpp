// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The voice and the sound device, with espeak-ng and Qt Multimedia: loaded after the window's
// first picture.
#include "ui/modules/modules.h"
#include "ui/narrator/espeak_voice.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <cstdio>

namespace quorvel {
namespace {

// Said once per run: every sound after it keeps its time in silence.
void reportSilence(const char* why)
{
    static bool reported = false;
    if (!reported)
        std::fprintf(stderr, "quorvel: %s; sounds and speech stay silent\n", why);
    reported = true;
}

class QtPcmDevice : public PcmDevice
{
public:
    ~QtPcmDevice() override { stop(); }

    bool start(const QByteArray& pcm16Mono, int sampleRate) override
    {
        stop();
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
        m_buffer.setData(pcm16Mono);
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_buffer.open(QIODevice::ReadOnly);
        m_sink->start(&m_buffer);
        if (m_sink->error() == QAudio::OpenError) {
            reportSilence("the audio device cannot be opened");
            stop();
            return false;
        }
        return true;
    }

    // The sink reads from the buffer, so it goes first. Until then it is left to drain its
    // tail, which may outlast the caller's timer by the output's latency.
    void stop() override
    {
        if (m_sink) {
            m_sink->stop();
            m_sink.reset();
        }
        m_buffer.close();
    }

private:
    std::unique_ptr<QAudioSink> m_sink;
    QBuffer m_buffer;
};

class QtMediaModule : public MediaModule
{
public:
    std::unique_ptr<Voice> createVoice() override
    {
        auto voice = std::make_unique<EspeakVoice>();
        voice->warmUp();
        return voice;
    }
    std::unique_ptr<PcmDevice> createPcmDevice() override
    {
        return std::make_unique<QtPcmDevice>();
    }
};

} // namespace
} // namespace quorvel

extern "C" Q_DECL_EXPORT quorvel::MediaModule* quorvelMediaModule(
    quorvel::Language language, quorvel::Translator translator)
{
    quorvel::useLanguage(language, translator);
    static quorvel::QtMediaModule module;
    return &module;
}
