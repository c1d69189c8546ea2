#pragma once

#include <QPoint>
#include <QString>

#include <functional>
#include <map>
#include <random>
#include <string>

class QAbstractItemView;
class QWidget;

namespace quorvel {
class MachineForm;
}

namespace quorvel::soak {

class SoakFolder;

// The pupil who tries everything: one random action per call of step(), spread over the
// keys, the displays, the keyboard, the menus, the information panel, the open panel and
// saving. Everything arrives as the platform would deliver it: mouse presses and releases
// where a control is seen (so whatever covers it gets the click), keys through the window,
// menu items triggered.
class Monkey
{
public:
    Monkey(MachineForm& form, const SoakFolder& folder, std::mt19937_64& random);

    // Does one action; `starting` hears its name first, so a hang can name it.
    const char* step(const std::function<void(const char*)>& starting);
    // How long the monkey wants the window left alone after the last action, in ms.
    int pauseMs() const { return m_pauseMs; }
    const std::map<std::string, int>& counts() const { return m_counts; }

private:
    struct Action
    {
        const char* name;
        int weight;
        void (Monkey::*run)();
    };
    static const Action actions[];

    int pick(int count) { return std::uniform_int_distribution(0, count - 1)(m_random); }
    bool chance(int percent) { return pick(100) < percent; }

    void clickKey();
    void clickCommand();
    void clickDisplay();
    void clickAnywhere();
    void pressKey();
    void chooseLevel();
    void helpMenu();
    void infoPanel();
    void savePanel();
    void openPanel();
    void pickFile();
    void openFile();
    void doubleClickFile();
    void changeDrive();
    void changeFolder();
    void closeOpenPanel();
    void dragOpenPanel();
    void pause();

    void triggerMenu(const char* name);
    void clickOnFace(const QString& name);
    void clickOnFacePoint(QPoint point);
    void showOpenPanel();
    void countOpened();
    void comeBackHome();
    bool clickRow(QAbstractItemView* view, bool doubleClick);

    MachineForm& m_form;
    const SoakFolder& m_folder;
    std::mt19937_64& m_random;
    std::map<std::string, int> m_counts;
    int m_pauseMs = 0;
};

} // namespace quorvel::soak
