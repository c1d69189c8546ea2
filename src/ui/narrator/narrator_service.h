// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/ports.h"

#include <functional>
#include <memory>

namespace quorvel {

class AudioOutput;
class MerlinNarrator;
class Voice;

// The character service. It knows one character, "merlin", and builds it on the
// first load; creating the service itself costs nothing. The voice comes from the media
// module and loads in the background; a machine without a voice or without sound still gets
// the character and its balloon.
class NarratorService : public CharacterService
{
public:
    // silent: never opens an audio device (tests, measurements).
    explicit NarratorService(bool silent = false);
    ~NarratorService() override;

    Narrator* load(const std::string& id) override;
    // Told of the character as soon as it is built, before it takes any request.
    void setLoadedHandler(std::function<void(MerlinNarrator&)> handler);
    // The character once loaded, else null.
    MerlinNarrator* merlin() const { return m_merlin.get(); }

private:
    bool m_silent;
    std::function<void(MerlinNarrator&)> m_loaded;
    // Destroyed in reverse: the character first, then the sound, then the voice's worker.
    std::unique_ptr<Voice> m_voice;
    std::unique_ptr<AudioOutput> m_audio;
    std::unique_ptr<MerlinNarrator> m_merlin;
};

} // namespace quorvel
