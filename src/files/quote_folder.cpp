#include "quote_folder.h"

#include <QDir>
#include <QFileInfo>

namespace quillon {

QString quoteFolder(const QString &programFolder, const QString &dataFolder) {
    const QFileInfo program(programFolder);
    if (program.isDir() && program.isWritable())
        return programFolder;
    QDir().mkpath(dataFolder);
    return dataFolder;
}

} // namespace quillon
