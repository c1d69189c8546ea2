// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The monkey's tools: a silent speaker, the process's memory, the folder it plays in, a desktop
// of its own, and events sent as the platform delivers them.
#include "core/ports/ports.h"

#include <QByteArray>
#include <QDir>
#include <QEvent>
#include <QPoint>
#include <QString>

class QObject;
class QWidget;

namespace quorvel {
class Notebook;
}

namespace quorvel::soak {

// The real speaker holds the window for 100 ms on every beep, as the game's rules ask: that
// would stretch 20 000 events to hours.
class SilentSpeaker : public Speaker
{
public:
    void beep(int, int) override { }
};

// Resident memory in MiB by the kernel's account of this process, -1 where it gives none.
double residentMiB(const QByteArray& field = "VmRSS:");

// What the notebook's pages and trials hold, in MiB: the record of every experiment, which
// grows as it must.
double notebookMiB(const Notebook& notebook);
// The bytes malloc has handed out and not got back, in MiB: growth here is memory kept, growth
// of the resident size alone is the heap's free holes.
double heapInUseMiB();

// A throw-away folder for the open and save panels: mechanism files good and broken (empty,
// an unknown level, binary bytes, a megabyte that never ends), a subfolder, and "non_cartella",
// a regular file where saving expects a folder, which stops even root.
void fillFolder(const QDir& root);

// Settings and a documents folder inside `root`, so that a run starts afresh and leaves the
// user's own settings and documents alone. Before the first use of QSettings.
void privateDesktop(const QDir& root);

void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held = {});
void sendClick(QWidget* target, QPoint at, bool twice = false);
void sendKey(QObject* target, int key, const QString& text = {});
// Types a text into a field key by key, as the pupil does, and ends with Enter.
void typeInto(QWidget* field, const QString& text);

} // namespace quorvel::soak
