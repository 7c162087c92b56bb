#pragma once

#include <QString>

namespace quillon {

// The memory figures of the Sys Info tab, in bytes except `loadPercent`. A figure that cannot be
// read is 0.
struct MemoryFigures {
    quint64 loadPercent = 0;
    quint64 totalPhysical = 0;
    quint64 availablePhysical = 0;
    quint64 totalPageFile = 0;
    quint64 availablePageFile = 0;
    quint64 totalVirtual = 0;
    quint64 availableVirtual = 0;

    friend bool operator==(const MemoryFigures &, const MemoryFigures &) = default;
};

} // namespace quillon
