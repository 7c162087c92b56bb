#include "memory_summary.h"

#include <algorithm>
#include <array>
#include <utility>

namespace quillon {

namespace {

constexpr qsizetype figureWidth = 11;

QString figureField(quint64 figure) {
    const QString digits = QString::number(figure);
    return digits.rightJustified(std::max(figureWidth, digits.size() + 1), QLatin1Char(' '));
}

} // namespace

QString memorySummaryText(const MemoryFigures &figures) {
    const std::array<std::pair<QLatin1StringView, quint64>, 7> lines{{
        {QLatin1StringView("% used:                "), figures.loadPercent},
        {QLatin1StringView("Total physical memory: "), figures.totalPhysical},
        {QLatin1StringView("Physical memory free:  "), figures.availablePhysical},
        {QLatin1StringView("Total page file size:  "), figures.totalPageFile},
        {QLatin1StringView("Free page file size:   "), figures.availablePageFile},
        {QLatin1StringView("Total virtual memory:  "), figures.totalVirtual},
        {QLatin1StringView("Free virtual memory:   "), figures.availableVirtual},
    }};
    QString text;
    for (const auto &[label, figure] : lines)
        text += label + figureField(figure) + QLatin1StringView("\r\n");
    return text;
}

} // namespace quillon
