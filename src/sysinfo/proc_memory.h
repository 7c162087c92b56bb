#pragma once

#include "memory_summary.h"

#include <QByteArrayView>

#include <optional>

namespace quillon {

// The byte count of the field `key` in a kernel text of "Key:   <n> kB" lines, as in
// /proc/meminfo and /proc/self/status. Nothing when the field is missing, is not a plain count of
// kilobytes, or its bytes do not fit in 64 bits. The first line with the key counts.
//
//   procFieldBytes("MemTotal:  16 kB\n", "MemTotal") == 16384
std::optional<quint64> procFieldBytes(QByteArrayView procText, QByteArrayView key);

// The size of a process's user address space: the address-space limit when one is set, but no
// more than the architecture offers.
quint64 userAddressSpace(std::optional<quint64> addressSpaceLimit, quint64 architectureSize);

// The memory figures from the texts of /proc/meminfo and /proc/self/status and the process's
// address-space size:
// - load: the share of MemTotal not in MemAvailable, in whole percent (rounded down);
// - physical: MemTotal and MemAvailable;
// - page file: MemTotal + SwapTotal and MemAvailable + SwapFree;
// - virtual: `addressSpace` and what VmSize leaves of it.
// A figure whose inputs are missing or garbage is 0; differences stop at 0, sums that overflow
// are 0.
MemoryFigures memoryFiguresFromProc(QByteArrayView meminfo, QByteArrayView status,
                                    quint64 addressSpace);

} // namespace quillon
