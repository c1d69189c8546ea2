// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The voice and the sound device, with espeak-ng and pcaudio (espeak-ng's own audio output:
// PulseAudio where a sound server runs, else ALSA): loaded after the window's first picture.
#include "ui/effects/pcm_stream.h"
#include "ui/modules/modules.h"
#include "ui/narrator/espeak_voice.h"

#include <pcaudiolib/audio.h>

#include <bit>
#include <cstdio>

#include <dlfcn.h>

namespace quorvel {
namespace {

// Said once per run: every sound after it keeps its time in silence.
void reportSilence()
{
    static bool reported = false;
    if (!reported)
        std::fprintf(stderr, "quorvel: no audio device; sounds and speech stay silent\n");
    reported = true;
}

// ALSA, which pcaudio loads, writes its own lines on standard error when it finds no device; the
// game says so in its one line. Quietened through the library already loaded, by its C name, so
// that the game needs no ALSA of its own.
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) { }

void quietenAlsa()
{
    using SetErrorHandler = int (*)(void (*)(const char*, int, const char*, int, const char*, ...));
    static const bool done = [] {
        if (void* set = dlsym(RTLD_DEFAULT, "snd_lib_error_set_handler"))
            reinterpret_cast<SetErrorHandler>(set)(ignoreAlsaError);
        return true;
    }();
    (void)done;
}

// The default output of the system, through pcaudio. The device is looked for at the first
// sound, on the stream's thread, and again at the next sound when there was none.
class PcaudioSink : public PcmSink
{
public:
    ~PcaudioSink() override
    {
        if (m_device)
            audio_object_destroy(m_device);
    }

    bool open(int sampleRate) override
    {
        quietenAlsa();
        if (!m_device)
            m_device = create_audio_device_object(nullptr, "Quorvel", "Quorvel");
        if (!m_device) {
            reportSilence();
            return false;
        }
        constexpr audio_object_format hostOrder = std::endian::native == std::endian::little
            ? AUDIO_OBJECT_FORMAT_S16LE
            : AUDIO_OBJECT_FORMAT_S16BE;
        // Without a sound server pcaudio falls back on ALSA, whose default device is missing
        // on a computer without a sound card.
        if (audio_object_open(m_device, hostOrder, static_cast<std::uint32_t>(sampleRate), 1)
            != 0) {
            reportSilence();
            return false;
        }
        return true;
    }

    bool write(const char* bytes, std::size_t size) override
    {
        return audio_object_write(m_device, bytes, size) == 0;
    }

    void flush() override { audio_object_flush(m_device); }
    void close() override { audio_object_close(m_device); }

private:
    audio_object* m_device = nullptr;
};

class PcaudioPcmDevice : public PcmDevice
{
public:
    bool start(const QByteArray& pcm16Mono, int sampleRate) override
    {
        if (sampleRate <= 0)
            return false;
        m_stream.play(pcm16Mono, sampleRate);
        return true;
    }

    void stop() override { m_stream.stop(); }

private:
    PcmStream m_stream { std::make_unique<PcaudioSink>() };
};

class EspeakPcaudioModule : public MediaModule
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
        return std::make_unique<PcaudioPcmDevice>();
    }
};

} // namespace
} // namespace quorvel

extern "C" Q_DECL_EXPORT quorvel::MediaModule* quorvelMediaModule(
    quorvel::Language language, quorvel::Translator translator)
{
    quorvel::useLanguage(language, translator);
    static quorvel::EspeakPcaudioModule module;
    return &module;
}
