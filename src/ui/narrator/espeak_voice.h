// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/narrator/voice.h"

#include <QObject>

#include <memory>

class QThread;

namespace quorvel {

// The espeak-ng voice on a worker thread of its own. Nothing here ever waits for synthesis:
// texts are queued to the worker and their sound comes back through the event loop. The
// library is loaded by the worker on its first job, so creating the voice costs next to
// nothing.
class EspeakVoice : public Voice
{
public:
    EspeakVoice();
    // Gives the worker a short moment to finish; a worker still busy after that is left to
    // the end of the process rather than holding up the program's exit.
    ~EspeakVoice() override;

    void setReadyHandler(ReadyHandler handler) override;
    void synthesize(quint64 ticket, const std::vector<SpeechPiece>& pieces) override;
    // Starts the worker and loads the library in the background, ahead of the first text.
    void warmUp();

private:
    struct Shared;

    void ensureWorker();
    void deliver(quint64 ticket, const Utterance& utterance);

    std::shared_ptr<Shared> m_shared;
    QThread* m_thread = nullptr;
    QObject* m_worker = nullptr;
    std::unique_ptr<QObject> m_receiver;
    ReadyHandler m_ready;
};

} // namespace quorvel
