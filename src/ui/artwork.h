#pragma once

#include <QIcon>
#include <QPixmap>

namespace quillon {

// The program's icon: a price tag, drawn for each size so that small sizes stay crisp, and large
// enough for title bars and launchers on scaled screens.
QIcon applicationIcon();
QPixmap applicationIconPixmap(int size);

// The maker's logo for the About tab, 128 x 96 device-independent pixels, drawn at
// `devicePixelRatio` device pixels to each of them so that it stays sharp on a scaled screen.
//
//   makerLogo(2.0).size() == QSize(256, 192)
QPixmap makerLogo(qreal devicePixelRatio);

} // namespace quillon
