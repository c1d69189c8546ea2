// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/narrator/narrator_service.h"

#include "ui/effects/audio_output.h"
#include "ui/modules/modules.h"
#include "ui/narrator/merlin_narrator.h"

namespace quorvel {

NarratorService::NarratorService(bool silent)
    : m_silent(silent)
{
}

NarratorService::~NarratorService() = default;

Narrator* NarratorService::load(const std::string& id)
{
    if (id != "merlin")
        return nullptr;
    if (m_merlin)
        return m_merlin.get();
    if (MediaModule* media = mediaModule())
        m_voice = media->createVoice();
    m_audio = std::make_unique<AudioOutput>(m_silent);
    m_merlin = std::make_unique<MerlinNarrator>(m_voice.get(), true);
    QObject::connect(m_merlin.get(), &MerlinNarrator::speechSound, m_audio.get(),
        [audio = m_audio.get()](const QByteArray& pcm, int rate) { audio->play(pcm, rate); });
    QObject::connect(
        m_merlin.get(), &MerlinNarrator::soundStopped, m_audio.get(), &AudioOutput::stop);
    if (m_loaded)
        m_loaded(*m_merlin);
    return m_merlin.get();
}

void NarratorService::setLoadedHandler(std::function<void(MerlinNarrator&)> handler)
{
    m_loaded = std::move(handler);
}

} // namespace quorvel
