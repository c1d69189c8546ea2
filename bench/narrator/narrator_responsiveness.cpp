// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays narrator scenes beside a bare window and measures, while they play:
//  - the largest gap between two turns of the window's event loop (a 1 ms probe timer);
//  - the time from a Speak reaching the head of the queue to its sound being handed to the
//    audio output.
// Options: --silent (no audio device), --scenes a,b,c (welcome, first_output, controlli,
// da_ricordare, opened; default all), --grab MS:FILE (screenshot of the screen, repeatable),
// --quit-at MS (ends the program mid-scene, as the game's "esci" does). GAPS=1 in the
// environment lists every gap over 10 ms and when each request started.
#include "core/narrator/scenes.h"
#include "ui/narrator/merlin_narrator.h"
#include "ui/narrator/narrator_service.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

using namespace quorvel;

namespace {

struct Options
{
    bool silent = false;
    QStringList scenes { "welcome", "first_output", "controlli", "da_ricordare", "opened" };
    std::vector<std::pair<int, QString>> grabs;
    int quitAtMs = -1;
};

Options parse(const QStringList& args)
{
    Options o;
    for (int i = 1; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--silent")
            o.silent = true;
        else if (args[i] == "--scenes" && hasValue)
            o.scenes = args[++i].split(',');
        else if (args[i] == "--quit-at" && hasValue)
            o.quitAtMs = args[++i].toInt();
        else if (args[i] == "--grab" && hasValue) {
            const QString grab = args[++i];
            o.grabs.emplace_back(grab.section(':', 0, 0).toInt(), grab.section(':', 1));
        }
    }
    return o;
}

// What the window's loop and the narrator's speeches went through.
class Measurements
{
public:
    explicit Measurements(MerlinNarrator& merlin)
        : m_verbose(qEnvironmentVariableIsSet("GAPS"))
    {
        m_clock.start();
        m_probe.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_probe, &QTimer::timeout, [this] { onTurn(); });
        QObject::connect(
            &merlin, &MerlinNarrator::requestStarted, [this](NarratorRequest::Kind kind) {
                if (kind == NarratorRequest::Kind::Speak)
                    m_headAt = m_clock.nsecsElapsed();
                if (m_verbose)
                    std::printf("request %d at %.0f ms\n", int(kind), m_clock.nsecsElapsed() / 1e6);
            });
        QObject::connect(&merlin, &MerlinNarrator::speechSound, [this](const QByteArray&, int) {
            m_soundDelays.push_back((m_clock.nsecsElapsed() - m_headAt) / 1e6);
        });
    }

    void start() { m_probe.start(1); }
    qint64 elapsedMs() const { return m_clock.elapsed(); }

    void print() const
    {
        std::vector<double> delays = m_soundDelays;
        std::sort(delays.begin(), delays.end());
        std::printf("largest event-loop gap: %.1f ms (target < 20)\n", m_worstGapMs);
        std::printf("Speak at head -> sound handed to the output: median %.1f ms, worst %.1f ms "
                    "over %zu speeches (target < 300)\n",
            delays.empty() ? 0.0 : delays[delays.size() / 2], delays.empty() ? 0.0 : delays.back(),
            delays.size());
    }

private:
    void onTurn()
    {
        const qint64 now = m_clock.nsecsElapsed();
        const double gapMs = m_lastTurn >= 0 ? (now - m_lastTurn) / 1e6 : 0;
        m_worstGapMs = std::max(m_worstGapMs, gapMs);
        if (m_verbose && gapMs > 10)
            std::printf("gap %.1f ms ending at %.0f ms\n", gapMs, now / 1e6);
        m_lastTurn = now;
    }

    bool m_verbose;
    QElapsedTimer m_clock;
    QTimer m_probe;
    qint64 m_lastTurn = -1;
    double m_worstGapMs = 0;
    qint64 m_headAt = 0;
    std::vector<double> m_soundDelays;
};

const std::map<QString, std::function<void(Narrator&)>>& allScenes()
{
    static const std::map<QString, std::function<void(Narrator&)>> scenes {
        { "welcome", sceneWelcome },
        { "first_output", sceneFirstOutput },
        { "controlli", sceneControlli },
        { "da_ricordare", sceneDaRicordare },
        { "opened", [](Narrator& n) { sceneOpenedMechanism(n, "prova"); } },
    };
    return scenes;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const Options options = parse(app.arguments());

    QLabel window(QStringLiteral("Quorvel"));
    window.setStyleSheet(QStringLiteral("background: #000080; color: white; font-size: 40px;"));
    window.setAlignment(Qt::AlignCenter);
    window.setGeometry(0, 0, 770, 530);
    window.show();

    QElapsedTimer loading;
    loading.start();
    NarratorService service(options.silent);
    Narrator* narrator = service.load("merlin");
    const double loadMs = loading.nsecsElapsed() / 1e6;
    narrator->setLanguage("it");
    MerlinNarrator& merlin = *service.merlin();
    Measurements measured(merlin);

    for (const auto& [ms, file] : options.grabs)
        QTimer::singleShot(
            ms, [file = file] { QGuiApplication::primaryScreen()->grabWindow(0).save(file); });
    // As the game's "esci" does: the loop ends wherever the narrator is.
    if (options.quitAtMs >= 0)
        QTimer::singleShot(options.quitAtMs, [&] {
            std::printf("quitting at %lld ms\n", static_cast<long long>(measured.elapsedMs()));
            app.quit();
        });

    std::size_t requests = 0;
    QTimer::singleShot(0, [&] {
        for (const QString& name : options.scenes)
            if (allScenes().count(name))
                allScenes().at(name)(*narrator);
        requests = merlin.queue().waiting() + 1;
        measured.start();
    });

    QTimer done;
    QObject::connect(&done, &QTimer::timeout, [&] {
        if (!merlin.queue().idle() || measured.elapsedMs() < 500)
            return;
        std::printf("scenes: %s (%zu requests), played in %.1f s\n",
            qPrintable(options.scenes.join(',')), requests, measured.elapsedMs() / 1000.0);
        std::printf("creating the service and loading merlin: %.1f ms\n", loadMs);
        measured.print();
        app.quit();
    });
    done.start(100);
    return app.exec();
}
