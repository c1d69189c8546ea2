#include "ui/storage/open_panel.h"

#include "ui/app/key_label.h"
#include "ui/storage/plain_icon_provider.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRubberBand>
#include <QStorageInfo>

namespace quorvel {
namespace {

constexpr QSize panelPixels { 385, 281 }; // 5775 x 4215 twips

QLabel* caption(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    colourLabel(label, Qt::white);
    return label;
}

} // namespace

OpenPanel::OpenPanel(QWidget* parent)
    : QFrame(parent)
    , m_drive1(new QComboBox(this))
    , m_dir1(new QListView(this))
    , m_file1(new QListView(this))
    , m_command1(new QPushButton("apri", this))
    , m_label11(new KeyLabel("X", QColor("#C00000"), Qt::white, this))
    , m_path(new QLabel(this))
    , m_folder(QDir::currentPath())
{
    setObjectName("Frame2");
    setAccessibleName("Apri");
    m_drive1->setObjectName("Drive1");
    m_dir1->setObjectName("Dir1");
    m_file1->setObjectName("File1");
    m_command1->setObjectName("Command1");
    m_label11->setObjectName("Label11");
    colourLabel(m_path, QColor("#C0D0FF"));

    m_layout.add(m_label11, { 5355, 45, 375, 300 }, 14, true);
    m_layout.add(caption("Label12", "Drive", this), { 120, 390, 2700, 270 }, 12, true);
    m_layout.add(m_drive1, { 120, 660, 2700, 330 }, 12);
    m_layout.add(caption("Label13", "Directory", this), { 120, 1080, 2700, 270 }, 12, true);
    m_layout.add(m_dir1, { 120, 1350, 2700, 2370 }, 12);
    m_layout.add(
        caption("Label14", "Meccanismi salvati", this), { 2940, 390, 2715, 270 }, 12, true);
    m_layout.add(m_file1, { 2940, 660, 2715, 2640 }, 12);
    m_layout.add(m_command1, { 2940, 3390, 2715, 420 }, 13, true);
    m_layout.add(m_path, { 120, 3825, 5535, 300 }, 10);

    m_path->setText(m_folder);

    connect(m_drive1, &QComboBox::activated, this, [this](int index) {
        if (!Drive1_Change(index))
            emit driveNotReady();
    });
    connect(m_dir1, &QListView::activated, this,
        [this](const QModelIndex& index) { Dir1_Change(m_folders->filePath(index)); });
    connect(m_file1, &QListView::doubleClicked, this, &OpenPanel::openRequested);
    connect(m_command1, &QPushButton::clicked, this, &OpenPanel::openRequested);
    connect(m_label11, &KeyLabel::clicked, this, &OpenPanel::closeRequested);
}

// The lists read the disk only when the pupil first opens the panel, so the game starts
// without walking the start folder.
void OpenPanel::ensureLists()
{
    if (m_files)
        return;
    m_folders = new QFileSystemModel(this);
    m_folders->setIconProvider(plainIcons());
    m_folders->setFilter(QDir::AllDirs | QDir::NoDot);
    m_dir1->setModel(m_folders);
    m_files = new QFileSystemModel(this);
    m_files->setIconProvider(plainIcons());
    m_files->setFilter(QDir::Files);
    m_files->setNameFilters({ "*.txt*" }); // every name that contains ".txt"
    m_files->setNameFilterDisables(false);
    m_file1->setModel(m_files);
    fillDrives();
}

void OpenPanel::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    if (!m_files)
        setFolder(m_folder);
}

void OpenPanel::fillDrives()
{
    m_drive1->addItem(QDir::homePath(), QDir::homePath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (m_drive1->findData(root) < 0)
            m_drive1->addItem(root, root);
    }
}

QString OpenPanel::selectedName() const
{
    if (!m_files)
        return "";
    const QModelIndex index = m_file1->currentIndex();
    if (!index.isValid() || !m_file1->selectionModel()->isSelected(index))
        return "";
    return m_files->fileName(index);
}

bool OpenPanel::setFolder(const QString& path)
{
    const QDir dir(path);
    if (!dir.exists() || !dir.isReadable())
        return false;
    ensureLists();
    m_folder = dir.canonicalPath();
    m_dir1->setRootIndex(m_folders->setRootPath(m_folder));
    m_file1->setRootIndex(m_files->setRootPath(m_folder));
    m_file1->clearSelection();
    m_path->setText(m_folder);
    m_path->setToolTip(m_folder);
    // The drive list shows the drive (mount point or home folder) that holds the folder.
    int best = -1;
    for (int i = 0; i < m_drive1->count(); ++i) {
        const QString root = m_drive1->itemData(i).toString();
        const bool holds
            = m_folder == root || m_folder.startsWith(root.endsWith('/') ? root : root + '/');
        if (holds && (best < 0 || root.size() > m_drive1->itemData(best).toString().size()))
            best = i;
    }
    if (best >= 0)
        m_drive1->setCurrentIndex(best);
    return true;
}

bool OpenPanel::Drive1_Change(int index)
{
    const QString root = m_drive1->itemData(index).toString();
    if (setFolder(root))
        return true;
    setFolder(m_folder); // the lists, and the drive list, stay on the previous folder
    return false;
}

void OpenPanel::Dir1_Change(const QString& path)
{
    setFolder(path);
}

void OpenPanel::resizeEvent(QResizeEvent*)
{
    m_scale = m_layout.apply(size(), panelPixels);
}

void OpenPanel::paintEvent(QPaintEvent*)
{
    paintPanelFrame(this, m_scale, "Apri", true);
}

// Dragging: the panel stays put while an outline follows the pointer; where the pointer is
// released decides where the panel goes.
void OpenPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !parentWidget())
        return;
    m_dragging = false;
    m_pressedAt = event->globalPosition().toPoint();
    if (!m_outline)
        m_outline = new QRubberBand(QRubberBand::Rectangle, parentWidget());
}

void OpenPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_outline || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint here = event->globalPosition().toPoint();
    if (!m_dragging && (here - m_pressedAt).manhattanLength() < QApplication::startDragDistance())
        return; // a click is not a drag
    m_dragging = true;
    QRect outline = geometry();
    outline.moveCenter(parentWidget()->mapFromGlobal(event->globalPosition().toPoint()));
    m_outline->setGeometry(outline);
    m_outline->show();
}

void OpenPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    if (m_outline)
        m_outline->hide();
    emit droppedAt(event->globalPosition().toPoint());
}

} // namespace quorvel
