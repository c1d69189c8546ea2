// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/notebook/notebook_panel.h"

#include <QObject>

class QAction;
class QBoxLayout;
class QMainWindow;
class QMenuBar;

namespace quorvel {

class Machine;
class MessageBox;
class NotebookPanel;
struct NotebookOwner;

// The notebook's place in the window: the panel to the right of the machine's face, created
// when first shown (after the window's first picture), the "quaderno" menu, the export to a
// spreadsheet and to PDF, and printing. Whether the notebook is open is remembered; it is open
// the first time.
class NotebookDock : public QObject
{
    Q_OBJECT
public:
    NotebookDock(QMainWindow& window, QBoxLayout& row, Machine& machine, MessageBox& messages);

    void addMenu(QMenuBar& bar);
    // Opens the notebook if it was open last time (or never closed).
    void restore();
    void setShown(bool shown);
    bool isShown() const;
    NotebookPanel* panel() const { return m_panel; }
    // The panel's width: wider with large text, so that the table's headings show whole. The
    // window grows or shrinks by the difference, as it does when the panel opens.
    void setWidth(int width);
    int width() const { return m_width; }

    void exportCsv(const QString& path);
    void savePdf(const QString& path);
    // Says something briefly in the notebook, when it is open.
    void announce(const QString& text, bool after = false);
    void setRevealGuard(NotebookPanel::RevealGuard guard);
    void setHighContrast(bool on);
    // Whose notebook it is, named on the printed and PDF copies; empty for the guest.
    void setOwner(const QString& name) { m_owner = name; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void experimentRequested();
    void ruleRevealed();

private:
    void askExportCsv();
    void askSavePdf();
    void print();
    void resizeWindow(int width);
    NotebookOwner owner() const;
    int widthOnScreen() const;

    // The narrowest the panel is made to fit a small screen.
    static constexpr int narrowestWidth = 320;

    QMainWindow& m_window;
    QBoxLayout& m_row;
    Machine& m_machine;
    MessageBox& m_messages;
    NotebookPanel* m_panel = nullptr;
    QAction* m_toggle = nullptr;
    NotebookPanel::RevealGuard m_revealGuard;
    bool m_highContrast = false;
    int m_width;
    QString m_owner;
};

} // namespace quorvel
