// Reads an RTF file with RtfReader and writes the document back with RtfWriter, as Open Report
// followed by Save Report would, for scripts/rtf_structure_check.py to compare what another
// program reads from the two files. What the reader could not keep goes to standard error.
//
//   quillon_rtf_resave IN.rtf OUT.rtf
//
// Exits with 1 when a file cannot be read or written or the reader refuses the input.
#include "rtf_reader.h"
#include "rtf_writer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char **argv) {
    // Image format plugins (JPEG) are found through the application's library paths.
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IN.rtf OUT.rtf\n", argv[0]);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(in.errorString()));
        return 1;
    }
    QTextDocument document;
    quillon::RtfReader reader;
    if (!reader.read(in.readAll(), &document)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    if (!reader.lostContent().isEmpty())
        std::fprintf(stderr, "lost: %s\n", qPrintable(reader.lostContent().join(u',')));

    QFile out(QString::fromLocal8Bit(argv[2]));
    quillon::RtfWriter writer;
    if (!out.open(QIODevice::WriteOnly) || !writer.write(document, &out)) {
        std::fprintf(stderr, "%s: %s\n", argv[2],
                     qPrintable(out.isOpen() ? writer.errorString() : out.errorString()));
        return 1;
    }
    return 0;
}
