#pragma once

#include "ui/app/scaled_layout.h"

#include <QFrame>
#include <QPointer>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QListView;
class QPushButton;
class QRubberBand;

namespace quorvel {

class KeyLabel;

// The open panel `Frame2` ("Apri"): a drive list (`Drive1`: the mount points and the home
// folder where there are no drive letters), a folder list (`Dir1`), the list of the
// folder's files whose names contain ".txt" (`File1`), the "apri" button (`Command1`) and its
// "X" (`Label11`). The panel can be dragged by its surface; it moves where it is dropped.
class OpenPanel : public QFrame
{
    Q_OBJECT
public:
    explicit OpenPanel(QWidget* parent);

    QString folder() const { return m_folder; }
    // The selected file's name, or "" when none is selected.
    QString selectedName() const;
    // Shows `path` in the folder and file lists; false when it cannot be read.
    bool setFolder(const QString& path);
    // Picks a drive (`Drive1_Change`); false, with the lists unchanged, when it is not ready.
    bool Drive1_Change(int index);
    void Dir1_Change(const QString& path);

    QListView* fileList() const { return m_file1; }
    QListView* folderList() const { return m_dir1; }
    QComboBox* driveList() const { return m_drive1; }

signals:
    void openRequested(); // "apri", or a double-click on a file
    void closeRequested(); // its "X"
    void driveNotReady();
    void droppedAt(QPoint globalPosition);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fillDrives();
    void ensureLists();

    ScaledLayout m_layout;
    QComboBox* m_drive1;
    QListView* m_dir1;
    QListView* m_file1;
    QPushButton* m_command1;
    KeyLabel* m_label11;
    QLabel* m_path;
    QFileSystemModel* m_folders = nullptr; // made when first needed
    QFileSystemModel* m_files = nullptr;
    QString m_folder;
    QPointer<QRubberBand> m_outline;
    QPoint m_pressedAt;
    bool m_dragging = false;
    double m_scale = 1.0;
};

} // namespace quorvel
