// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/assistant_controls.h"

#include "ui/app/caption_strip.h"
#include "ui/app/machine_face.h"
#include "ui/narrator/merlin_narrator.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

constexpr const char* voiceKey = "assistente/voce";
constexpr const char* captionsKey = "assistente/sottotitoli";

QAction* addItem(QMenu& menu, const char* name, const QString& text, bool checkable)
{
    QAction* action = menu.addAction(text);
    action->setObjectName(name);
    action->setCheckable(checkable);
    action->setChecked(checkable);
    return action;
}

} // namespace

AssistantControls::AssistantControls(QMainWindow& window, MachineFace& face, CaptionStrip& strip)
    : QObject(&window)
    , m_window(window)
    , m_face(face)
    , m_strip(strip)
{
    m_window.installEventFilter(this);
    m_face.installEventFilter(this);
    // A dialog that waits for an answer (a message, the save dialog, the teacher's desk) comes
    // and goes with the keyboard's focus.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &AssistantControls::updateStage);
}

void AssistantControls::addMenuItems(QMenu& menu)
{
    menu.addSeparator();
    m_voice = addItem(menu, "voce", tr("Voce"), true);
    connect(m_voice, &QAction::toggled, this, &AssistantControls::setVoiceOn);
    m_captions = addItem(menu, "sottotitoli", tr("Sottotitoli"), true);
    connect(m_captions, &QAction::toggled, this, &AssistantControls::setCaptionsOn);
    m_skip = addItem(menu, "salta", tr("Salta"), false);
    m_skip->setShortcut(QKeySequence(Qt::Key_Escape));
    // Enabled only while he speaks: Esc otherwise belongs to the window.
    m_skip->setEnabled(false);
    connect(m_skip, &QAction::triggered, this, [this] {
        if (m_merlin)
            m_merlin->skip();
    });
}

void AssistantControls::restore()
{
    const QSettings settings;
    m_voice->setChecked(settings.value(voiceKey, true).toBool());
    m_captions->setChecked(settings.value(captionsKey, true).toBool());
}

void AssistantControls::attach(MerlinNarrator& merlin)
{
    m_merlin = &merlin;
    merlin.setVoiceOn(m_voice->isChecked());
    merlin.setBalloonOn(!m_captions->isChecked());
    merlin.setStage(stage());
    connect(&merlin, &MerlinNarrator::caption, &m_strip, &CaptionStrip::setText);
    connect(&merlin, &MerlinNarrator::busyChanged, m_skip, &QAction::setEnabled);
    connect(&merlin, &QObject::destroyed, this, [this] { m_merlin = nullptr; });
    m_skip->setEnabled(merlin.isBusy());
}

void AssistantControls::setVoiceOn(bool on)
{
    QSettings().setValue(voiceKey, on);
    if (m_merlin)
        m_merlin->setVoiceOn(on);
}

void AssistantControls::setCaptionsOn(bool on)
{
    QSettings().setValue(captionsKey, on);
    m_strip.setVisible(on);
    // One text to read: the captions below the machine, or his balloon on the stage.
    if (m_merlin)
        m_merlin->setBalloonOn(!on);
}

double AssistantControls::scale() const
{
    const QSize design = MachineFace::designSize;
    return std::min(static_cast<double>(m_face.width()) / design.width(),
        static_cast<double>(m_face.height()) / design.height());
}

Stage AssistantControls::stage() const
{
    Stage stage;
    stage.scale = scale();
    // The face's design area is centred in the face; at 100 % it lies right below the menu bar.
    const QSize design = MachineFace::designSize;
    const QPoint designCorner(
        (m_face.width() - static_cast<int>(std::lround(design.width() * stage.scale))) / 2,
        (m_face.height() - static_cast<int>(std::lround(design.height() * stage.scale))) / 2);
    const QMenuBar* bar = m_window.menuBar();
    stage.origin
        = m_face.mapToGlobal(designCorner) - QPoint(0, bar->isVisible() ? bar->height() : 0);
    if (bar->isVisible())
        stage.menuBar = QRect(bar->mapToGlobal(QPoint(0, 0)), bar->size());
    stage.window = m_window.frameGeometry();
    stage.machineWidth = MachineFace::machineSize.width();
    const QRect room = m_face.stageArea();
    stage.room = QRect(m_face.mapToGlobal(room.topLeft()), room.size());
    stage.besideMachine = std::max(0,
        m_window.mapToGlobal(QPoint(m_window.width(), 0)).x()
            - m_face.mapToGlobal(QPoint(m_face.width(), 0)).x());
    const QScreen* screen = m_window.screen();
    stage.screen = screen ? screen->availableGeometry() : Stage::desktop().screen;
    // He steps aside while a dialog waits for an answer, which he would otherwise cover: the
    // captions below the face still show what he says.
    stage.visible
        = m_window.isVisible() && !m_window.isMinimized() && !QApplication::activeModalWidget();
    return stage;
}

// The strip shares the face's column: its scale comes from the column as a whole, so that a
// new height of the strip never changes the scale it was worked out from.
void AssistantControls::fitStrip()
{
    if (m_strip.isHidden())
        return;
    const QSize design = MachineFace::designSize;
    const double scale = std::min(static_cast<double>(m_face.width()) / design.width(),
        static_cast<double>(m_face.height() + m_strip.height())
            / (design.height() + CaptionStrip::designHeight));
    m_strip.setScale(std::max(1.0, scale));
}

void AssistantControls::updateStage()
{
    if (m_merlin)
        m_merlin->setStage(stage());
}

bool AssistantControls::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize:
        if (watched == &m_face)
            fitStrip();
        updateStage();
        break;
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
        updateStage();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quorvel
