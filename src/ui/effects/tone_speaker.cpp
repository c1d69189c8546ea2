// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/effects/tone_speaker.h"

#include <QEventLoop>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

namespace quorvel {

namespace {

constexpr double fadeMs = 5.0;
// Loud enough to hear, well short of full scale, which sounds harsh on small speakers.
constexpr double amplitude = 0.4 * 32767;

} // namespace

QByteArray sineTone(int frequency, int milliseconds, int sampleRate)
{
    const qsizetype count
        = std::max<qint64>(0, static_cast<qint64>(milliseconds) * sampleRate / 1000);
    QByteArray pcm(count * 2, '\0');
    if (frequency <= 0 || 2 * frequency >= sampleRate)
        return pcm;

    // A tone shorter than two fades fades over half its length each way.
    const qsizetype fade
        = std::min<qsizetype>(static_cast<qsizetype>(fadeMs * sampleRate / 1000), count / 2);
    const double step = 2.0 * std::numbers::pi * frequency / sampleRate;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype edge = std::min(i, count - 1 - i);
        const double gain = edge < fade ? static_cast<double>(edge) / fade : 1.0;
        // In the host's byte order, which is what the sink's Int16 format means.
        const auto sample
            = static_cast<std::int16_t>(std::lround(amplitude * gain * std::sin(step * i)));
        std::memcpy(pcm.data() + 2 * i, &sample, sizeof sample);
    }
    return pcm;
}

ToneSpeaker::ToneSpeaker(bool silent)
    : m_output(silent)
{
}

void ToneSpeaker::beep(int frequency, int milliseconds)
{
    if (milliseconds <= 0)
        return;
    QEventLoop loop;
    QObject::connect(&m_output, &AudioOutput::finished, &loop, &QEventLoop::quit);
    m_output.play(sineTone(frequency, milliseconds, sampleRate), sampleRate);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace quorvel
