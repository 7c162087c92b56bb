#pragma once

// Ways to make a file operation fail, for the fault-injection tests: a folder the user cannot
// write, a full disk, and probes that tell whether this user is bound by permissions at all.

#include "test_files.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <csignal>
#include <memory>
#include <optional>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace quillon::faults {

// Everything in `folder`, hidden files included, so that a temporary file left behind shows.
inline QStringList folderEntries(const QString &folder) {
    return QDir(folder).entryList(
        QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System, QDir::Name);
}

// Makes `folder` read-only while it lives. bites() is false when permissions do not stop this
// user (root), so that the test can skip what it cannot show.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &folder)
        : m_folder(folder)
        , m_permissions(QFile::permissions(folder)) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~ReadOnlyFolder() { QFile::setPermissions(m_folder, m_permissions); }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    bool bites() const {
        QFile probe(QDir(m_folder).filePath(QStringLiteral(".probe")));
        if (!probe.open(QIODevice::WriteOnly))
            return true;
        probe.remove();
        return false;
    }

private:
    QString m_folder;
    QFile::Permissions m_permissions;
};

// A full disk under `folder`: a small tmpfs mounted there and filled to the last byte when this
// process may mount one (root), else a file size limit that even root is bound by (EFBIG instead
// of ENOSPC, with SIGXFSZ ignored). Mount it on an empty folder before the earlier data is
// written, then call fill() just before the command under test.
class FullDisk {
public:
    explicit FullDisk(const QString &folder)
        : m_folder(folder) {
        QDir().mkpath(folder);
        m_mounted = geteuid() == 0 && ::mount("tmpfs", QFile::encodeName(folder).constData(),
                                              "tmpfs", 0, "size=256k,mode=0700") == 0;
    }
    ~FullDisk() {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
        if (m_limited) {
            setrlimit(RLIMIT_FSIZE, &m_oldLimit);
            std::signal(SIGXFSZ, m_oldHandler);
        }
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool isTmpfs() const { return m_mounted; }

    // From now on nothing more can be written.
    void fill() {
        if (m_mounted) {
            QFile filler(QDir(m_folder).filePath(QStringLiteral("filler")));
            if (filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
                const QByteArray block(4096, 'f');
                while (filler.write(block) > 0) {
                }
                // The last partial block may still fit byte by byte.
                while (filler.write("f", 1) == 1) {
                }
            }
            return;
        }
        getrlimit(RLIMIT_FSIZE, &m_oldLimit);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{kLimit, m_oldLimit.rlim_max};
        m_limited = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }

    // The entries the filling added to the folder.
    QStringList fillerEntries() const {
        return m_mounted ? QStringList{QStringLiteral("filler")} : QStringList();
    }

private:
    // Smaller than any file the commands write, so every write that grows a file fails.
    static constexpr rlim_t kLimit = 256;

    QString m_folder;
    bool m_mounted = false;
    bool m_limited = false;
    rlimit m_oldLimit{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace quillon::faults
