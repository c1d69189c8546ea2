// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/narrator/pause_tags.h"

#include <QByteArray>
#include <QtGlobal>

#include <functional>
#include <vector>

namespace quorvel {

// One speech text made ready to say: the whole sound, pauses included, and how long each
// piece of the text lasts within it.
struct Utterance
{
    QByteArray pcm; // 16-bit signed mono
    int sampleRate = 0;
    std::vector<int> pieceMs; // one entry per SpeechPiece, text and pause alike
    bool voiced = false; // false when nothing could be synthesized: pace by the words instead
};

// Turns speech texts into sound away from the window's thread. Results come back on the
// thread that owns the voice, through the handler, tagged with the caller's ticket.
class Voice
{
public:
    using ReadyHandler = std::function<void(quint64 ticket, const Utterance& utterance)>;

    virtual ~Voice() = default;
    virtual void setReadyHandler(ReadyHandler handler) = 0;
    // Returns at once.
    virtual void synthesize(quint64 ticket, const std::vector<SpeechPiece>& pieces) = 0;
};

} // namespace quorvel
