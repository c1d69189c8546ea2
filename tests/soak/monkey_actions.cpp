#include "monkey_actions.h"

#include "ui/app/machine_face.h"
#include "ui/app/machine_form.h"
#include "soak_folder.h"
#include "ui/storage/open_panel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QWindow>

namespace quorvel::soak {
namespace {

void sendMouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButtons held)
{
    const QPointF at(local), global(target->mapToGlobal(local));
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, global, button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void sendClick(QWidget* target, QPoint local)
{
    sendMouse(target, QEvent::MouseButtonPress, local, Qt::LeftButton);
    sendMouse(target, QEvent::MouseButtonRelease, local, Qt::NoButton);
}

void sendDoubleClick(QWidget* target, QPoint local)
{
    sendClick(target, local);
    sendMouse(target, QEvent::MouseButtonDblClick, local, Qt::LeftButton);
    sendMouse(target, QEvent::MouseButtonRelease, local, Qt::NoButton);
}

void sendKey(QObject* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

// QFileSystemModel fills a folder from a background thread: give it a moment.
int rowsOf(QAbstractItemView* view)
{
    QElapsedTimer waited;
    waited.start();
    int rows = view->model()->rowCount(view->rootIndex());
    while (rows == 0 && waited.elapsed() < 30) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        rows = view->model()->rowCount(view->rootIndex());
    }
    return rows;
}

const char* const keyNames[]
    = { "zero", "uno", "due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove" };

} // namespace

// Weights: mostly what a pupil does all the time (keys, experiments), some panels and menus,
// and rarer things that are slow (saving) or move far (drives).
const Monkey::Action Monkey::actions[] = {
    { "key", 30, &Monkey::clickKey },
    { "command", 12, &Monkey::clickCommand },
    { "display", 4, &Monkey::clickDisplay },
    { "anywhere", 3, &Monkey::clickAnywhere },
    { "keyboard", 18, &Monkey::pressKey },
    { "level", 6, &Monkey::chooseLevel },
    { "help menu", 3, &Monkey::helpMenu },
    { "info panel", 2, &Monkey::infoPanel },
    { "save", 2, &Monkey::savePanel },
    { "open panel", 2, &Monkey::openPanel },
    { "pick file", 5, &Monkey::pickFile },
    { "apri", 3, &Monkey::openFile },
    { "double-click file", 2, &Monkey::doubleClickFile },
    { "drive", 1, &Monkey::changeDrive },
    { "folder", 2, &Monkey::changeFolder },
    { "close open panel", 1, &Monkey::closeOpenPanel },
    { "drag open panel", 1, &Monkey::dragOpenPanel },
    { "pause", 2, &Monkey::pause },
};

Monkey::Monkey(MachineForm& form, const SoakFolder& folder, std::mt19937_64& random)
    : m_form(form)
    , m_folder(folder)
    , m_random(random)
{
}

const char* Monkey::step(const std::function<void(const char*)>& starting)
{
    static const std::discrete_distribution<int> choose = [] {
        std::vector<int> weights;
        for (const Action& action : actions)
            weights.push_back(action.weight);
        return std::discrete_distribution<int>(weights.begin(), weights.end());
    }();
    std::discrete_distribution<int> distribution = choose;
    const Action& action = actions[distribution(m_random)];
    m_pauseMs = 0;
    ++m_counts[action.name];
    starting(action.name);
    (this->*action.run)();
    return action.name;
}

void Monkey::clickKey()
{
    const QString suffix = chance(50) ? "" : "2";
    clickOnFace(chance(90) ? keyNames[pick(10)] + suffix : (suffix.isEmpty() ? "Label3" : "canc2"));
}

void Monkey::clickCommand()
{
    const char* const commands[] = { "exp", "exp", "exp", "ingr", "cmb" };
    clickOnFace(commands[pick(5)]);
}

void Monkey::clickDisplay()
{
    clickOnFace(chance(50) ? "i1" : "i2");
}

void Monkey::clickAnywhere()
{
    const QSize size = m_form.face()->size();
    clickOnFacePoint({ pick(size.width()), pick(size.height()) });
}

void Monkey::pressKey()
{
    static const int others[]
        = { Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return,
              Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Up, Qt::Key_Down, Qt::Key_A };
    const int key = chance(60) ? Qt::Key_0 + pick(10) : others[pick(std::size(others))];
    // As the platform delivers it: to the window, which hands it to the focus widget.
    sendKey(m_form.windowHandle(), key);
}

void Monkey::chooseLevel()
{
    const char* const levels[] = { "livello1", "livello2", "livello3", "livello4", "livello5" };
    triggerMenu(levels[pick(5)]);
}

void Monkey::helpMenu()
{
    const char* const items[] = { "controlli", "da_ricordare", "mostra", "nascondi" };
    triggerMenu(items[pick(4)]);
}

void Monkey::infoPanel()
{
    QWidget* info = m_form.findChild<QWidget*>("Frame1");
    if (info && info->isVisible() && chance(70))
        sendClick(m_form.findChild<QWidget*>("Label1"), { 3, 3 });
    else
        triggerMenu("informazioni");
}

void Monkey::savePanel()
{
    triggerMenu("salvameccanismo");
}

void Monkey::openPanel()
{
    triggerMenu("aprimeccanismo");
}

void Monkey::triggerMenu(const char* name)
{
    if (auto* action = m_form.findChild<QAction*>(name))
        action->trigger();
}

// Clicks where the control is seen: whatever lies on top there gets the click.
void Monkey::clickOnFace(const QString& name)
{
    QWidget* control = m_form.findChild<QWidget*>(name);
    if (!control)
        return;
    clickOnFacePoint(control->mapTo(m_form.face(), control->rect().center()));
}

void Monkey::clickOnFacePoint(QPoint point)
{
    QWidget* face = m_form.face();
    QWidget* target = face->childAt(point);
    if (!target)
        target = face;
    sendClick(target, target->mapFrom(face, point));
}

void Monkey::showOpenPanel()
{
    if (!m_form.openPanel()->isVisible())
        triggerMenu("aprimeccanismo");
}

// The drives and folders lead anywhere on the machine; most file actions first come back to
// the monkey's own folder, where the interesting files are.
void Monkey::comeBackHome()
{
    OpenPanel* panel = m_form.openPanel();
    if (!m_folder.contains(panel->folder()) && chance(80))
        panel->setFolder(chance(70) ? m_folder.root() : m_folder.path("sottocartella"));
}

bool Monkey::clickRow(QAbstractItemView* view, bool doubleClick)
{
    const int rows = rowsOf(view);
    if (rows == 0)
        return false;
    const QModelIndex index = view->model()->index(pick(rows), 0, view->rootIndex());
    view->doItemsLayout(); // rows that just arrived have no place yet
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    if (doubleClick)
        sendDoubleClick(view->viewport(), at);
    else
        sendClick(view->viewport(), at);
    return true;
}

void Monkey::pickFile()
{
    showOpenPanel();
    comeBackHome();
    clickRow(m_form.openPanel()->fileList(), false);
}

void Monkey::openFile()
{
    showOpenPanel();
    comeBackHome();
    if (chance(70))
        clickRow(m_form.openPanel()->fileList(), false);
    if (auto* apri = m_form.openPanel()->findChild<QWidget*>("Command1"))
        sendClick(apri, apri->rect().center());
    countOpened();
}

void Monkey::doubleClickFile()
{
    showOpenPanel();
    comeBackHome();
    clickRow(m_form.openPanel()->fileList(), true);
    countOpened();
}

// The panel closes only when a mechanism was put in force.
void Monkey::countOpened()
{
    if (!m_form.openPanel()->isVisible())
        ++m_counts["(mechanism opened)"];
}

// Arrow keys on the closed drive list pick the next drive, as a pupil's wheel or keys do.
void Monkey::changeDrive()
{
    showOpenPanel();
    static const int keys[] = { Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End };
    sendKey(m_form.openPanel()->driveList(), keys[pick(4)]);
}

void Monkey::changeFolder()
{
    showOpenPanel();
    QListView* folders = m_form.openPanel()->folderList();
    if (chance(70)) {
        clickRow(folders, true);
    } else if (clickRow(folders, false)) {
        sendKey(folders, Qt::Key_Return);
    }
}

void Monkey::closeOpenPanel()
{
    if (!m_form.openPanel()->isVisible())
        return triggerMenu("aprimeccanismo");
    if (auto* x = m_form.openPanel()->findChild<QWidget*>("Label11"))
        sendClick(x, x->rect().center());
}

// Presses on the panel's title strip, drags through a few points and lets go anywhere,
// inside the face or not.
void Monkey::dragOpenPanel()
{
    showOpenPanel();
    OpenPanel* panel = m_form.openPanel();
    QWidget* face = m_form.face();
    const QPoint grip(4 + pick(std::max(1, panel->width() / 3)), 3);
    sendMouse(panel, QEvent::MouseButtonPress, grip, Qt::LeftButton);
    QPoint there = grip;
    for (int i = 0; i < 3; ++i) {
        const QPoint onFace(pick(face->width() + 80) - 40, pick(face->height() + 80) - 40);
        there = panel->mapFrom(face, onFace);
        sendMouse(panel, QEvent::MouseMove, there, Qt::LeftButton);
    }
    sendMouse(panel, QEvent::MouseButtonRelease, there, Qt::NoButton);
}

// Leaves the window alone for a while: the narrator's queue, the lights and the clip move on.
void Monkey::pause()
{
    m_pauseMs = 20 + pick(200);
}

} // namespace quorvel::soak
