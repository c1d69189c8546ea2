// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Speaks one narrator scene to a WAV file (16-bit mono), the pauses in place, and lists where
// each speech and pause falls, so that the sound can be checked with sox or by ear.
//   narrator_scene_wav [--lingua it|en] <welcome|first_output|controlli|da_ricordare|opened>
//   <out.wav>
#include "core/narrator/scenes.h"
#include "language/language.h"
#include "ui/narrator/espeak_engine.h"

#include <QFile>

#include <cstdio>
#include <functional>
#include <map>
#include <numeric>
#include <vector>

using namespace quorvel;

namespace {

// Keeps the texts of a scene's Speak requests and ignores the rest.
class SpeechCollector : public SilentNarrator
{
public:
    std::vector<std::string> texts;
    void speak(const std::string& text) override { texts.push_back(text); }
};

QByteArray wavHeader(qsizetype dataBytes, int rate)
{
    QByteArray h;
    auto put32 = [&](quint32 v) {
        for (int i = 0; i < 4; ++i)
            h.append(char(v >> (8 * i)));
    };
    auto put16 = [&](quint16 v) {
        h.append(char(v));
        h.append(char(v >> 8));
    };
    h.append("RIFF");
    put32(quint32(36 + dataBytes));
    h.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(quint32(rate));
    put32(quint32(rate * 2));
    put16(2);
    put16(16);
    h.append("data");
    put32(quint32(dataBytes));
    return h;
}

} // namespace

int main(int argc, char** argv)
{
    std::string problem;
    const auto language = takeLanguageArgument(argc, argv, problem);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[0]).section('/', 0, -2);
    if (!installLanguage(language.value_or(Language::italian), folder.isEmpty() ? "." : folder))
        return 1;
    const std::map<std::string, std::function<void(Narrator&)>> scenes {
        { "welcome", sceneWelcome },
        { "first_output", sceneFirstOutput },
        { "controlli", sceneControlli },
        { "da_ricordare", sceneDaRicordare },
        { "opened", [](Narrator& n) { sceneOpenedMechanism(n, "prova"); } },
        { "class_mechanism", sceneClassMechanism },
        { "class_stopped", sceneClassStopped },
        { "class_goes_on", sceneClassGoesOn },
    };
    if (argc != 3 || !scenes.count(argv[1])) {
        std::fprintf(stderr,
            "usage: %s [--lingua it|en] <welcome|first_output|controlli|da_ricordare|opened|"
            "class_mechanism|class_stopped|class_goes_on> <out.wav>\n",
            argv[0]);
        return 2;
    }
    SpeechCollector collector;
    scenes.at(argv[1])(collector);

    EspeakEngine engine;
    if (!engine.ensureReady()) {
        std::fprintf(stderr, "no voice for the language\n");
        return 1;
    }
    QByteArray pcm;
    int atMs = 0;
    for (const std::string& text : collector.texts) {
        const std::vector<SpeechPiece> pieces = splitSpeech(text);
        const Utterance u = engine.speak(pieces);
        if (!u.voiced) {
            std::fprintf(stderr, "nothing could be said of: %s\n", text.c_str());
            return 1;
        }
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            std::printf("%7d ms  %s %d ms  %s\n", atMs, pieces[i].isPause() ? "pause" : "words",
                u.pieceMs[i], pieces[i].text.c_str());
            atMs += u.pieceMs[i];
        }
        pcm.append(u.pcm);
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly))
        return 1;
    out.write(wavHeader(pcm.size(), EspeakEngine::sampleRate));
    out.write(pcm);
    std::printf("total %d ms in %zu speeches\n", atMs, collector.texts.size());
    return 0;
}
