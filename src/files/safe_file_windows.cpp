#include "safe_file_system.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <string>

namespace quillon::file_system {

namespace {

std::wstring nativePath(const QString &path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

QString lastSystemError() {
    return qt_error_string(int(GetLastError()));
}

// A new file beside `target`, made by this call alone: a name no other file has.
struct NewFile {
    QString path;
    HANDLE handle = INVALID_HANDLE_VALUE;
};
NewFile createBeside(const QString &target) {
    NewFile file;
    for (int attempt = 0; attempt < 16; ++attempt) {
        file.path = QStringLiteral("%1.%2.new")
                        .arg(target)
                        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        file.handle = CreateFileW(nativePath(file.path).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file.handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    return file;
}

} // namespace

// Windows keeps no mode bits or owner to carry over: a file made in a folder takes the folder's
// permissions, as the old file did.
std::optional<QString> replaceWithNewFile(const QString &target, const ContentWriter &write) {
    const NewFile draft = createBeside(target);
    if (draft.handle == INVALID_HANDLE_VALUE)
        return lastSystemError();
    std::optional<QString> failed;
    {
        QFile device;
        // The device owns the descriptor, and the descriptor the handle, from here on.
        const int descriptor = _open_osfhandle(intptr_t(draft.handle), _O_WRONLY | _O_BINARY);
        if (descriptor < 0) {
            failed = lastSystemError();
            CloseHandle(draft.handle);
        } else if (!device.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered,
                                QFileDevice::AutoCloseHandle)) {
            failed = device.errorString();
            _close(descriptor);
        } else {
            failed = write(device);
            if (!failed && !FlushFileBuffers(draft.handle))
                failed = lastSystemError();
        }
    }
    // The move either puts the whole new file in the old one's place or leaves the old file as
    // it was; write-through returns only once the new name is on the disk.
    if (!failed && !MoveFileExW(nativePath(draft.path).c_str(), nativePath(target).c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        failed = lastSystemError();
    if (failed)
        DeleteFileW(nativePath(draft.path).c_str());
    return failed;
}

// A device, a console or a pipe can be opened by a name that looks like a file's ("NUL", "CON",
// "\\.\pipe\..."); only a file on a disk is read.
std::optional<QString> refuseIrregularOpenFile(QFileDevice &file) {
    const auto handle = HANDLE(_get_osfhandle(file.handle()));
    if (handle == INVALID_HANDLE_VALUE || GetFileType(handle) != FILE_TYPE_DISK)
        return QStringLiteral("it is not a regular file");
    return std::nullopt;
}

// Windows has no copy between two open files in the kernel that a caller could ask for; the
// history is copied through memory, a block at a time.
KernelCopy copyInKernel(QFileDevice &, qint64, qint64, QIODevice &) {
    return {};
}

} // namespace quillon::file_system
