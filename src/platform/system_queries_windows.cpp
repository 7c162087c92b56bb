#include "system_queries.h"

#include <QString>

// windows.h first: ras.h and lmcons.h use its types.
#include <windows.h>

#include <lmcons.h>
#include <ras.h>

#include <vector>

// Thin callers of the Windows calls; what their answers mean is worked out in the sysinfo
// library, as on Linux. Text the calls give in the 8-bit character set is in the system's ANSI
// code page, which QString::fromLocal8Bit converts from on Windows.
namespace quillon::system_queries {

namespace {

// The table offered to the dial-up service: as many entries as it lists at most.
constexpr DWORD kConnectionEntries = 256;

} // namespace

MemoryFigures memoryFigures() {
    // The extended call gives 64-bit figures, so large memories are not cut to 4 GB.
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (!GlobalMemoryStatusEx(&status))
        return {};
    return {status.dwMemoryLoad,     status.ullTotalPhys,     status.ullAvailPhys,
            status.ullTotalPageFile, status.ullAvailPageFile, status.ullTotalVirtual,
            status.ullAvailVirtual};
}

QStringList dialUpConnections() {
    std::vector<RASCONNA> table(kConnectionEntries);
    table.front().dwSize = sizeof(RASCONNA);
    DWORD size = DWORD(table.size() * sizeof(RASCONNA));
    DWORD count = 0;
    // A failed call may leave a count larger than the table (too many connections) or entries it
    // never filled: nothing is listed then rather than reading past what was written.
    if (RasEnumConnectionsA(table.data(), &size, &count) != ERROR_SUCCESS)
        return {};
    QStringList names;
    for (DWORD i = 0; i < count && i < kConnectionEntries; ++i) {
        const char *name = table[i].szEntryName;
        const QString text = QString::fromLocal8Bit(name, qstrnlen(name, RAS_MaxEntryName + 1));
        if (!text.isEmpty())
            names.append(text);
    }
    return names;
}

std::optional<QString> userName() {
    // The wide call: a name outside the system's code page would come back as "?" from the
    // 8-bit one.
    wchar_t buffer[UNLEN + 1] = {};
    DWORD size = UNLEN + 1;
    if (!GetUserNameW(buffer, &size) || buffer[0] == L'\0')
        return std::nullopt;
    return QString::fromWCharArray(buffer, qsizetype(wcsnlen(buffer, UNLEN + 1)));
}

quint32 tickCount() {
    // 32 bits by design: the uptime text handles the return to 0 after 49.7 days.
    return GetTickCount();
}

} // namespace quillon::system_queries
