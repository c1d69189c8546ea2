// quorvel_monkey: the real window, offscreen, under a stream of random clicks and keys.
//
//   quorvel_monkey [--events N] [--seed S] [--report-memory] [--sound]
//
// At the end the program must still be running, answer within a second, and hold a
// consistent state. Exit code 0 when all holds; 2 for a broken invariant, 3 for a window that
// stopped answering, 1 for a bad command line or set-up.
#include "ui/app/machine_form.h"
#include "ui/app/startup_checks.h"
#include "dialog_answerer.h"
#include "invariants.h"
#include "monkey_actions.h"
#include "ui/narrator/merlin_narrator.h"
#include "ui/narrator/narrator_service.h"
#include "soak_folder.h"
#include "ui/storage/open_panel.h"
#include "watchdog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>

namespace {

using namespace quorvel;

// The real ToneSpeaker holds the window for 100 ms on every beep, as the game's rules ask;
// that would stretch 20 000 events to hours. This one returns at once and makes no sound.
class SilentSpeaker : public Speaker
{
public:
    void Beep(int, int) override { }
};

struct Options
{
    long events = 1500;
    std::uint64_t seed = 1;
    bool reportMemory = false;
    bool sound = false; // the narrator's real sound path (silent where there is no device)
};

bool parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--events" && hasValue)
            options.events = std::strtol(argv[++i], nullptr, 10);
        else if (arg == "--seed" && hasValue)
            options.seed = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--report-memory")
            options.reportMemory = true;
        else if (arg == "--sound")
            options.sound = true;
        else
            return false;
    }
    return options.events >= 0;
}

// Resident memory in MiB, from the kernel's own account of this process; -1 where there is
// none (not Linux).
double residentMiB(const char* field = "VmRSS:")
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(field))
            return line.mid(static_cast<int>(std::strlen(field))).trimmed().split(' ')[0].toDouble()
                / 1024.0;
    }
    return -1;
}

// Lets the event loop run for a while, timers included.
void runFor(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

namespace quorvel::soak {

// Drives the monkey from the window's own event loop, one action per turn, so that between
// actions everything runs as it does for a pupil: posted events, timers, deferred deletions
// (which a hand-written processEvents() loop would never carry out).
class SoakRun
{
public:
    SoakRun(MachineForm& form, const SoakFolder& folder, const Options& options)
        : m_form(form)
        , m_random(options.seed)
        , m_monkey(form, folder, m_random)
        , m_answerer(folder, m_random)
        , m_options(options)
        , m_watchdog(std::chrono::seconds(30))
    {
    }

    void start()
    {
        QTimer::singleShot(0, &m_form, [this] { step(); });
    }
    long done() const { return m_done; }
    const Monkey& monkey() const { return m_monkey; }
    const DialogAnswerer& answerer() const { return m_answerer; }

private:
    void step();
    bool checkNow();
    void finish();

    MachineForm& m_form;
    std::mt19937_64 m_random;
    Monkey m_monkey;
    DialogAnswerer m_answerer;
    Options m_options;
    Watchdog m_watchdog;
    std::deque<std::string> m_recent;
    long m_done = 0;
};

void SoakRun::step()
{
    if (m_done >= m_options.events)
        return finish();
    m_recent.push_back(m_monkey.step([this](const char* action) {
        m_watchdog.feed("event " + std::to_string(m_done + 1) + ", " + action);
    }));
    if (m_recent.size() > 12)
        m_recent.pop_front();
    ++m_done;
    // Cheap enough to look after every action, which then names the one that broke the state.
    if (!checkNow())
        return QApplication::exit(2);
    if (m_options.reportMemory && m_done % 2000 == 0)
        std::printf("quorvel_monkey: VmRSS after %ld events %.1f MiB\n", m_done, residentMiB());
    QTimer::singleShot(m_monkey.pauseMs(), &m_form, [this] { step(); });
}

bool SoakRun::checkNow()
{
    const std::vector<std::string> broken = brokenInvariants(m_form);
    if (broken.empty())
        return true;
    std::fprintf(stderr, "quorvel_monkey: FAILED after event %ld:\n", m_done);
    for (const std::string& line : broken)
        std::fprintf(stderr, "  %s\n", line.c_str());
    std::string recent;
    for (const std::string& action : m_recent)
        recent += (recent.empty() ? "" : ", ") + action;
    std::fprintf(stderr, "  last actions: %s\n", recent.c_str());
    return false;
}

// Still running, since we got here; then answering within a second, and consistent.
void SoakRun::finish()
{
    m_watchdog.feed("the final checks");
    if (!checkNow())
        return QApplication::exit(2);
    auto* clock = new QElapsedTimer;
    clock->start();
    QTimer::singleShot(0, &m_form, [clock] {
        const qint64 ms = clock->elapsed();
        delete clock;
        if (ms > 1000) {
            std::fprintf(stderr, "quorvel_monkey: FAILED: a zero timer took %lld ms\n",
                static_cast<long long>(ms));
            return QApplication::exit(3);
        }
        QApplication::exit(0);
    });
}

} // namespace quorvel::soak

namespace {

void printSummary(const quorvel::soak::SoakRun& run, qint64 ms)
{
    std::printf("quorvel_monkey: %ld events in %.1f s\n", run.done(), ms / 1000.0);
    std::string actions;
    for (const auto& [name, count] : run.monkey().counts())
        actions += (actions.empty() ? "" : ", ") + name + " " + std::to_string(count);
    std::printf("  actions: %s\n", actions.c_str());
    const auto& c = run.answerer().counts();
    std::printf("  save dialog: %d good names, %d doomed, %d cancelled; message boxes closed: %d\n",
        c.savesGood, c.savesDoomed, c.savesCancelled, c.messageBoxes);
    for (const auto& [text, count] : run.answerer().messages())
        std::printf("  %5d x %s\n", count, qPrintable(text.simplified().left(100)));
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: quorvel_monkey [--events N] [--seed S] [--report-memory] [--sound]\n");
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvel");
    quorvel::reportUnwritableCurrentFolder();

    quorvel::soak::SoakFolder folder(options.seed);
    if (!folder.isValid()) {
        std::fprintf(stderr, "quorvel_monkey: cannot make a temporary folder\n");
        return 1;
    }
    SilentSpeaker speaker;
    NarratorService characters(!options.sound);
    MachineForm form(QCoreApplication::applicationDirPath(), speaker, characters);
    form.openPanel()->setFolder(folder.root());
    form.show();
    runFor(1000); // the welcome, the voice's loading and the first lights settle
    const double startMiB = residentMiB();
    if (options.reportMemory)
        std::printf("quorvel_monkey: VmRSS at start %.1f MiB\n", startMiB);

    quorvel::soak::SoakRun run(form, folder, options);
    QElapsedTimer clock;
    clock.start();
    run.start();
    const int code = QApplication::exec();
    printSummary(run, clock.elapsed());
    // The wizard says everything he is asked, in order, at a pupil's pace: requests that came
    // faster wait here.
    if (const auto* merlin = characters.merlin())
        std::printf("  narrator requests still waiting: %zu\n", merlin->queue().waiting());
    if (options.reportMemory) {
        const double endMiB = residentMiB();
        std::printf("quorvel_monkey: VmRSS at end %.1f MiB (%+.1f MiB), peak %.1f MiB\n", endMiB,
            endMiB - startMiB, residentMiB("VmHWM:"));
    }
    std::printf(
        code == 0 ? "quorvel_monkey: all checks hold\n" : "quorvel_monkey: FAILED (%d)\n", code);
    return code;
}
