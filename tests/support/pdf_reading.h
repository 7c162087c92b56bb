#pragma once

// Printed PDF files read back with poppler's command-line tools (poppler-utils). A test checks
// that a tool is installed first and skips, saying so, when it is not; once it is installed, a
// file it cannot read is a failure of the test, not a reason to skip.

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillon {

// Whether poppler's `tool` ("pdftoppm", "pdftotext") is installed where the tests can run it.
bool hasPopplerTool(const QString &tool);

// The first page of a PDF file as an image of `dotsPerInch`, through pdftoppm; nothing when it
// cannot be made (why is logged as a warning).
std::optional<QImage> rasterisePdf(const QString &pdfFile, int dotsPerInch);

// How many pixels of `image` are clearly not white.
int inkedPixels(const QImage &image);

// The text of a PDF file through pdftotext with `options` (-layout for the page's columns, -bbox
// for each word's place as XHTML); nothing when it cannot be read (why is logged as a warning).
std::optional<QString> pdfText(const QString &pdfFile, const QStringList &options);

} // namespace quillon
