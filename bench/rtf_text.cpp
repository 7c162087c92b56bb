// Prints the body text that RtfReader gets from one RTF file (headers and footers left out), as
// UTF-8 on standard output, and the time the read took and what it could not keep on standard error
// ("read ms: 1.234", "lost: a picture; footnotes"), for scripts/rtf_corpus_score.py to compare with
// what another program reads from the same file.
//
//   quillon_rtf_text FILE.rtf
//
// Exits with 1 when the file cannot be opened or the reader refuses it (the reason on standard
// error).
#include "rtf_document_properties.h"
#include "rtf_reader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.rtf\n", argv[0]);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    const QByteArray data = file.readAll();

    QTextDocument document;
    quillon::RtfReader reader;
    QElapsedTimer timer;
    timer.start();
    const bool ok = reader.read(data, &document);
    const double milliseconds = double(timer.nsecsElapsed()) / 1e6;

    std::fprintf(stderr, "read ms: %.3f\n", milliseconds);
    if (!reader.lostContent().isEmpty())
        std::fprintf(stderr, "lost: %s\n",
                     qPrintable(reader.lostContent().join(QStringLiteral("; "))));
    if (!ok) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    // Pictures stand in the plain text as object replacement characters; they are not text.
    // Headers and footers are no part of the body, whose text is compared.
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        if (frame->frameFormat().hasProperty(quillon::headerFooterProperty)) {
            QTextCursor cursor(&document);
            cursor.setPosition(frame->firstPosition() - 1);
            cursor.setPosition(frame->lastPosition() + 1, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
    }
    const QByteArray text =
        document.toPlainText().remove(QChar::ObjectReplacementCharacter).toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return 0;
}
