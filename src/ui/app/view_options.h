// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QObject>
#include <QPalette>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;

namespace quorvel {

class CaptionStrip;
class MachineFace;
class NotebookDock;

// The "vista" menu, for the pupil who sees little: "Alto contrasto" gives the keys, the
// displays and the status line colours far apart in lightness on a plain face; "Testo grande"
// makes the face's and the notebook's text half as large again. Both are remembered, as is the
// language chosen under "Lingua" (Italian or English, from the next start).
class ViewOptions : public QObject
{
    Q_OBJECT
public:
    static constexpr double largeTextScale = 1.5;
    // The notebook's width with large text: room for the table's headings, and beside the
    // face on a screen 1366 pixels wide.
    static constexpr int largeNotebookWidth = 520;

    ViewOptions(
        QMainWindow& window, MachineFace& face, CaptionStrip& strip, NotebookDock& notebook);

    void addMenu(QMenuBar& bar);
    // Reads the pupil's last choices.
    void restore();
    void setHighContrast(bool on);
    void setLargeText(bool on);
    bool highContrast() const;
    bool largeText() const;

signals:
    void largeTextChanged();

private:
    void colourFace(bool high);
    void addLanguageMenu(QMenu& view);

    QMainWindow& m_window;
    MachineFace& m_face;
    CaptionStrip& m_strip;
    NotebookDock& m_notebook;
    QAction* m_contrast = nullptr;
    QAction* m_large = nullptr;
    QPalette m_statusPalette; // the status line's own colours, taken when the face is built
    QPalette m_normalPalette; // the program's colours without the high contrast
};

// The contrast of two colours by their relative luminance: 1 for equal ones, 21 for black on
// white.
double contrastRatio(QColor a, QColor b);

} // namespace quorvel
