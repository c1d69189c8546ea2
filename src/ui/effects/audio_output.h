// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <memory>

namespace quorvel {

class PcmDevice;

// Plays 16-bit signed mono PCM on the default output without blocking. Time is kept by a timer,
// not by the device: with no sound server the device fails at once, and a pupil's machine
// without speakers must keep the same rhythm as one with them. The device comes from the media
// module on the first sound.
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
    bool m_silent;
    std::unique_ptr<PcmDevice> m_device;
    QTimer m_timer;
};

} // namespace quorvel
