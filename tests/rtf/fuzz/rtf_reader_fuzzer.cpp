// libFuzzer target for RtfReader. Beyond the sanitizers' checks it holds the reader and writer to
// a round trip: whatever the reader accepts, writing it and reading it back gives the same text
// and the same RTF again.

#include "rtf_reader.h"
#include "rtf_writer.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArrayView input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    quillon::RtfReader reader;
    if (!reader.read(input, &document))
        return 0;

    const QByteArray written = quillon::RtfWriter::toRtf(document);
    QTextDocument reread;
    if (!reader.read(written, &reread)) {
        std::fprintf(stderr, "Written RTF not readable: %s\n", qPrintable(reader.errorString()));
        std::abort();
    }
    if (reread.toPlainText() != document.toPlainText()) {
        std::fprintf(stderr, "Text changed in the round trip\n");
        std::abort();
    }
    if (quillon::RtfWriter::toRtf(reread) != written) {
        std::fprintf(stderr, "RTF changed in the round trip\n");
        std::abort();
    }
    return 0;
}
