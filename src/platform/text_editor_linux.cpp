#include "text_editor.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace quillon::text_editor {

namespace {

// What xdg-open's exit status means, in the user's words.
QString openerFailure(int status) {
    switch (status) {
    case 2:
        return QCoreApplication::translate("TextEditor", "the file could not be found");
    case 3:
        return QCoreApplication::translate("TextEditor",
                                           "the desktop has no program for text files");
    case 4:
        return QCoreApplication::translate(
            "TextEditor", "the desktop's program for text files could not open it");
    default:
        return QCoreApplication::translate("TextEditor", "xdg-open ended with status %1")
            .arg(status);
    }
}

} // namespace

bool start(const QString &file, const std::function<void(const QString &reason)> &onFailure) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return false;
    // The application owns the opener, so it outlives the window that asked. Where the desktop
    // has no launcher of its own, xdg-open runs the editor in the foreground and lasts as long as
    // it does; its output goes nowhere, so an editor left open after this program ends never
    // writes into a closed pipe.
    auto *process = new QProcess(QCoreApplication::instance());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(
        process, &QProcess::finished, process,
        [process, onFailure](int status, QProcess::ExitStatus exit) {
            process->deleteLater();
            // An opener stopped because the program is ending failed at nothing.
            if (QCoreApplication::closingDown() || (exit == QProcess::NormalExit && status == 0))
                return;
            onFailure(
                exit == QProcess::NormalExit
                    ? openerFailure(status)
                    : QCoreApplication::translate("TextEditor", "xdg-open stopped unexpectedly"));
        });
    process->start(opener, {file});
    // Starting is only the exec of a program found above: a short, bounded wait.
    if (!process->waitForStarted(5000)) {
        delete process;
        return false;
    }
    return true;
}

} // namespace quillon::text_editor
