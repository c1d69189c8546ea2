// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/app/scaled_layout.h"

#include <QFrame>
#include <QPointer>
#include <functional>

class QComboBox;
class QLabel;
class QListView;
class QPushButton;
class QRubberBand;
class QStringListModel;

namespace quorvel {

class KeyLabel;

// The open panel ("Apri"): a drive list (the mount points, and the home folder where there are
// no drive letters), a folder list (".." and the subfolders), the list of the folder's files
// whose names contain ".txt", the "apri" button and its "X". The panel can be dragged by its
// surface; it moves where it is dropped. Keys pressed inside it stay in it: Return opens the
// folder or the file chosen, Escape closes the panel.
//
// The lists are read from the disk when the panel is shown or changes folder, and emptied when
// it is hidden: a long lesson of browsing keeps nothing of the folders it has been through.
class OpenPanel : public QFrame
{
    Q_OBJECT
public:
    explicit OpenPanel(QWidget* parent);

    QString folder() const { return m_folder; }
    // The selected file's name, or "" when none is selected.
    QString selectedName() const;
    // Shows `path` in the folder and file lists; false when it cannot be read, which the panel
    // then says, with ".." to go back up.
    bool setFolder(const QString& path);
    // Reads the folder shown again, keeping the selected file when it is still there.
    void refresh();
    // Picks a drive; false, with the lists unchanged, when it is not ready.
    bool chooseDrive(int index);
    void enterFolder(const QString& path);
    // Where a drag may leave the panel, in its parent's pixels (the whole parent when unset).
    void setDropBounds(std::function<QRect()> bounds) { m_dropBounds = std::move(bounds); }

    QListView* fileList() const { return m_fileList; }
    QListView* folderList() const { return m_folderList; }
    QComboBox* driveList() const { return m_driveList; }
    // What the panel tells the pupil about the folder ("" when all is well).
    QString notice() const;

signals:
    void openRequested(); // "apri", or a file activated (double-click, Return)
    void closeRequested(); // its "X", or Escape
    void driveNotReady();
    void droppedAt(QPoint globalPosition);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fillDrives();
    void showDriveOf(const QString& folder);
    void folderActivated(const QModelIndex& index);

    ScaledLayout m_layout;
    QComboBox* m_driveList;
    QListView* m_folderList;
    QListView* m_fileList;
    QPushButton* m_openButton;
    KeyLabel* m_closeKey;
    QLabel* m_path;
    QLabel* m_notice;
    QStringListModel* m_folders;
    QStringListModel* m_files;
    QString m_folder;
    std::function<QRect()> m_dropBounds;
    QPointer<QRubberBand> m_outline;
    QPoint m_pressedAt;
    bool m_dragging = false;
    double m_scale = 1.0;
};

} // namespace quorvel
