// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app/common_words.h"

#include <QCoreApplication>

namespace quorvel {

QString cancelButtonText()
{
    return QCoreApplication::translate("quorvel::Words", "&Annulla");
}

QString closeButtonText()
{
    return QCoreApplication::translate("quorvel::Words", "&Chiudi");
}

QString closeName()
{
    return QCoreApplication::translate("quorvel::Words", "chiudi");
}

QString csvFilesFilter()
{
    return QCoreApplication::translate("quorvel::Words", "Tabelle (*.csv)");
}

} // namespace quorvel
