#include "NameOnlyIcons.h"

#include <QMimeDatabase>

namespace kx {

QIcon NameOnlyIcons::icon(const QFileInfo& info) const
{
    return QFileIconProvider::icon(info.isDir() ? Folder : File);
}

QString NameOnlyIcons::type(const QFileInfo& info) const
{
    if (info.isDir())
        return QFileIconProvider::type(info);
    return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension).comment();
}

} // namespace kx
