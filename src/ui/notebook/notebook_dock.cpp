// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/notebook/notebook_dock.h"

#include "ui/app/machine_face.h"
#include "ui/storage/mechanism_folder.h"

#include "core/app/machine.h"
#include "core/notebook/notebook_csv.h"
#include "platform/file_replace.h"
#include "ui/app/common_words.h"
#include "ui/modules/modules.h"
#include "ui/notebook/notebook_panel.h"
#include "ui/notebook/notebook_print.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QTimer>

namespace quorvel {
namespace {

constexpr const char* openKey = "quaderno/aperto";

std::string withoutDocuments()
{
    return QCoreApplication::translate("quorvel::NotebookDock",
        "Su questo computer il quaderno non si può stampare né salvare in PDF.")
        .toStdString();
}

std::filesystem::path pathOf(const QString& name)
{
    return std::filesystem::path(name.toStdU16String());
}

} // namespace

NotebookDock::NotebookDock(
    QMainWindow& window, QBoxLayout& row, Machine& machine, MessageBox& messages)
    : QObject(&window)
    , m_window(window)
    , m_row(row)
    , m_machine(machine)
    , m_messages(messages)
    , m_width(NotebookPanel::naturalWidth)
{
    // Maximised, the window cannot grow for a wider notebook: its width is looked at again.
    m_window.installEventFilter(this);
}

bool NotebookDock::eventFilter(QObject* watched, QEvent* event)
{
    // Once the window manager has given the window its new size: changing the panel while the
    // window is being maximised made the window manager give the maximising up.
    if (watched == &m_window && event->type() == QEvent::WindowStateChange)
        QTimer::singleShot(0, this, [this] { setWidth(m_width); });
    return QObject::eventFilter(watched, event);
}

void NotebookDock::addMenu(QMenuBar& bar)
{
    QMenu* menu = bar.addMenu(tr("&quaderno"));
    menu->setObjectName("menuQuaderno");
    m_toggle = menu->addAction(tr("&Mostra il quaderno"));
    m_toggle->setObjectName("mostraQuaderno");
    m_toggle->setCheckable(true);
    m_toggle->setShortcut(QKeySequence(Qt::Key_F2));
    // Opened by the pupil, the notebook takes the keyboard for a prediction; opened at start,
    // it leaves the keyboard to the machine's keypads.
    connect(m_toggle, &QAction::toggled, this, [this](bool shown) {
        setShown(shown);
        if (shown)
            m_panel->predictionField().setFocus();
    });
    menu->addSeparator();
    QAction* csv = menu->addAction(tr("&Esporta in una tabella (CSV)..."));
    csv->setObjectName("esportaCsv");
    connect(csv, &QAction::triggered, this, &NotebookDock::askExportCsv);
    QAction* pdf = menu->addAction(tr("Salva in &PDF..."));
    pdf->setObjectName("salvaPdf");
    connect(pdf, &QAction::triggered, this, &NotebookDock::askSavePdf);
    QAction* print = menu->addAction(tr("S&tampa..."));
    print->setObjectName("stampa");
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, &NotebookDock::print);
}

void NotebookDock::restore()
{
    setShown(QSettings().value(openKey, true).toBool());
}

bool NotebookDock::isShown() const
{
    return m_panel && !m_panel->isHidden();
}

void NotebookDock::setShown(bool shown)
{
    const QSignalBlocker quiet(m_toggle);
    m_toggle->setChecked(shown);
    QSettings().setValue(openKey, shown);
    if (shown == isShown())
        return;
    if (!m_panel) {
        m_panel = new NotebookPanel(m_machine, m_row.parentWidget());
        m_row.addWidget(m_panel);
        connect(
            m_panel, &NotebookPanel::experimentRequested, this, &NotebookDock::experimentRequested);
        connect(m_panel, &NotebookPanel::ruleRevealed, this, &NotebookDock::ruleRevealed);
        m_panel->setRevealGuard(m_revealGuard);
        m_panel->setHighContrast(m_highContrast);
    }
    // Taken first: showing the panel may grow the window to its minimum at once.
    const int before = m_window.width();
    const int was = m_panel->width();
    const int width = widthOnScreen();
    m_panel->setFixedWidth(width);
    m_panel->setVisible(shown);
    resizeWindow(before + (shown ? width : -was));
}

void NotebookDock::setWidth(int width)
{
    m_width = width;
    if (!m_panel)
        return;
    const int was = m_panel->width();
    const int now = widthOnScreen();
    if (now == was)
        return;
    const int before = m_window.width();
    m_panel->setFixedWidth(now);
    if (isShown())
        resizeWindow(before + now - was);
}

