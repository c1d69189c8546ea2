#include "dialog_answerer.h"

#include "soak_folder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace quorvel::soak {

DialogAnswerer::DialogAnswerer(const SoakFolder& folder, std::mt19937_64& random)
    : m_folder(folder)
    , m_random(random)
{
    m_timer.setInterval(2);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start();
}

// The answer is given from a timer of its own: answering can open the next modal window
// (the question before a file is replaced) inside this call, and a timer is never fired
// again while its own handler runs.
void DialogAnswerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (m_answerPending || !modal || !modal->isVisible())
        return;
    m_answerPending = true;
    QTimer::singleShot(0, &m_timer, [this, window = QPointer<QWidget>(modal)] {
        m_answerPending = false;
        if (!window || window != QApplication::activeModalWidget())
            return;
        if (auto* box = qobject_cast<QMessageBox*>(window))
            answer(box);
        else if (auto* dialog = qobject_cast<QFileDialog*>(window))
            answer(dialog);
        else if (auto* other = qobject_cast<QDialog*>(window))
            other->reject();
    });
}

void DialogAnswerer::answer(QMessageBox* box)
{
    ++m_counts.messageBoxes;
    // Grouped by kind: the monkey's folder and file numbers vary from box to box.
    QString kind = box->text();
    kind.replace(m_folder.root(), "…").replace(QRegularExpression("prova\\d"), "provaN");
    ++m_messages[kind];
    // The button a pupil reads as "go on": OK, or Yes when asked to replace a file.
    for (QAbstractButton* button : box->buttons()) {
        const QMessageBox::ButtonRole role = box->buttonRole(button);
        if (role == QMessageBox::AcceptRole || role == QMessageBox::YesRole) {
            button->click();
            return;
        }
    }
    box->accept();
}

void DialogAnswerer::answer(QFileDialog* dialog)
{
    if (m_dialog != dialog) {
        m_dialog = dialog;
        m_tries = 0;
    }
    const bool cancel = std::uniform_int_distribution(0, 9)(m_random) == 0 || m_tries >= 3;
    auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
    if (cancel || !edit) {
        ++m_counts.savesCancelled;
        dialog->reject();
        return;
    }
    ++m_tries;
    edit->setText(typedName(dialog));
    // Its Save button, as the pupil clicks it; it turns the name into the chosen path.
    auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
    QPushButton* save = buttons ? buttons->button(QDialogButtonBox::Save) : nullptr;
    if (save && save->isEnabled())
        save->click();
    else
        static_cast<QDialog*>(dialog)->accept();
}

// A name as typed: relative names land in the folder the dialog shows.
QString DialogAnswerer::typedName(QFileDialog* dialog)
{
    const int n = std::uniform_int_distribution(1, 4)(m_random);
    const QString name = QString("prova%1").arg(n);
    switch (std::uniform_int_distribution(0, 9)(m_random)) {
    case 0:
    case 1:
    case 2:
        ++m_counts.savesGood;
        return m_folder.savedFolder() + '/' + name;
    case 3:
        ++m_counts.savesGood;
        return m_folder.path("sottocartella/" + name + ".txt");
    case 4:
        // A bare name lands wherever the dialog is; only inside our folder, never in the
        // folder the monkey was started from.
        ++m_counts.savesGood;
        return m_folder.contains(dialog->directory().absolutePath())
            ? name
            : m_folder.savedFolder() + '/' + name;
    case 5:
    case 6:
        ++m_counts.savesDoomed;
        return m_folder.missingFolder() + '/' + name;
    case 7:
    case 8:
        ++m_counts.savesDoomed;
        return m_folder.fileAsFolder() + '/' + name;
    default:
        return m_folder.savedFolder(); // a folder: the dialog goes there and stays open
    }
}

} // namespace quorvel::soak
