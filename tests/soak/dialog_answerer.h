#pragma once

#include <QPointer>
#include <QTimer>

#include <map>
#include <random>

class QDialog;
class QFileDialog;
class QMessageBox;

namespace quorvel::soak {

class SoakFolder;

// Answers every modal window as soon as it is up, as a quick pupil would. The window opens
// its message boxes and the save dialog with exec(), so the monkey's own loop is stuck inside
// until they close: only a timer running in their event loop can answer them.
// A message box is accepted. The save dialog gets a name typed in: mostly a good one, often
// one inside a folder that does not exist or under a regular file (saving then fails for
// real), now and then an existing folder (the dialog opens it instead of closing); or it is
// cancelled.
class DialogAnswerer
{
public:
    struct Counts
    {
        int messageBoxes = 0;
        int savesGood = 0;
        int savesDoomed = 0;
        int savesCancelled = 0;
    };

    DialogAnswerer(const SoakFolder& folder, std::mt19937_64& random);

    const Counts& counts() const { return m_counts; }
    // How often each message box text was seen, for the summary.
    const std::map<QString, int>& messages() const { return m_messages; }

private:
    void poll();
    void answer(QMessageBox* box);
    void answer(QFileDialog* dialog);
    QString typedName(QFileDialog* dialog);

    const SoakFolder& m_folder;
    std::mt19937_64& m_random;
    QTimer m_timer;
    QPointer<QFileDialog> m_dialog; // the save dialog being answered
    int m_tries = 0; // names typed into it so far
    bool m_answerPending = false;
    Counts m_counts;
    std::map<QString, int> m_messages;
};

} // namespace quorvel::soak
