#include "ui/storage/plain_icon_provider.h"

#include <QFileInfo>

namespace quorvel {

QIcon PlainIconProvider::icon(const QFileInfo& info) const
{
    return icon(info.isDir() ? Folder : File);
}

QString PlainIconProvider::type(const QFileInfo& info) const
{
    return info.isDir() ? "Cartella" : "File"; // the pupil reads these in the dialog
}

} // namespace quorvel
