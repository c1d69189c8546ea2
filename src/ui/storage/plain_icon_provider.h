// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFileIconProvider>

namespace quorvel {

// Tells files from folders by their entries alone. Qt's own provider reads the start of every
// file to guess its type, on the window's thread too: slow in big folders, and a special file
// such as /proc/kmsg (readable by root) blocks that read for ever. The pictures by kind come
// from Qt's widget provider, which falls back to the style's own folder and file pictures
// where there is no icon theme (a null icon makes the save dialog's side bar complain that it
// cannot scale it). It keeps the pictures it made: own one for as long as the dialog using it.
class PlainIconProvider : public QFileIconProvider
{
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

} // namespace quorvel
