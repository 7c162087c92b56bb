#include "pdf_raster.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace quillon {

std::optional<QImage> rasterisePdf(const QString &pdfFile, int dotsPerInch) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    QTemporaryDir folder;
    if (program.isEmpty() || !folder.isValid())
        return std::nullopt;
    const QString stem = folder.filePath(QStringLiteral("page"));
    QProcess process;
    process.start(program, {QStringLiteral("-png"), QStringLiteral("-singlefile"),
                            QStringLiteral("-r"), QString::number(dotsPerInch), pdfFile, stem});
    if (!process.waitForFinished() || process.exitCode() != 0)
        return std::nullopt;
    QImage page(stem + QStringLiteral(".png"));
    if (page.isNull())
        return std::nullopt;
    return page.convertToFormat(QImage::Format_RGB32);
}

int inkedPixels(const QImage &image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 200)
                ++count;
    return count;
}

} // namespace quillon
