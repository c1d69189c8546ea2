// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/storage/plain_icon_provider.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quorvel {

QIcon PlainIconProvider::icon(const QFileInfo& info) const
{
    return icon(info.isDir() ? Folder : File);
}

QString PlainIconProvider::type(const QFileInfo& info) const
{
    // The pupil reads these in the save dialog.
    return info.isDir() ? QCoreApplication::translate("quorvel::PlainIconProvider", "Cartella")
                        : QCoreApplication::translate("quorvel::PlainIconProvider", "File");
}

} // namespace quorvel
