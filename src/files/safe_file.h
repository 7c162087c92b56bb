#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

class QFileDevice;
class QIODevice;

namespace quillon {

// The files the user cares about (the quote file, saved reports, the settings file) are read and
// written through these functions only, so that each of them keeps a link, a file's mode and the
// old content on failure in the same way. Every failure comes back as a text that names the path
// and the system's reason; nothing on success.

// Writes the new content into `device`; the reason on failure.
using ContentWriter = std::function<std::optional<QString>(QIODevice &device)>;

// Writes all of `bytes`, however many calls the device needs; the device's reason on failure.
std::optional<QString> writeWhole(QIODevice &device, QByteArrayView bytes);

// Writes the bytes of `from` from `offset` to its end into `to`, in the kernel where it can
// (copy_file_range), so that a long file's tail is never copied through memory. `from` is an open
// file; the device's or the system's reason on failure.
std::optional<QString> copyFileTail(QFileDevice &from, qint64 offset, QIODevice &to);

// Refuses a path that exists but is not a regular file (a folder, a pipe, a device), looked at
// without opening it, so that a pipe is never waited on. A missing path passes.
std::optional<QString> refuseIrregularFile(const QString &path);

// Replaces the file at `path` with what `write` produces. The content goes to a temporary file in
// the same folder, is flushed to the disk and only then renamed over the old file, so a failure
// at any step leaves the old file as it was and no temporary file behind. A symbolic link is
// followed and its target replaced, the link kept; the old file's permission bits are kept, and
// its owner too when the program runs as root.
std::optional<QString> replaceFile(const QString &path, const ContentWriter &write);
std::optional<QString> replaceFile(const QString &path, QByteArrayView content);

// Appends `record` to the file at `path`, creating it when missing. The record is written whole
// or not at all: after a failure the file is cut back to its old length.
std::optional<QString> appendWhole(const QString &path, QByteArrayView record);

// The content of a regular file of at most `maxSize` bytes, or the reason it cannot be had.
struct FileContent {
    QByteArray bytes;
    std::optional<QString> error;
};
FileContent readRegularFile(const QString &path, qint64 maxSize);

// The file a replace writes to: the end of a chain of symbolic links, or `path` itself.
QString linkTarget(const QString &path);

} // namespace quillon
