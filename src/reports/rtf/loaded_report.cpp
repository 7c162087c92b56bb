#include "loaded_report.h"

#include "rtf_reader.h"
#include "safe_file.h"
#include "text_decoding.h"

#include <QDir>

namespace quillon {

namespace {

bool isRtf(QByteArrayView data) {
    qsizetype start = 0;
    while (start < data.size() && QChar::isSpace(static_cast<unsigned char>(data[start])))
        ++start;
    return data.sliced(start).startsWith("{\\rtf");
}

} // namespace

LoadedReport loadReport(const QString &path) {
    const FileContent file = readRegularFile(path, maxReportFileSize);
    if (file.error)
        return {nullptr, {}, file.error};

    LoadedReport report{std::make_unique<QTextDocument>(), {}, std::nullopt};
    if (!isRtf(file.bytes)) {
        report.document->setPlainText(decodeTextFile(file.bytes));
        return report;
    }
    RtfReader reader;
    if (!reader.read(file.bytes, report.document.get())) {
        return {nullptr,
                {},
                QStringLiteral("%1 is not a readable rich text file: %2")
                    .arg(QDir::toNativeSeparators(path), reader.errorString())};
    }
    report.lost = reader.lostContent();
    return report;
}

} // namespace quillon
