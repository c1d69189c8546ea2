// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/storage/open_panel.h"

#include "ui/app/common_words.h"
#include "ui/app/key_label.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRubberBand>
#include <QStorageInfo>
#include <QStringListModel>
#include <algorithm>

namespace quorvel {
namespace {

constexpr QSize panelPixels { 385, 281 }; // 5775 x 4215 twips

const char* const cannotRead = QT_TRANSLATE_NOOP("quorvel::OpenPanel",
    "Non riesco a leggere questa cartella. Fai doppio clic su «..» per tornare indietro.");
const char* const noMechanisms
    = QT_TRANSLATE_NOOP("quorvel::OpenPanel", "In questa cartella non ci sono meccanismi salvati.");

QLabel* caption(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    colourLabel(label, Qt::white);
    return label;
}

QListView* list(const QString& name, QStringListModel* model, QWidget* parent)
{
    auto* view = new QListView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers); // names to choose, not to edit
    view->setUniformItemSizes(true);
    return view;
}

bool readable(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable();
}

} // namespace

OpenPanel::OpenPanel(QWidget* parent)
    : QFrame(parent)
    , m_driveList(new QComboBox(this))
    , m_folders(new QStringListModel(this))
    , m_files(new QStringListModel(this))
    , m_folder(QDir::currentPath())
{
    setObjectName("pannelloApri");
    setAccessibleName(tr("Apri"));
    m_folderList = list("cartelle", m_folders, this);
    m_fileList = list("meccanismiSalvati", m_files, this);
    m_openButton = new QPushButton(tr("apri"), this);
    m_closeKey = new KeyLabel("X", QColor("#C00000"), Qt::white, this);
    m_path = new QLabel(this);
    m_notice = new QLabel(this);
    m_driveList->setObjectName("dischi");
    // A screen reader names the lists by the captions above them.
    m_driveList->setAccessibleName(tr("Drive"));
    m_folderList->setAccessibleName(tr("Directory"));
    m_fileList->setAccessibleName(tr("Meccanismi salvati"));
    m_openButton->setObjectName("apri");
    m_closeKey->setObjectName("chiudiApri");
    m_closeKey->setAccessibleName(closeName());
    m_notice->setObjectName("avviso");
    colourLabel(m_path, QColor("#C0D0FF"));
    colourLabel(m_notice, QColor("#000080"));
    m_notice->setWordWrap(true);
    m_notice->setAlignment(Qt::AlignCenter);
    m_notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_notice->hide();

    m_layout.add(m_closeKey, { 5355, 45, 375, 300 }, 14, true);
    m_layout.add(caption("titoloDischi", tr("Drive"), this), { 120, 390, 2700, 270 }, 12, true);
    m_layout.add(m_driveList, { 120, 660, 2700, 330 }, 12);
    m_layout.add(
        caption("titoloCartelle", tr("Directory"), this), { 120, 1080, 2700, 270 }, 12, true);
    m_layout.add(m_folderList, { 120, 1350, 2700, 2370 }, 12);
    m_layout.add(caption("titoloMeccanismi", tr("Meccanismi salvati"), this),
        { 2940, 390, 2715, 270 }, 12, true);
    m_layout.add(m_fileList, { 2940, 660, 2715, 2640 }, 12);
    m_layout.add(m_notice, { 3060, 1080, 2475, 1800 }, 12);
    m_layout.add(m_openButton, { 2940, 3390, 2715, 420 }, 13, true);
    m_layout.add(m_path, { 120, 3825, 5535, 300 }, 10);

    connect(m_driveList, &QComboBox::activated, this, [this](int index) {
        if (!chooseDrive(index))
            emit driveNotReady();
    });
    connect(m_folderList, &QListView::activated, this, &OpenPanel::folderActivated);
    // Return on the row with the keyboard's frame chooses that row, as a double-click does:
    // what opens is always the file seen selected.
    connect(m_fileList, &QListView::activated, this, [this](const QModelIndex& index) {
        m_fileList->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
        emit openRequested();
    });
    connect(m_openButton, &QPushButton::clicked, this, &OpenPanel::openRequested);
    connect(m_closeKey, &KeyLabel::clicked, this, &OpenPanel::closeRequested);
}

void OpenPanel::fillDrives()
{
    m_driveList->addItem(QDir::homePath(), QDir::homePath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (m_driveList->findData(root) < 0)
            m_driveList->addItem(root, root);
    }
}

