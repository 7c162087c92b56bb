// Benchmark entry point for work that needs a QApplication (fonts, text documents, widgets).
#include <QApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform says so each time a window is raised; between the results it is noise.
void dropRaiseNotice(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (message != QLatin1String("This plugin does not support raise()"))
        qtHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[]) {
    // Off screen unless told otherwise: the figures are the program's own work, not drawing.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(dropRaiseNotice);
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::Australia));

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
