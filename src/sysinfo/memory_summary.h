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

// The seven-line memory summary: per figure a 23-character label, the figure's plain decimal
// digits right-aligned in 11 characters, and CR LF. Figures are shown whole, unscaled: one wider
// than 10 digits is written behind a single space, so label and digits never touch.
//
//   memorySummaryText({.loadPercent = 37, ...}) starts with "% used: 37\r\n"
QString memorySummaryText(const MemoryFigures &figures);

} // namespace quillon
