// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/narrator/wizard_windows.h"

#include "ui/narrator/character_window.h"
#include "ui/narrator/speech_balloon.h"
#include "ui/narrator/wizard_painter.h"

namespace quorvel {

WizardWindows::WizardWindows()
    : m_character(std::make_unique<CharacterWindow>())
    , m_balloon(std::make_unique<SpeechBalloon>())
    , m_stage(Stage::desktop())
{
}

WizardWindows::~WizardWindows() = default;

void WizardWindows::setStage(const Stage& stage)
{
    if (stage == m_stage)
        return;
    m_stage = stage;
    m_character->setScale(stage.scale);
    m_balloon->setScale(stage.scale);
    m_balloon->setRoom(stage.room.isEmpty() ? QSize() : stage.room.size());
    place(m_scenePosition);
    applyVisibility();
}

void WizardWindows::setWizardUp(bool up)
{
    m_wizardUp = up;
    if (!up)
        m_balloonUp = false;
    place(m_scenePosition);
    applyVisibility();
}

void WizardWindows::presentBalloon(const QString& text, std::optional<Side> pointing)
{
    m_balloon->present(text);
    m_balloonSide = balloonSide(m_stage, wizardOnScreen(), m_balloon->size(), pointing);
    m_balloonUp = m_wizardUp;
    placeBalloon();
    applyVisibility();
}

void WizardWindows::setBalloonUp(bool up)
{
    m_balloonUp = up && m_wizardUp;
    if (m_balloonUp)
        placeBalloon();
    applyVisibility();
}

void WizardWindows::setBalloonAllowed(bool allowed)
{
    m_balloonAllowed = allowed;
    applyVisibility();
}

void WizardWindows::place(QPointF scenePosition)
{
    m_scenePosition = scenePosition;
    const QPoint topLeft = wizardOnScreen().topLeft();
    if (m_character->pos() != topLeft)
        m_character->move(topLeft);
    if (m_balloonUp)
        placeBalloon();
}

QRect WizardWindows::wizardOnScreen() const
{
    return wizardRect(m_stage, m_scenePosition, WizardPainter::naturalSize);
}

void WizardWindows::placeBalloon()
{
    const QRect wizard = wizardOnScreen();
    const QPoint mouth = wizard.topLeft() + m_character->mouth();
    m_balloon->placeAt(balloonTopLeft(m_stage, wizard, mouth, m_balloon->size(), m_balloonSide),
        m_balloonSide, mouth);
}

void WizardWindows::applyVisibility()
{
    const bool wizard = m_wizardUp && m_stage.visible;
    const bool balloon = m_balloonUp && m_balloonAllowed && m_stage.visible;
    if (m_character->isVisible() != wizard)
        m_character->setVisible(wizard);
    if (m_balloon->isVisible() != balloon)
        m_balloon->setVisible(balloon);
}

} // namespace quorvel
