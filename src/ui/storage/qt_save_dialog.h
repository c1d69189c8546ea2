// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ports/ports.h"
#include "ui/storage/plain_icon_provider.h"

#include <QString>
#include <memory>

class QFileDialog;
class QWidget;

namespace quorvel {

// The save dialog of "salvameccanismo": Qt's file dialog, starting in the folder that saving
// and opening share (see MechanismFolder), which a save then moves to the folder chosen. It
// asks before replacing a file.
class QtSaveDialog : public SaveDialog
{
public:
    explicit QtSaveDialog(QWidget* parent);
    ~QtSaveDialog() override;
    std::optional<std::string> askSavePath(const std::string& filter) override;
    // The folder of the last name chosen; "" when the last dialog was cancelled.
    const QString& chosenFolder() const { return m_chosenFolder; }

private:
    QWidget* m_parent;
    PlainIconProvider m_icons;
    // One dialog for every save: each new one kept a few of its pictures for good.
    std::unique_ptr<QFileDialog> m_dialog;
    QString m_chosenFolder;
};

} // namespace quorvel
