#include "file_name_icon_provider.h"

#include <QFileInfo>
#include <QIcon>

namespace quillon {

QIcon FileNameIconProvider::icon(const QFileInfo &info) const {
    if (!info.isFile())
        return icon(info.isDir() ? Folder : File);
    const QMimeType type =
        m_mimeTypes.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    for (const QString &name : {type.iconName(), type.genericIconName()}) {
        QIcon themed = QIcon::fromTheme(name);
        if (!themed.isNull())
            return themed;
    }
    return icon(File);
}

QString FileNameIconProvider::type(const QFileInfo &info) const {
    // Folders, drives and links are told apart by their entry, never by content.
    if (!info.isFile())
        return QAbstractFileIconProvider::type(info);
    const QMimeType type =
        m_mimeTypes.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return type.comment().isEmpty() ? type.name() : type.comment();
}

} // namespace quillon
