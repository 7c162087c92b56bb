#pragma once

// Runs a command of the program in a child process that is set up first in a way the test
// process must not be (a mount namespace of its own, system calls that fail), so that nothing
// of it outlives the child. Linux only.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <vector>

#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillon {

// Runs `command` in a child process once `prepare` has set the child up. The reason the command
// gave, empty when it succeeded, or nothing when `prepare` could not be done here.
inline std::optional<QString>
reasonInChild(const std::function<bool()> &prepare,
              const std::function<std::optional<QString>()> &command) {
    int channel[2];
    if (pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        if (!prepare())
            _exit(77);
        const QByteArray reason = command().value_or(QString()).toUtf8();
        const bool told = write(channel[1], reason.constData(), reason.size()) == reason.size();
        _exit(told ? 0 : 1);
    }
    close(channel[1]);
    QByteArray reason;
    char buffer[4096];
    for (ssize_t count; (count = read(channel[0], buffer, sizeof buffer)) > 0;)
        reason.append(buffer, count);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return QString::fromUtf8(reason);
}

// From now on every one of the system calls `numbers` (__NR_flock, ...) fails with `error`, as
// where a file system or the system itself refuses them; for the process that calls it and its
// children, for good.
inline bool failSystemCalls(std::initializer_list<long> numbers, int error) {
    std::vector<sock_filter> filter{BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr))};
    for (const long number : numbers) {
        filter.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<__u32>(number), 0, 1));
        filter.push_back(BPF_STMT(
            BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (static_cast<__u32>(error) & SECCOMP_RET_DATA)));
    }
    filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    const sock_fprog program{static_cast<unsigned short>(filter.size()), filter.data()};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

} // namespace quillon
