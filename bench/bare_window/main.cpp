// A bare Qt Widgets window of the same make-up as the program's main window: four tab pages
// holding 52 labels and 52 line edits, a status bar and a timer that ticks every 500 ms, in the
// Fusion style. It does nothing else, so its start-up time and memory are what Qt itself needs
// for such a window.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QTabWidget>
#include <QTime>
#include <QTimer>

namespace {

constexpr int kPages = 4;
constexpr int kRowsPerPage = 13;

QWidget *buildPage(int page) {
    auto *widget = new QWidget;
    for (int row = 0; row < kRowsPerPage; ++row) {
        const int number = page * kRowsPerPage + row + 1;
        auto *label = new QLabel(QStringLiteral("Label %1").arg(number), widget);
        label->setGeometry(8, 8 + row * 26, 120, 22);
        auto *edit = new QLineEdit(QStringLiteral("Text %1").arg(number), widget);
        edit->setGeometry(136, 8 + row * 26, 180, 22);
    }
    return widget;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    // Quillon draws with Fusion on every system, so the yardstick does too; Fusion is Qt's default
    // on Linux already, on Windows the native style would be.
    QApplication::setStyle(QStringLiteral("Fusion"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    auto *tabs = new QTabWidget;
    for (int page = 0; page < kPages; ++page)
        tabs->addTab(buildPage(page), QStringLiteral("Page %1").arg(page + 1));
    window.setCentralWidget(tabs);
    window.statusBar()->showMessage(QTime::currentTime().toString());

    QTimer clock;
    clock.setInterval(500);
    QObject::connect(&clock, &QTimer::timeout, &window, [&window] {
        window.statusBar()->showMessage(QTime::currentTime().toString());
    });
    clock.start();

    window.resize(347, 443);
    window.show();
    return QApplication::exec();
}
