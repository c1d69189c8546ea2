#include "storage/qt_save_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace quorvel {

QtSaveDialog::QtSaveDialog(QWidget* parent)
    : m_parent(parent)
    , m_lastFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{
}

std::optional<std::string> QtSaveDialog::askSavePath(const std::string& filter)
{
    QFileDialog dialog(m_parent, "salvameccanismo", m_lastFolder, QString::fromStdString(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The name is saved with ".txt"; asking the dialog to add it lets it warn about the very
    // file that will be replaced.
    dialog.setDefaultSuffix("txt");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(path).absolutePath();
    return path.toStdString();
}

} // namespace quorvel
