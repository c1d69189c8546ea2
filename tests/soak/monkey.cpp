// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// quorvel_monkey: the real window, offscreen, under a stream of random clicks, keys, menu items
// and answered dialogs, its invariants checked after every event.
//
//   quorvel_monkey [--events N] [--seed S] [--report-memory] [--sound]
//
// --sound plays the narrator's real sound path (silent where there is no device). Exit code 0
// when everything held and the window still answers within a second at the end; 2 for a broken
// invariant, 3 for a window that stopped answering, 1 for a bad command line or set-up.
#include "invariants.h"
#include "language/language.h"
#include "monkey_tools.h"
#include "ui/app/machine_face.h"
#include "ui/app/machine_form.h"
#include "ui/app/startup_checks.h"
#include "ui/narrator/merlin_narrator.h"
#include "ui/narrator/narrator_service.h"
#include "ui/notebook/notebook_dock.h"
#include "ui/notebook/notebook_panel.h"
#include "ui/storage/open_panel.h"

#include <QtWidgets>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <numeric>
#include <random>
#include <thread>

namespace quorvel::soak {
namespace {

// The pupil who tries everything, one random action per turn of the window's own event loop,
// so that between actions everything runs as it does for a pupil: posted events, timers,
// deferred deletions. Actions arrive as the platform delivers them: presses and releases
// where a control is seen (whatever covers it gets them), keys through the window, menu
// items; and every modal window is answered at once, as a quick pupil would.
class Monkey
{
public:
    // `mark`: the event after which the memory is read, once the window has been everywhere.
    // `quiet` is called right before: it silences the wizard, so the sounds of the sentences
    // he was about to say, which depend on where the reading falls, are not counted.
    Monkey(MachineForm& form, const QString& folder, std::uint64_t seed, long events, long mark,
        std::function<void()> quiet)
        : m_form(form)
        , m_quiet(std::move(quiet))
        , m_folder(folder)
        , m_random(seed)
        , m_events(events)
        , m_mark(mark)
        , m_watchdog([this] { watch(); })
    {
        // The window opens its message boxes and the save dialog with exec(): only a timer
        // running in their own loop can answer them.
        m_poll.callOnTimeout([this] { answerModal(); });
        m_poll.start(2);
        QTimer::singleShot(0, &m_poll, [this] { step(); });
    }
    ~Monkey()
    {
        m_stopping = true;
        m_watchdog.join();
    }

    long done() const { return m_done; }
    double markMiB() const { return m_markMiB; } // -1 when the run ended before the mark
    double markNotebookMiB() const { return m_markNotebookMiB; }
    double markHeapMiB() const { return m_markHeapMiB; }
    const std::map<std::string, int>& counts() const { return m_counts; }

private:
    using Clock = std::chrono::steady_clock;

    int pick(int count) { return std::uniform_int_distribution(0, count - 1)(m_random); }
    bool chance(int percent) { return pick(100) < percent; }
    void trigger(const char* item) { m_form.findChild<QAction*>(item)->trigger(); }
    void feed(const char* doing)
    {
        m_doing = doing;
        m_fedAt = Clock::now().time_since_epoch().count();
    }

    void step()
    {
        if (m_done < m_events) {
            act();
            if (++m_done == m_mark) {
                m_quiet();
                m_markMiB = residentMiB();
                m_markHeapMiB = heapInUseMiB();
                m_markNotebookMiB = notebookMiB(m_form.machine().notebook());
            }
        }
        // Cheap enough after every action, which then names the one that broke the state.
        const std::vector<std::string> broken = brokenInvariants(m_form);
        for (const std::string& line : broken)
            std::fprintf(stderr, "quorvel_monkey: FAILED after event %ld, %s: %s\n", done(),
                m_doing.load(), line.c_str());
        if (!broken.empty())
            return QApplication::exit(2);
        if (m_done < m_events)
            return QTimer::singleShot(m_pauseMs, &m_poll, [this] { step(); });
        // Still running, and consistent: then answering within a second.
        feed("the final checks");
        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(0, &m_form, [clock] {
            if (clock.elapsed() > 1000)
                std::fprintf(
                    stderr, "quorvel_monkey: FAILED: a zero timer took %lld ms\n", clock.elapsed());
            QApplication::exit(clock.elapsed() > 1000 ? 3 : 0);
        });
    }

