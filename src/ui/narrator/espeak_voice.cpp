// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/narrator/espeak_voice.h"

#include "ui/narrator/espeak_engine.h"

#include <QDeadlineTimer>
#include <QThread>

#include <atomic>
#include <mutex>

namespace quorvel {

namespace {

constexpr int exitGraceMs = 250;

} // namespace

// What the worker may still touch after the voice is gone: the engine, and the receiver of
// its results, which the voice clears before it goes.
struct EspeakVoice::Shared
{
    std::atomic<bool> closing { false }; // texts still waiting are then skipped
    std::mutex mutex;
    QObject* receiver = nullptr;
    EspeakEngine engine;
};

EspeakVoice::EspeakVoice()
    : m_shared(std::make_shared<Shared>())
    , m_receiver(std::make_unique<QObject>())
{
    m_shared->receiver = m_receiver.get();
}

EspeakVoice::~EspeakVoice()
{
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->receiver = nullptr;
    }
    m_shared->closing = true;
    if (!m_thread)
        return;
    QMetaObject::invokeMethod(m_worker, [] { QThread::currentThread()->quit(); });
    if (m_thread->wait(QDeadlineTimer(exitGraceMs))) {
        delete m_worker;
        delete m_thread;
    }
    // Otherwise the thread and its objects are left running until the process ends:
    // destroying a running QThread would abort the program.
}

void EspeakVoice::setReadyHandler(ReadyHandler handler)
{
    m_ready = std::move(handler);
}

void EspeakVoice::warmUp()
{
    ensureWorker();
    std::shared_ptr<Shared> shared = m_shared;
    QMetaObject::invokeMethod(m_worker, [shared] { shared->engine.ensureReady(); });
}

void EspeakVoice::synthesize(quint64 ticket, const std::vector<SpeechPiece>& pieces)
{
    ensureWorker();
    std::shared_ptr<Shared> shared = m_shared;
    QMetaObject::invokeMethod(m_worker, [this, shared, ticket, pieces] {
        if (shared->closing)
            return;
        Utterance utterance = shared->engine.speak(pieces);
        const std::lock_guard lock(shared->mutex);
        if (!shared->receiver)
            return;
        // Back on the voice's own thread; dropped unread if the receiver is gone by then.
        QMetaObject::invokeMethod(shared->receiver,
            [this, ticket, utterance = std::move(utterance)] { deliver(ticket, utterance); });
    });
}

void EspeakVoice::ensureWorker()
{
    if (m_thread)
        return;
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("espeak-voice"));
    m_worker = new QObject;
    m_worker->moveToThread(m_thread);
    m_thread->start();
}

void EspeakVoice::deliver(quint64 ticket, const Utterance& utterance)
{
    if (m_ready)
        m_ready(ticket, utterance);
}

} // namespace quorvel