// The drive list shows the drive (mount point or home folder) that holds the folder.
void OpenPanel::showDriveOf(const QString& folder)
{
    if (m_driveList->count() == 0)
        fillDrives();
    int best = -1;
    for (int i = 0; i < m_driveList->count(); ++i) {
        const QString root = m_driveList->itemData(i).toString();
        const bool holds
            = folder == root || folder.startsWith(root.endsWith('/') ? root : root + '/');
        if (holds && (best < 0 || root.size() > m_driveList->itemData(best).toString().size()))
            best = i;
    }
    if (best >= 0)
        m_driveList->setCurrentIndex(best);
}

QString OpenPanel::selectedName() const
{
    const QModelIndex index = m_fileList->currentIndex();
    if (!index.isValid() || !m_fileList->selectionModel()->isSelected(index))
        return "";
    return index.data().toString();
}

QString OpenPanel::notice() const
{
    return m_notice->isHidden() ? QString() : m_notice->text();
}

bool OpenPanel::setFolder(const QString& path)
{
    const QFileInfo info(path);
    const bool canRead = readable(path);
    m_folder = canRead ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
    m_path->setText(m_folder);
    m_path->setToolTip(m_folder);
    if (isVisible()) { // a hidden panel reads the folder when it is shown
        showDriveOf(m_folder);
        refresh();
    }
    return canRead;
}

void OpenPanel::refresh()
{
    const QString kept = selectedName();
    const QDir dir(m_folder);
    const bool canRead = readable(m_folder);
    QStringList folders;
    if (!dir.isRoot())
        folders << ".."; // always a way back up, even out of a folder that cannot be read
    QStringList files;
    if (canRead) {
        const auto order = QDir::Name | QDir::IgnoreCase | QDir::LocaleAware;
        folders += dir.entryList(QDir::AllDirs | QDir::NoDotAndDotDot, order);
        // Files only, every name that contains ".txt".
        files = dir.entryList({ "*.txt*" }, QDir::Files, order);
    }
    m_folders->setStringList(folders);
    m_files->setStringList(files);
    if (const qsizetype row = files.indexOf(kept); !kept.isEmpty() && row >= 0)
        m_fileList->setCurrentIndex(m_files->index(static_cast<int>(row)));
    m_notice->setText(!canRead ? tr(cannotRead) : files.isEmpty() ? tr(noMechanisms) : QString());
    m_notice->setVisible(!m_notice->text().isEmpty());
}

bool OpenPanel::chooseDrive(int index)
{
    const QString root = m_driveList->itemData(index).toString();
    if (readable(root)) {
        setFolder(root);
        return true;
    }
    showDriveOf(m_folder); // the lists, and the drive list, stay on the previous folder
    return false;
}

void OpenPanel::enterFolder(const QString& path)
{
    setFolder(path);
}

void OpenPanel::folderActivated(const QModelIndex& index)
{
    enterFolder(QDir(m_folder).filePath(index.data().toString()));
}

void OpenPanel::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    showDriveOf(m_folder);
    refresh();
}

void OpenPanel::hideEvent(QHideEvent* event)
{
    QFrame::hideEvent(event);
    m_folders->setStringList({});
    m_files->setStringList({});
}

// A key pressed in the panel is the panel's: Return in a list has opened its folder or file
// already, and nothing goes on to the machine behind (where Return runs an experiment).
void OpenPanel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape)
        emit closeRequested();
    else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_openButton->hasFocus())
        emit openRequested();
    event->accept();
}

void OpenPanel::resizeEvent(QResizeEvent*)
{
    m_scale = m_layout.apply(size(), panelPixels);
}

void OpenPanel::paintEvent(QPaintEvent*)
{
    paintPanelFrame(this, m_scale, tr("Apri"), true);
}

// Dragging: the panel stays put while an outline follows the pointer, kept where the panel
// may go; where the pointer is released decides where the panel goes.
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
    outline.moveCenter(parentWidget()->mapFromGlobal(here));
    const QRect bounds = m_dropBounds ? m_dropBounds() : parentWidget()->rect();
    outline.moveTo(std::max(bounds.left(), std::min(outline.left(), bounds.right() + 1 - width())),
        std::max(bounds.top(), std::min(outline.top(), bounds.bottom() + 1 - height())));
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