    // One action: mostly what a pupil does all the time, keys and experiments; rarely the far
    // ones.
    void act()
    {
        static const char* const digits[]
            = { "zero", "uno", "due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove" };
        static const char* const items[] = { "livello1", "livello2", "livello3", "livello4",
            "livello5", "controlli", "da_ricordare", "mostra", "nascondi", "informazioni",
            "salvameccanismo", "aprimeccanismo" };
        static const int keys[] = { Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Backspace, Qt::Key_Delete,
            Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space };
        static const std::pair<const char*, int> actions[]
            = { { "key", 30 }, { "command", 12 }, { "anywhere", 6 }, { "keyboard", 18 },
                  { "menu", 12 }, { "file", 10 }, { "folder", 2 }, { "drive", 1 }, { "panel X", 1 },
                  { "drag panel", 1 }, { "notebook", 8 }, { "pause", 2 } };
        static const int total = std::accumulate(std::begin(actions), std::end(actions), 0,
            [](int sum, const auto& action) { return sum + action.second; });
        int roll = pick(total);
        const auto* action = std::begin(actions);
        while (roll >= action->second)
            roll -= (action++)->second;
        feed(action->first);
        const std::string name = action->first;
        ++m_counts[name];
        m_pauseMs = 0;

        QWidget* face = m_form.face();
        const QString pad = chance(50) ? "" : "2";
        const auto clickOn = [&](const QString& control) {
            const QWidget* widget = m_form.findChild<QWidget*>(control);
            clickOnFace(widget->mapTo(face, widget->rect().center()));
        };
        if (name == "key") {
            clickOn(chance(90)      ? digits[pick(10)] + pad
                    : pad.isEmpty() ? "cancellaPrimo"
                                    : "cancellaSecondo");
        } else if (name == "command") {
            clickOn(QStringList { "exp", "exp", "exp", "ingr", "cmb" }[pick(5)]);
        } else if (name == "anywhere") {
            clickOnFace({ pick(face->width()), pick(face->height()) });
        } else if (name == "keyboard") {
            sendKey(m_form.windowHandle(), chance(60) ? Qt::Key_0 + pick(10) : keys[pick(8)]);
        } else if (name == "menu") {
            trigger(items[pick(12)]);
        } else if (name == "file") { // pick a file, press "apri", both, or double-click a file
            const int how = pick(4);
            if (how != 2)
                clickRow(panel()->fileList(), how == 3);
            if (how == 1 || how == 2)
                sendClick(panel()->findChild<QWidget*>("apri"), { 5, 5 });
        } else if (name == "folder") {
            clickRow(panel()->folderList(), true);
        } else if (name == "drive") { // keys on the closed drive list pick the next drive
            sendKey(panel()->driveList(), chance(50) ? Qt::Key_Down : Qt::Key_Up);
        } else if (name == "panel X") {
            sendClick(panel()->findChild<QWidget*>("chiudiApri"), { 5, 5 });
        } else if (name == "drag panel") { // let go anywhere, inside the face or not
            OpenPanel* dragged = panel();
            sendMouse(dragged, QEvent::MouseButtonPress, { 5, 3 }, Qt::LeftButton);
            QPoint at;
            for (int i = 0; i < 3; ++i) {
                at = QPoint(pick(face->width() + 80) - 40, pick(face->height() + 80) - 40);
                sendMouse(dragged, QEvent::MouseMove, dragged->mapFrom(face, at), Qt::LeftButton);
            }
            sendMouse(dragged, QEvent::MouseButtonRelease, dragged->mapFrom(face, at));
        } else if (name == "notebook") {
            useNotebook();
        } else { // the narrator's queue, the lights and the clip move on meanwhile
            m_pauseMs = 20 + pick(200);
        }
    }

    // The notebook: opened and closed, predictions and formulas typed (some of them broken),
    // earlier pages chosen, the plot turned, the rule revealed (its question is answered).
    void useNotebook()
    {
        NotebookPanel* notebook = m_form.notebook()->panel();
        if (!notebook || notebook->isHidden() || chance(5)) {
            trigger("mostraQuaderno");
            return;
        }
        static const char* const formulas[] = { "A + B", "2 x A", "max(A; B)", "resto(A; B)",
            "A :", "(A + B", "intero(A : B) - radice(B)", "mcm(A; B) * 3", "AB", "A ^ 99" };
        static const char* const predictions[] = { "0", "12", "3,5", "????", "-1", "99999" };
        switch (pick(6)) {
        case 0:
            return typeInto(&notebook->predictionField(), predictions[pick(6)]);
        case 1:
            return typeInto(&notebook->hypothesisField(), formulas[pick(10)]);
        case 2: {
            auto* pages = notebook->findChild<QComboBox*>("pagine");
            if (pages->count() > 0)
                notebook->showPage(pick(pages->count()));
            return;
        }
        case 3:
            if (auto* axis = notebook->findChild<QCheckBox*>()) // none without the plot
                axis->toggle();
            return;
        case 4:
            return sendClick(notebook->findChild<QWidget*>("rivela"), { 5, 5 });
        default:
            return sendKey(notebook->findChild<QWidget*>("previsione"), Qt::Key_Escape);
        }
    }

