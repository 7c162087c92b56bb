#include "safe_file_system.h"

#include <QFile>
#include <QFileDevice>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace quillon::file_system {

namespace {

// QSaveFile gives the new file the old one's read and write bits; the rest of the mode and, for
// root, who owns it are carried over here, so that a root-run program does not take a user's
// file from them.
std::optional<QString> keepModeAndOwner(const QString &target, QFileDevice &draft) {
    struct stat old {};
    if (::stat(QFile::encodeName(target).constData(), &old) != 0)
        return std::nullopt; // a new file: the umask decides
    const int handle = draft.handle();
    if (geteuid() == 0 && ::fchown(handle, old.st_uid, old.st_gid) != 0)
        return qt_error_string(errno);
    if (::fchmod(handle, old.st_mode & 07777) != 0)
        return qt_error_string(errno);
    return std::nullopt;
}

} // namespace

std::optional<QString> replaceWithNewFile(const QString &target, const ContentWriter &write) {
    QSaveFile file(target);
    // Unbuffered, so that a full disk fails the write itself: a buffered write fails only in the
    // flush inside commit(), which then renames the cut-off file over the old one all the same.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (auto failed = keepModeAndOwner(target, file)) {
        file.cancelWriting();
        return failed;
    }
    if (auto failed = write(file)) {
        file.cancelWriting();
        return failed;
    }
    // commit() flushes the new file to the disk before the rename, and removes it when the rename
    // fails.
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

// The path was looked at before it was opened, so that a pipe is never waited on; this catches
// one put in the file's place in between.
std::optional<QString> refuseIrregularOpenFile(QFileDevice &file) {
    struct stat opened {};
    if (::fstat(file.handle(), &opened) != 0)
        return qt_error_string(errno);
    if (!S_ISREG(opened.st_mode))
        return QStringLiteral("it is not a regular file");
    return std::nullopt;
}

KernelCopy copyInKernel(QFileDevice &from, qint64 offset, qint64 size, QIODevice &to) {
    auto *target = qobject_cast<QFileDevice *>(&to);
    if (!target || target->handle() < 0 || from.handle() < 0)
        return {};
    loff_t position = offset;
    while (position < size) {
        const ssize_t copied = ::copy_file_range(from.handle(), &position, target->handle(),
                                                 nullptr, size_t(size - position), 0);
        if (copied > 0)
            continue;
        if (copied == 0)
            return {false, QStringLiteral("the file grew shorter while it was copied")};
        // Some file systems cannot copy between these two files; copy through memory then.
        if (position == offset &&
            (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP))
            return {};
        return {false, qt_error_string(errno)};
    }
    return {true, std::nullopt};
}

} // namespace quillon::file_system
