#pragma once

#include <QString>

#include <optional>

class QFileDevice;
class QIODevice;

// What the shared file functions ask of the system they run on. One source per system
// (safe_file_posix.cpp, ...) implements these; nothing outside this folder includes this header.
namespace quillon::file_system {

// Gives `draft`, the new file that is about to replace `target`, what the system keeps of the old
// file beyond what QSaveFile carries over (the whole mode and, for an administrator, the owner).
// A missing target is no failure. The system's reason on failure.
std::optional<QString> keepModeAndOwner(const QString &target, QFileDevice &draft);

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
