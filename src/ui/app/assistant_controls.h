// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/narrator/wizard_stage.h"

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

namespace quorvel {

class CaptionStrip;
class MachineFace;
class MerlinNarrator;

// The window's side of the wizard: the items "Voce", "Salta" and "Sottotitoli" of the
// assistente menu, the caption strip below the face, and the stage it keeps the wizard on,
// told afresh whenever the window moves, changes size or is minimised.
class AssistantControls : public QObject
{
    Q_OBJECT

public:
    AssistantControls(QMainWindow& window, MachineFace& face, CaptionStrip& strip);

    void addMenuItems(QMenu& menu);
    // Reads the pupil's last choices of voice and captions.
    void restore();
    void attach(MerlinNarrator& merlin);

    // Where the scenes' positions land for the window as it is now.
    Stage stage() const;
    // The window's scale, by the face's size at 100 %.
    double scale() const;
    // Tells the wizard where his stage is now.
    void updateStage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setVoiceOn(bool on);
    void setCaptionsOn(bool on);
    void fitStrip();

    QMainWindow& m_window;
    MachineFace& m_face;
    CaptionStrip& m_strip;
    MerlinNarrator* m_merlin = nullptr;
    QAction* m_voice = nullptr;
    QAction* m_skip = nullptr;
    QAction* m_captions = nullptr;
};

} // namespace quorvel
