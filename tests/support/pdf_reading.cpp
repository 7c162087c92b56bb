#include "pdf_reading.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtDebug>

namespace quillon {

namespace {

// What `tool` wrote to its standard output when it ended well.
std::optional<QByteArray> runPopplerTool(const QString &tool, const QStringList &arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        qWarning("%s is not installed", qPrintable(tool));
        return std::nullopt;
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        // A tool that ran and refused the file says why on its error output.
        const QString why = process.error() == QProcess::UnknownError
                                ? QString::fromLocal8Bit(process.readAllStandardError())
                                : process.errorString();
        qWarning("%s %s failed: %s", qPrintable(tool), qPrintable(arguments.join(u' ')),
                 qPrintable(why));
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

} // namespace

bool hasPopplerTool(const QString &tool) {
    return !QStandardPaths::findExecutable(tool).isEmpty();
}

std::optional<QImage> rasterisePdf(const QString &pdfFile, int dotsPerInch) {
    // With no output name, pdftoppm writes the one page to its standard output.
    const std::optional<QByteArray> png = runPopplerTool(
        QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                     QStringLiteral("-r"), QString::number(dotsPerInch), pdfFile});
    if (!png)
        return std::nullopt;
    const QImage page = QImage::fromData(*png, "PNG");
    if (page.isNull()) {
        qWarning("pdftoppm wrote no image of %s", qPrintable(pdfFile));
        return std::nullopt;
    }
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

std::optional<QString> pdfText(const QString &pdfFile, const QStringList &options) {
    const std::optional<QByteArray> text = runPopplerTool(
        QStringLiteral("pdftotext"), options + QStringList{pdfFile, QStringLiteral("-")});
    if (!text)
        return std::nullopt;
    return QString::fromUtf8(*text);
}

} // namespace quillon
