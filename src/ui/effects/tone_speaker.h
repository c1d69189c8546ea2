// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/ports.h"
#include "ui/effects/audio_output.h"

#include <QByteArray>

namespace quorvel {

// A sine tone as 16-bit signed mono PCM, with short fades at both ends so that it starts and
// stops without a click. A frequency the rate cannot carry (<= 0 or at or above half the rate)
// gives silence of the same length.
QByteArray sineTone(int frequency, int milliseconds, int sampleRate);

// The machine's speaker: each command key's tone, heard in full before the key's work goes on.
class ToneSpeaker : public Speaker
{
public:
    static constexpr int sampleRate = 48000;

    explicit ToneSpeaker(bool silent = false);

    // Returns when the tone has ended. The window keeps painting and its timers keep ticking
    // meanwhile, but clicks and keys wait: a second key pressed during a tone must not start
    // its handler inside the first one's.
    void beep(int frequency, int milliseconds) override;

private:
    AudioOutput m_output;
};

} // namespace quorvel
