#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace quillon {

// One picture of a Windows icon file: a square image and the colours it is stored in.
struct IconPicture {
    QImage image; // any format; alpha below half is transparent
    int colours;  // 16 or 256
};

// A Windows icon file (.ico) holding `pictures` in order, each as a palette bitmap of 4 bits (16
// colours, the Windows standard palette) or 8 bits (256 colours, chosen for the picture) with its
// transparency mask: the form every Windows version shows, down to the 16-colour displays.
QByteArray windowsIconFile(const QList<IconPicture> &pictures);

} // namespace quillon
