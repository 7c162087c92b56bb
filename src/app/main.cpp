#include "look_and_feel.h"
#include "main_window.h"
#include "qt_platform.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vellan Computers"));
    QApplication::setApplicationName(QStringLiteral("Vellan"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vellan Price Calculator"));
    QApplication::setDesktopFileName(QStringLiteral(QUILLON_APP_ID));
    quillon::applyLookAndFeel(application);

    quillon::QtPlatform platform;
    quillon::MainWindow form1(platform);
    if (!form1.load())
        return 1;
    form1.show();
    return QApplication::exec();
}
