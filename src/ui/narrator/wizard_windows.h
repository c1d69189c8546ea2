// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/narrator/wizard_stage.h"

#include <QPointF>
#include <QString>

#include <memory>
#include <optional>

namespace quorvel {

class CharacterWindow;
class SpeechBalloon;

// The wizard's two windows on the desktop, the character and his balloon, placed on the stage:
// they stand where the scene puts him beside the machine's window, grow and shrink with it,
// and leave the screen while it is minimised.
class WizardWindows
{
public:
    WizardWindows();
    ~WizardWindows();

    CharacterWindow& character() { return *m_character; }
    SpeechBalloon& balloon() { return *m_balloon; }
    const CharacterWindow& character() const { return *m_character; }
    const SpeechBalloon& balloon() const { return *m_balloon; }
    const Stage& stage() const { return m_stage; }
    void setStage(const Stage& stage);

    // Whether the wizard is on the desktop, fading included, whatever the window's state.
    void setWizardUp(bool up);
    bool wizardUp() const { return m_wizardUp; }
    // Puts the balloon up with a text, on the side away from where he points.
    void presentBalloon(const QString& text, std::optional<Side> pointing);
    void setBalloonUp(bool up);
    bool balloonUp() const { return m_balloonUp; }
    // Whether the balloon may show at all: it steps aside while the captions write the text.
    void setBalloonAllowed(bool allowed);

    // Places both windows for the wizard standing at this scene position.
    void place(QPointF scenePosition);

private:
    QRect wizardOnScreen() const;
    void placeBalloon();
    void applyVisibility();

    std::unique_ptr<CharacterWindow> m_character;
    std::unique_ptr<SpeechBalloon> m_balloon;
    Stage m_stage;
    QPointF m_scenePosition;
    bool m_wizardUp = false;
    bool m_balloonUp = false;
    bool m_balloonAllowed = true;
    Side m_balloonSide = Side::Right;
};

} // namespace quorvel