// As wide as asked, but never so wide that the window would leave the screen or the machine
// would shrink to make room: a window that cannot grow (maximised, or as wide as the screen)
// keeps the notebook at its usual width or narrower, and its table scrolls.
int NotebookDock::widthOnScreen() const
{
    if (m_window.isMaximized() || m_window.isFullScreen())
        return std::min(m_width, static_cast<int>(NotebookPanel::naturalWidth));
    const QScreen* screen = m_window.screen();
    if (!screen)
        return m_width;
    const int frame = m_window.frameGeometry().width() - m_window.width();
    const int panel = m_panel && isShown() ? m_panel->width() : 0;
    const int face = std::max(m_window.width() - panel, MachineFace::designSize.width());
    const int room = screen->availableGeometry().width() - frame - face;
    return std::max(narrowestWidth, std::min(m_width, room));
}

// The window grows or shrinks by the panel, so the face keeps its size, and stays on its
// screen.
void NotebookDock::resizeWindow(int width)
{
    // The layouts learn of the panel now, not at the next turn of the event loop, so that the
    // window may shrink below the width it needed with the panel.
    m_row.activate();
    m_window.layout()->activate();
    if (m_window.isMaximized() || m_window.isFullScreen())
        return;
    m_window.resize(width, m_window.height());
    if (const QScreen* screen = m_window.screen()) {
        const QRect room = screen->availableGeometry();
        const QRect frame = m_window.frameGeometry();
        if (frame.right() > room.right())
            m_window.move(
                std::max(room.left(), frame.left() - (frame.right() - room.right())), frame.top());
    }
}

void NotebookDock::announce(const QString& text, bool after)
{
    if (m_panel)
        m_panel->announce(text, after);
}

void NotebookDock::setHighContrast(bool on)
{
    m_highContrast = on;
    if (m_panel)
        m_panel->setHighContrast(on);
}

void NotebookDock::setRevealGuard(NotebookPanel::RevealGuard guard)
{
    m_revealGuard = guard;
    if (m_panel)
        m_panel->setRevealGuard(std::move(guard));
}

NotebookOwner NotebookDock::owner() const
{
    return { m_owner, m_machine.ports().clock.today() };
}

void NotebookDock::exportCsv(const QString& path)
{
    if (const std::error_code problem
        = replaceFile(pathOf(path), notebookCsv(m_machine.notebook()))) {
        //: %1 is the file, %2 why it could not be written
        m_messages.show(tr("Il quaderno non è stato esportato in «%1»: %2.")
                            .arg(path, QString::fromStdString(reasonFor(problem)))
                            .toStdString());
        return;
    }
    MechanismFolder::rememberExport(path);
    //: %1 is the file written
    announce(tr("Ho esportato il quaderno in «%1».").arg(QDir::toNativeSeparators(path)));
}

void NotebookDock::savePdf(const QString& path)
{
    DocumentModule* documents = documentModule();
    if (!documents) {
        m_messages.show(withoutDocuments());
        return;
    }
    // Writing a pipe would wait for a reader for ever; a folder or a missing one cannot be
    // written either: said as the CSV export says it.
    std::filesystem::path file;
    if (const std::error_code problem = replaceableFile(pathOf(path), file)) {
        //: %1 is the file, %2 why it could not be written
        m_messages.show(tr("Il quaderno non è stato salvato in «%1»: %2.")
                            .arg(path, QString::fromStdString(reasonFor(problem)))
                            .toStdString());
        return;
    }
    if (!documents->savePdf(m_machine.notebook(), owner(), m_machine.decimalSeparator(), path)) {
        //: %1 is the file
        m_messages.show(tr("Il quaderno non è stato salvato in «%1»: il file non si può scrivere.")
                            .arg(path)
                            .toStdString());
        return;
    }
    MechanismFolder::rememberExport(path);
    //: %1 is the file written
    announce(tr("Ho salvato il quaderno in PDF in «%1».").arg(QDir::toNativeSeparators(path)));
}

void NotebookDock::askExportCsv()
{
    const QString path = QFileDialog::getSaveFileName(&m_window, tr("Esporta il quaderno"),
        QDir(MechanismFolder::forExporting()).filePath("quaderno.csv"), csvFilesFilter());
    if (!path.isEmpty())
        exportCsv(path.endsWith(".csv", Qt::CaseInsensitive) ? path : path + ".csv");
}

void NotebookDock::askSavePdf()
{
    const QString path = QFileDialog::getSaveFileName(&m_window, tr("Salva il quaderno in PDF"),
        QDir(MechanismFolder::forExporting()).filePath("quaderno.pdf"),
        tr("Documenti PDF (*.pdf)"));
    if (!path.isEmpty())
        savePdf(path.endsWith(".pdf", Qt::CaseInsensitive) ? path : path + ".pdf");
}

void NotebookDock::print()
{
    if (DocumentModule* documents = documentModule())
        documents->print(m_machine.notebook(), owner(), m_machine.decimalSeparator(), &m_window);
    else
        m_messages.show(withoutDocuments());
}

} // namespace quorvel
