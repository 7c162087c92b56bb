#include "system_queries.h"

#include "dial_up_interfaces.h"
#include "proc_memory.h"
#include "uptime_split.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <pwd.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <vector>

// Thin readers of the kernel's files and calls; what their answers mean is worked out in the
// sysinfo library. They run at start-up, so they read a few small files and start no programs.
namespace quillon::system_queries {

namespace {

// The user address space a process gets when no limit is set.
#if defined(__x86_64__)
constexpr quint64 architectureAddressSpace = quint64(1) << 47;
#elif defined(__aarch64__)
constexpr quint64 architectureAddressSpace = quint64(1) << 48;
#elif defined(__LP64__)
constexpr quint64 architectureAddressSpace = quint64(1) << 47;
#else
constexpr quint64 architectureAddressSpace = quint64(3) << 30;
#endif

QByteArray fileText(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::optional<quint64> addressSpaceLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return std::nullopt;
    return limit.rlim_cur;
}

std::optional<QString> passwordDatabaseName() {
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? size_t(suggested) : 1024);
    passwd entry{};
    passwd *found = nullptr;
    int error = 0;
    while ((error = getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found)) == ERANGE)
        buffer.resize(buffer.size() * 2);
    if (error != 0 || !found || !found->pw_name || !*found->pw_name)
        return std::nullopt;
    return QString::fromLocal8Bit(found->pw_name);
}

} // namespace

MemoryFigures memoryFigures() {
    return memoryFiguresFromProc(fileText(QStringLiteral("/proc/meminfo")),
                                 fileText(QStringLiteral("/proc/self/status")),
                                 userAddressSpace(addressSpaceLimit(), architectureAddressSpace));
}

QStringList dialUpConnections() {
    const QString root = QStringLiteral("/sys/class/net/");
    QList<SysfsNetworkInterface> interfaces;
    const QStringList names =
        QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    for (const QString &name : names) {
        const QString folder = root + name + QLatin1Char('/');
        interfaces.append({name, fileText(folder + QLatin1StringView("type")),
                           fileText(folder + QLatin1StringView("operstate")),
                           fileText(folder + QLatin1StringView("flags")),
                           fileText(folder + QLatin1StringView("ifindex"))});
    }
    return activeDialUpNames(interfaces);
}

std::optional<QString> userName() {
    if (std::optional<QString> name = passwordDatabaseName())
        return name;
    // Without a password-database entry (a container's made-up user id) the login's
    // environment is the best there is.
    for (const char *variable : {"USER", "LOGNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return std::nullopt;
}

quint32 tickCount() {
    // CLOCK_BOOTTIME keeps counting through suspend, as the system's uptime does.
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return 0;
    return tickCountAfter(std::chrono::seconds(now.tv_sec) +
                          std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::nanoseconds(now.tv_nsec)));
}

} // namespace quillon::system_queries
