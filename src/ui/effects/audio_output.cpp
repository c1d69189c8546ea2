// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/effects/audio_output.h"

#include "ui/modules/modules.h"

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

} // namespace

AudioOutput::AudioOutput(bool silent, QObject* parent)
    : QObject(parent)
    , m_silent(silent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &AudioOutput::finished);
}

AudioOutput::~AudioOutput() = default;

void AudioOutput::play(const QByteArray& pcm16Mono, int sampleRate)
{
    stop();
    if (!m_silent && !pcm16Mono.isEmpty()) {
        if (!m_device) {
            if (MediaModule* media = mediaModule())
                m_device = media->createPcmDevice();
            else
                m_silent = true; // said once by the loader
        }
        if (m_device && !m_device->start(pcm16Mono, sampleRate))
            m_device->stop();
    }
    m_timer.start(durationMs(pcm16Mono.size(), sampleRate));
}

void AudioOutput::stop()
{
    m_timer.stop();
    if (m_device)
        m_device->stop();
}

} // namespace quorvel
