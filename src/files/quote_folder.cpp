#include "quote_folder.h"

#include "quote_file.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace quillon {

namespace {

// Tried rather than asked: on Windows a folder's attributes say nothing of the access rights
// (Program Files has no read-only attribute, yet a standard user may not add a file to it), and
// on Linux root may write where the permission bits say no, but not into an immutable folder.
bool canCreateFileIn(const QString &folder) {
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".quillon-probe-XXXXXX")));
    return probe.open();
}

void carryOldQuoteFile(const QString &programFolder, const QString &dataFolder) {
    const QString old = quoteFilePath(programFolder);
    const QString moved = quoteFilePath(dataFolder);
    if (QFileInfo(old).isFile() && !QFileInfo::exists(moved))
        QFile::copy(old, moved);
}

} // namespace

QString quoteFolder(const QString &programFolder, const QString &dataFolder) {
    if (canCreateFileIn(programFolder))
        return programFolder;
    if (!QDir::isAbsolutePath(dataFolder))
        return QString();
    QDir().mkpath(dataFolder);
    carryOldQuoteFile(programFolder, dataFolder);
    return dataFolder;
}

QString noQuoteFolderText() {
    return QStringLiteral("There is no folder to keep quote.txt in: the program's folder cannot be "
                          "written, and there is no home folder to keep it in instead.");
}

} // namespace quillon
