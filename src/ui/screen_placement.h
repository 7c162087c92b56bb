#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

namespace quillon {

// Where the client area of a window designed at `designed` goes on a screen whose free area is
// `available`, `frame` being the title bar and borders round the client area. The designed place
// when the whole window fits there; otherwise the window moves the least way that brings all of it
// onto the free area. A window larger than the free area keeps its top-left corner on it, so that
// its title bar and system menu stay within reach.
QPoint clientPositionOnScreen(const QRect &designed, const QMargins &frame, const QRect &available);

} // namespace quillon
