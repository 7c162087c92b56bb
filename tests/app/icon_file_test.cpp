// The Windows icon file: what it stores reads back as drawn, and the program's own icon holds its
// six pictures.
#include "icon_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

using namespace quillon;

namespace {

// A teal square with a transparent corner and a white dot: colours of the standard palette, so
// that both depths keep them exactly.
QImage sample(int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(qRgb(0, 128, 128));
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    image.setPixel(side / 2, side / 2, qRgb(255, 255, 255));
    return image;
}

} // namespace

class IconFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void picturesReadBackAsStored_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("colours");
        QTest::newRow("16 px, 16 colours") << 16 << 16;
        QTest::newRow("48 px, 256 colours") << 48 << 256;
        QTest::newRow("odd width, 16 colours") << 33 << 16;
    }
    void picturesReadBackAsStored() {
        QFETCH(int, side);
        QFETCH(int, colours);
        QByteArray bytes = windowsIconFile({{sample(side), colours}});
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer, "ico");
        const QImage read = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!read.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(read.size(), QSize(side, side));
        QCOMPARE(qAlpha(read.pixel(0, 0)), 0);
        QCOMPARE(read.pixel(side - 1, side - 1), qRgb(0, 128, 128));
        QCOMPARE(read.pixel(side / 2, side / 2), qRgb(255, 255, 255));
        QCOMPARE(read.pixel(side / 2 + 1, side / 2), qRgb(0, 128, 128));
    }

    void programIconHoldsSixPictures() {
        QFile file(QStringLiteral(QUILLON_ICON_FILE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.size() > 6 + 6 * 16);
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 4), quint16(6));
        QList<QPair<int, int>> pictures; // side, bits per pixel
        for (int i = 0; i < 6; ++i) {
            const char *entry = bytes.constData() + 6 + 16 * i;
            pictures.append({quint8(entry[0]), qFromLittleEndian<quint16>(entry + 6)});
        }
        const QList<QPair<int, int>> expected = {{16, 4}, {16, 8}, {32, 4},
                                                 {32, 8}, {48, 4}, {48, 8}};
        QCOMPARE(pictures, expected);
    }
};

QTEST_GUILESS_MAIN(IconFileTest)
#include "icon_file_test.moc"
