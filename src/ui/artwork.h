#pragma once

#include <QIcon>
#include <QPixmap>

namespace quillon {

// The program's icon: a price tag, drawn for each size it is asked for (so that small sizes stay
// crisp and large ones are sharp on scaled screens) only when it is first asked for.
QIcon applicationIcon();
QPixmap applicationIconPixmap(int size);

// The maker's logo for the About tab, 128 x 96 device-independent pixels, drawn at
// `devicePixelRatio` device pixels to each of them so that it stays sharp on a scaled screen.
//
//   makerLogo(2.0).size() == QSize(256, 192)
QPixmap makerLogo(qreal devicePixelRatio);

} // namespace quillon
