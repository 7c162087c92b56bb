#include "screen_placement.h"

#include <algorithm>

namespace quillon {

namespace {

// The start of a span of `length` placed at `start`, moved into [low, low + room) as far as it
// fits.
int keepWithin(int start, int length, int low, int room) {
    return std::max(low, std::min(start, low + room - length));
}

} // namespace

QPoint clientPositionOnScreen(const QRect &designed, const QMargins &frame,
                              const QRect &available) {
    const QRect outer = designed.marginsAdded(frame);
    const int left = keepWithin(outer.left(), outer.width(), available.left(), available.width());
    const int top = keepWithin(outer.top(), outer.height(), available.top(), available.height());
    return QPoint(left + frame.left(), top + frame.top());
}

} // namespace quillon
