// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quorvel {

// The one folder that saving and opening share: the last folder a mechanism was saved in or
// opened from, remembered between runs; the first time, a "Quorvel" folder in the pupil's
// documents folder.
class MechanismFolder
{
public:
    // Where the save dialog starts. The first time, the "Quorvel" folder is made here.
    static QString forSaving();
    // Where the open panel starts: the shared folder, or the nearest folder above it that
    // exists (nothing is made just to look).
    static QString forOpening();
    // A mechanism was saved in, or opened from, `folder`.
    static void remember(const QString& folder);

    // The folder before anything was saved or opened: "Quorvel" in the documents folder.
    static QString firstFolder();

    // Where the notebook's and the class's exports start: the last folder one went to, or the
    // same "Quorvel" folder at first (never the program's working folder).
    static QString forExporting();
    static void rememberExport(const QString& file);
};

} // namespace quorvel
