// Build tool: writes the program's drawn icon as PNG files laid out like an icon theme, so the
// desktop's launcher shows the same price tag as the window.
//
//   quillon_icon_render OUT_DIR NAME 16 32  ->  OUT_DIR/16x16/apps/NAME.png,
//   OUT_DIR/32x32/apps/NAME.png
//
// and the Windows program's icon, kept in the sources beside the program (the Windows build cannot
// run this tool while it builds):
//
//   quillon_icon_render --ico src/app/quillon.ico

#include "artwork.h"
#include "icon_file.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    QTextStream err(stderr);
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--ico")) {
        // Each size in 16 and in 256 colours, for every display Windows runs on.
        QList<quillon::IconPicture> pictures;
        for (const int size : {16, 32, 48})
            for (const int colours : {16, 256})
                pictures.append({quillon::applicationIconPixmap(size).toImage(), colours});
        QFile file(arguments.at(2));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(quillon::windowsIconFile(pictures)) < 0 || !file.flush()) {
            err << "cannot write " << arguments.at(2) << '\n';
            return 1;
        }
        return 0;
    }
    if (arguments.size() < 4) {
        err << "usage: quillon_icon_render OUT_DIR NAME SIZE...\n";
        return 2;
    }

    const QDir out(arguments.at(1));
    const QString &name = arguments.at(2);
    for (const QString &sizeText : arguments.mid(3)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        if (!ok || size <= 0) {
            err << "not a size: " << sizeText << '\n';
            return 2;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString path =
            out.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!out.mkpath(folder) || !quillon::applicationIconPixmap(size).save(path, "PNG")) {
            err << "cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
