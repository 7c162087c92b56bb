#pragma once

#include <QIcon>
#include <QPixmap>

namespace quillon {

// The program's icon: a price tag, drawn for each size so that small sizes stay crisp.
QIcon applicationIcon();
QPixmap applicationIconPixmap(int size);

// The maker's logo for the About tab, 128 x 96 pixels.
QPixmap makerLogo();

} // namespace quillon
