// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quorvel {

// The words many dialogs share, in the language in use, each written once.
QString cancelButtonText(); // "&Annulla"
QString closeButtonText(); // "&Chiudi"
QString closeName(); // "chiudi": the screen reader's name of a panel's close mark
QString csvFilesFilter(); // the save dialog's filter for spreadsheet tables

} // namespace quorvel
