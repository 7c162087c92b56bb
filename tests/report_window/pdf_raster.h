#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace quillon {

// The first page of a PDF file as an image, through poppler's pdftoppm; nothing when pdftoppm is
// not installed or cannot read the file.
std::optional<QImage> rasterisePdf(const QString &pdfFile, int dotsPerInch);

// How many pixels of `image` are clearly not white.
int inkedPixels(const QImage &image);

} // namespace quillon
