#include "ui/storage/plain_icon_provider.h"

#include <QAbstractFileIconProvider>
#include <QFileInfo>

namespace quorvel {
namespace {

class PlainIconProvider : public QAbstractFileIconProvider
{
public:
    QIcon icon(const QFileInfo& info) const override
    {
        return QAbstractFileIconProvider::icon(info.isDir() ? Folder : File);
    }
    QString type(const QFileInfo& info) const override
    {
        return info.isDir() ? "Cartella" : "File"; // the pupil reads these in the lists
    }
};

} // namespace

QAbstractFileIconProvider* plainIcons()
{
    static PlainIconProvider provider;
    return &provider;
}

} // namespace quorvel
