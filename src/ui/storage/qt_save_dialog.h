#pragma once

#include "core/ports/ports.h"

#include <QString>

class QWidget;

namespace quorvel {

// The save dialog of "salvameccanismo": Qt's file dialog, starting in the pupil's documents
// folder, then in the folder last used in this run. It asks before replacing a file.
class QtSaveDialog : public SaveDialog
{
public:
    explicit QtSaveDialog(QWidget* parent);
    std::optional<std::string> askSavePath(const std::string& filter) override;
    const QString& lastFolder() const { return m_lastFolder; }

private:
    QWidget* m_parent;
    QString m_lastFolder;
};

} // namespace quorvel
