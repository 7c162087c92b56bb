// Build tool: writes the program's drawn icon as PNG files laid out like an icon theme, so the
// desktop's launcher shows the same price tag as the window.
//
//   quillon_icon_render OUT_DIR NAME 16 32  ->  OUT_DIR/16x16/apps/NAME.png,
//   OUT_DIR/32x32/apps/NAME.png

#include "artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    QTextStream err(stderr);
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
