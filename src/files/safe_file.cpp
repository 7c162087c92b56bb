#include "safe_file.h"

#include "safe_file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quillon {

namespace {

QString cannot(const char *what, const QString &path, const QString &cause) {
    return QStringLiteral("Cannot %1 %2: %3")
        .arg(QLatin1String(what), QDir::toNativeSeparators(path), cause);
}

} // namespace

std::optional<QString> writeWhole(QIODevice &device, QByteArrayView bytes) {
    // A short write (a full disk) sets no error; writing the rest then fails and tells the cause.
    while (!bytes.isEmpty()) {
        const qint64 count = device.write(bytes.data(), bytes.size());
        if (count <= 0)
            return device.errorString();
        bytes = bytes.sliced(count);
    }
    return std::nullopt;
}

std::optional<QString> copyFileTail(QFileDevice &from, qint64 offset, QIODevice &to) {
    const qint64 size = from.size();
    const file_system::KernelCopy kernel = file_system::copyInKernel(from, offset, size, to);
    if (kernel.error)
        return kernel.error;
    if (kernel.done)
        return std::nullopt;
    if (!from.seek(offset))
        return from.errorString();
    constexpr qint64 kBlock = 1 << 20;
    for (qint64 left = size - offset; left > 0;) {
        const QByteArray block = from.read(qMin(left, kBlock));
        if (block.isEmpty())
            return from.errorString();
        if (auto failed = writeWhole(to, block))
            return failed;
        left -= block.size();
    }
    return std::nullopt;
}

std::optional<QString> refuseIrregularFile(const QString &path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return cannot("use", path, QStringLiteral("it is not a regular file"));
    return std::nullopt;
}

QString linkTarget(const QString &path) {
    QFileInfo info(path);
    // The same bound as the system's own for chains of links.
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

std::optional<QString> replaceFile(const QString &path, const ContentWriter &write) {
    if (auto refused = refuseIrregularFile(path))
        return refused;
    if (auto failed = file_system::replaceWithNewFile(linkTarget(path), write))
        return cannot("write", path, *failed);
    return std::nullopt;
}

std::optional<QString> replaceFile(const QString &path, QByteArrayView content) {
    return replaceFile(path, [content](QIODevice &device) { return writeWhole(device, content); });
}

std::optional<QString> appendWhole(const QString &path, QByteArrayView record) {
    if (auto refused = refuseIrregularFile(path))
        return refused;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return cannot("add to", path, file.errorString());
    const qint64 oldSize = file.size();
    std::optional<QString> failed = writeWhole(file, record);
    if (!failed) {
        file.close();
        if (file.error() == QFileDevice::NoError)
            return std::nullopt;
        failed = file.errorString();
    }
    // Part of the record may have reached the disk; cut it off so that the file holds whole
    // records only.
    file.close();
    file.resize(oldSize);
    return cannot("add to", path, *failed);
}

FileContent readRegularFile(const QString &path, qint64 maxSize) {
    if (auto refused = refuseIrregularFile(path))
        return {{}, refused};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, cannot("open", path, file.errorString())};
    if (auto refused = file_system::refuseIrregularOpenFile(file))
        return {{}, cannot("use", path, *refused)};
    const QString tooLarge = QStringLiteral("%1 is too large to open (more than %2 MB)")
                                 .arg(QDir::toNativeSeparators(path))
                                 .arg(maxSize >> 20);
    if (file.size() > maxSize)
        return {{}, tooLarge};
    // Read what the file holds, never the whole limit at once: a read of maxSize bytes reserves
    // them first, which under a memory limit fails for a file of a few bytes. The file may grow
    // between the size check and the read, so the reading goes on to its end or past the limit.
    constexpr qint64 kBlock = 1 << 20;
    QByteArray bytes;
    bytes.reserve(file.size());
    while (true) {
        const QByteArray block = file.read(qMin(kBlock, maxSize + 1 - bytes.size()));
        if (file.error() != QFileDevice::NoError)
            return {{}, cannot("read", path, file.errorString())};
        if (block.isEmpty())
            return {bytes, std::nullopt};
        bytes += block;
        if (bytes.size() > maxSize)
            return {{}, tooLarge};
    }
}

} // namespace quillon