    // The open panel, shown, mostly back in the monkey's folder, where the interesting files
    // are: the drives and folders lead anywhere on the machine.
    OpenPanel* panel()
    {
        OpenPanel* panel = m_form.openPanel();
        if (!panel->isVisible())
            trigger("aprimeccanismo");
        const QString canonical = QDir(panel->folder()).canonicalPath() + "/";
        if (!canonical.startsWith(QDir(m_folder).canonicalPath() + "/") && chance(80))
            panel->setFolder(m_folder + (chance(70) ? "" : "/sottocartella"));
        return panel;
    }

    void clickOnFace(QPoint at)
    {
        QWidget* face = m_form.face();
        QWidget* target = face->childAt(at) ? face->childAt(at) : face;
        sendClick(target, target->mapFrom(face, at));
    }

    void clickRow(QAbstractItemView* view, bool twice)
    {
        const int rows = view->model()->rowCount(view->rootIndex());
        if (rows == 0)
            return;
        const QModelIndex index = view->model()->index(pick(rows), 0, view->rootIndex());
        view->doItemsLayout(); // rows that just arrived have no place yet
        view->scrollTo(index);
        sendClick(view->viewport(), view->visualRect(index).center(), twice);
    }

    // The answer comes from a timer of its own: answering can open the next modal window (the
    // question before a file is replaced) inside this call, and a timer never fires again
    // while its own handler runs. A message box gets OK, or Yes to replace a file; the save
    // dialog a name: mostly a good one, often one where saving fails for real (a folder that
    // does not exist, a regular file as folder), now and then a folder, which it opens.
    void answerModal()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (m_answering || !modal || !modal->isVisible())
            return;
        m_answering = true;
        QTimer::singleShot(0, &m_poll, [this, window = QPointer<QWidget>(modal)] {
            m_answering = false;
            if (!window || window != QApplication::activeModalWidget())
                return;
            if (auto* box = qobject_cast<QMessageBox*>(window)) {
                ++m_counts["(message box)"];
                for (QAbstractButton* button : box->buttons())
                    if (box->buttonRole(button) == QMessageBox::AcceptRole
                        || box->buttonRole(button) == QMessageBox::YesRole)
                        return button->click();
                return box->accept();
            }
            auto* dialog = qobject_cast<QFileDialog*>(window);
            auto* edit = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
            if (!edit || chance(10))
                return static_cast<QDialog*>(window.data())->reject();
            const QString places[] = { "salvati/prova", "salvati/prova2", "sottocartella/prova",
                "non_esiste/ancora_meno/prova", "non_cartella/prova", "salvati" };
            edit->setText(m_folder + "/" + places[pick(6)]);
            ++m_counts[edit->text().contains("non_") ? "(doomed save)" : "(save)"];
            static_cast<QDialog*>(dialog)->accept(); // reads the edit, as its Save button does
        });
    }

    // Ends the process when the window's thread has not come back for 30 s: a window that
    // hangs (a read that never returns, a modal loop nobody closes) answers no timer, so only
    // another thread can tell.
    void watch()
    {
        for (; !m_stopping; std::this_thread::sleep_for(std::chrono::milliseconds(100))) {
            if (Clock::now().time_since_epoch().count() - m_fedAt
                < Clock::duration(std::chrono::seconds(30)).count())
                continue;
            std::fprintf(stderr, "quorvel_monkey: FAILED: no answer for 30 s at event %ld, %s\n",
                done() + 1, m_doing.load());
            std::fflush(stderr);
            std::_Exit(3);
        }
    }

    MachineForm& m_form;
    std::function<void()> m_quiet;
    QString m_folder;
    std::mt19937_64 m_random;
    long m_events;
    long m_mark;
    double m_markMiB = -1;
    double m_markNotebookMiB = 0;
    double m_markHeapMiB = 0;
    std::atomic<long> m_done = 0;
    std::map<std::string, int> m_counts;
    int m_pauseMs = 0;
    QTimer m_poll;
    bool m_answering = false;
    std::atomic<const char*> m_doing = "starting"; // what the window's thread last began
    std::atomic<Clock::rep> m_fedAt = Clock::now().time_since_epoch().count();
    std::atomic<bool> m_stopping = false;
    std::thread m_watchdog; // last: starts once the rest is ready
};

} // namespace
} // namespace quorvel::soak

