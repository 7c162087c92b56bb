#include "rtf_colour_table.h"

#include <algorithm>

namespace quillon {

void RtfColourTable::clear() {
    m_colours.clear();
}

void RtfColourTable::setComponent(Component component, int value) {
    m_rgb[component] = std::clamp(value, 0, 255);
    m_given = true;
}

void RtfColourTable::appendText(const QString &text) {
    for (const QChar c : text) {
        if (c != u';')
            continue;
        if (m_given)
            m_colours.emplace_back(QColor(m_rgb[Red], m_rgb[Green], m_rgb[Blue]));
        else
            m_colours.emplace_back(std::nullopt);
        m_rgb = {0, 0, 0};
        m_given = false;
    }
}

std::optional<QColor> RtfColourTable::colour(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_colours.size())
        return std::nullopt;
    return m_colours[static_cast<size_t>(index)];
}

} // namespace quillon
