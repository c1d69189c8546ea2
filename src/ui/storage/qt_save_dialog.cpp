// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/storage/qt_save_dialog.h"

#include "ui/storage/mechanism_folder.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace quorvel {

QtSaveDialog::QtSaveDialog(QWidget* parent)
    : m_parent(parent)
{
}

QtSaveDialog::~QtSaveDialog() = default;

std::optional<std::string> QtSaveDialog::askSavePath(const std::string& filter)
{
    m_chosenFolder.clear();
    if (!m_dialog) {
        m_dialog = std::make_unique<QFileDialog>(
            m_parent, QCoreApplication::translate("quorvel::QtSaveDialog", "salvameccanismo"));
        m_dialog->setAcceptMode(QFileDialog::AcceptSave);
        m_dialog->setIconProvider(&m_icons); // never reads the files it lists
        // The name is saved with ".txt"; asking the dialog to add it lets it warn about the
        // very file that will be replaced.
        m_dialog->setDefaultSuffix("txt");
    }
    QFileDialog& dialog = *m_dialog;
    dialog.setNameFilter(QString::fromStdString(filter));
    dialog.setDirectory(MechanismFolder::forSaving());
    dialog.selectFile(QString());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    m_chosenFolder = QFileInfo(path).absolutePath();
    MechanismFolder::remember(m_chosenFolder);
    return path.toStdString();
}

} // namespace quorvel
