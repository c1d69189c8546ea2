#include "ui/storage/qt_save_dialog.h"

#include "ui/storage/plain_icon_provider.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace quorvel {

QtSaveDialog::QtSaveDialog(QWidget* parent)
    : m_parent(parent)
    , m_lastFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{
    // A documents folder that does not exist would end up as the name offered for the file.
    if (!QDir(m_lastFolder).exists())
        m_lastFolder = QDir::homePath();
}

std::optional<std::string> QtSaveDialog::askSavePath(const std::string& filter)
{
    QFileDialog dialog(m_parent, "salvameccanismo", QString(), QString::fromStdString(filter));
    dialog.setDirectory(m_lastFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setIconProvider(plainIcons()); // never reads the files it lists
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
