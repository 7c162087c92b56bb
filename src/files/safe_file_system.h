#pragma once

#include "safe_file.h"

#include <QString>

#include <optional>

class QFileDevice;
class QIODevice;

// What the shared file functions ask of the system they run on. One source per system
// (safe_file_linux.cpp, ...) implements these; nothing outside this folder includes this header.
namespace quillon::file_system {

// Writes what `write` produces into a new file in the folder of `target` and, once it is on the
// disk, puts it in the old file's place, giving it what the system keeps of the old file (on
// POSIX systems the whole mode and, for an administrator, the owner). A failure at any step leaves
// `target` as it was and no new file behind. The device's or the system's reason on failure.
std::optional<QString> replaceWithNewFile(const QString &target, const ContentWriter &write);

// Refuses an open `file` that is not a regular file after all (a device or a pipe that a name
// led to): the system's reason, or nothing.
std::optional<QString> refuseIrregularOpenFile(QFileDevice &file);

// The outcome of a copy in the kernel: done, failed with a reason, or not possible between these
// two files, when the caller copies through memory instead.
struct KernelCopy {
    bool done = false;
    std::optional<QString> error;
};

// Copies the bytes of `from` from `offset` up to `size` into `to` without passing them through
// memory.
KernelCopy copyInKernel(QFileDevice &from, qint64 offset, qint64 size, QIODevice &to);

} // namespace quillon::file_system
