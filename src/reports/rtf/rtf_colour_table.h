#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace quillon {

// The {\colortbl ...} group as read: colours by index, each ended by ';'. An entry that gives no
// component ("auto", usually the first) has no colour.
class RtfColourTable {
public:
    enum Component { Red, Green, Blue };

    // \colortbl: a table replaces any read before it.
    void clear();
    void setComponent(Component component, int value); // \redN, \greenN, \blueN
    void appendText(const QString &text);

    // The colour numbered `index`; none for "auto" and for numbers the table lacks.
    std::optional<QColor> colour(int index) const;

private:
    std::vector<std::optional<QColor>> m_colours;
    std::array<int, 3> m_rgb = {0, 0, 0};
    bool m_given = false;
};

} // namespace quillon
