#include "quote_folder.h"

#include <QDir>
#include <QFileInfo>

namespace quillon {

QString quoteFolder(const QString &programFolder, const QString &dataFolder) {
    const QFileInfo program(programFolder);
    if (program.isDir() && program.isWritable())
        return programFolder;
    if (!QDir::isAbsolutePath(dataFolder))
        return QString();
    QDir().mkpath(dataFolder);
    return dataFolder;
}

QString noQuoteFolderText() {
    return QStringLiteral("There is no folder to keep quote.txt in: the program's folder cannot be "
                          "written, and there is no home folder to keep it in instead.");
}

} // namespace quillon