int main(int argc, char** argv)
{
    using namespace quorvel;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    keepMemoryCompact(); // as the game does
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Quorvel");
    QApplication::setApplicationName("Quorvel");
    QCommandLineParser options;
    options.addOptions({ { "events", "", "N", "1500" }, { "seed", "", "S", "1" },
        { "report-memory", "" }, { "sound", "" }, { "lingua", "", "it|en", "it" } });
    bool parsed = options.parse(QApplication::arguments()), eventsOk = false, seedOk = false;
    const long events = options.value("events").toLong(&eventsOk);
    const std::uint64_t seed = options.value("seed").toULongLong(&seedOk);
    const bool reportMemory = options.isSet("report-memory");
    const auto language = languageNamed(options.value("lingua").toStdString());
    if (!parsed || !eventsOk || !seedOk || events < 0 || !language
        || !options.positionalArguments().isEmpty()) {
        std::fprintf(stderr,
            "usage: quorvel_monkey [--events N] [--seed S] [--report-memory] [--sound] "
            "[--lingua it|en]\n");
        return 1;
    }
    if (!installLanguage(*language, QCoreApplication::applicationDirPath()))
        return 1;
    reportUnwritableCurrentFolder();
    const QTemporaryDir folder(QDir::temp().filePath("quorvel-monkey-XXXXXX"));
    if (!folder.isValid()) {
        std::fprintf(stderr, "quorvel_monkey: cannot make a temporary folder\n");
        return 1;
    }
    soak::fillFolder(QDir(folder.path()));
    soak::privateDesktop(QDir(folder.filePath("casa")));

    soak::SilentSpeaker speaker;
    NarratorService characters(!options.isSet("sound"));
    MachineForm form(QCoreApplication::applicationDirPath(), speaker, characters);
    form.openPanel()->setFolder(folder.path());
    form.show();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1000) // the welcome, the voice's loading and the first lights
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const double startMiB = soak::residentMiB();
    if (reportMemory)
        std::printf("quorvel_monkey: VmRSS at start %.1f MiB\n", startMiB);

    clock.restart();
    // The first events take the window everywhere once (every panel, dialog and page made);
    // from then on a long lesson must not grow.
    const long mark = 2000;
    const auto quiet = [&characters] {
        if (MerlinNarrator* merlin = characters.merlin())
            merlin->skip();
    };
    soak::Monkey monkey(form, folder.path(), seed, events, mark, quiet);
    const int code = QApplication::exec();
    std::printf("quorvel_monkey: %ld events in %.1f s\n ", monkey.done(), clock.elapsed() / 1e3);
    for (const auto& [name, count] : monkey.counts())
        std::printf(" %s %d,", name.c_str(), count);
    // The wizard says everything he is asked, in order, at a pupil's pace: requests that came
    // faster wait here.
    if (const MerlinNarrator* merlin = characters.merlin())
        std::printf(" narrator requests waiting %zu", merlin->queue().waiting());
    quiet();
    const double endMiB = soak::residentMiB();
    if (reportMemory)
        std::printf("\nquorvel_monkey: VmRSS at end %.1f MiB (%+.1f MiB), peak %.1f MiB", endMiB,
            endMiB - startMiB, soak::residentMiB("VmHWM:"));
    if (reportMemory && monkey.markMiB() >= 0) {
        std::printf("\nquorvel_monkey: VmRSS at event %ld %.1f MiB, at the end %.1f MiB: "
                    "%+.2f MiB over the last %ld events",
            mark, monkey.markMiB(), endMiB, endMiB - monkey.markMiB(), monkey.done() - mark);
        // The pupil's own record grows with every experiment, as it must: the rest must not.
        const double notebook
            = soak::notebookMiB(form.machine().notebook()) - monkey.markNotebookMiB();
        std::printf("\nquorvel_monkey: of which the notebook's new trials %.2f MiB, the rest "
                    "%+.2f MiB",
            notebook, endMiB - monkey.markMiB() - notebook);
        std::printf("\nquorvel_monkey: heap in use %+.2f MiB over the same events",
            soak::heapInUseMiB() - monkey.markHeapMiB());
    }
    std::printf("\nquorvel_monkey: %s (%d)\n", code ? "FAILED" : "all checks hold", code);
    return code;
}
