#include "text_editor.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

#include <optional>

namespace quillon::text_editor {

namespace {

// What xdg-open's own failures mean, in the user's words. It says them at once; any other status
// is the editor's, which xdg-open runs in the foreground where the desktop has no launcher, and
// an editor that has shown the file ends as it likes.
std::optional<QString> openerFailure(int status) {
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
        return std::nullopt;
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
    QObject::connect(process, &QProcess::finished, process,
                     [process, onFailure](int status, QProcess::ExitStatus exit) {
                         process->deleteLater();
                         // An opener stopped because the program is ending failed at nothing, and
                         // one that crashed or was killed did so after it started the editor.
                         if (QCoreApplication::closingDown() || exit != QProcess::NormalExit)
                             return;
                         if (const std::optional<QString> reason = openerFailure(status))
                             onFailure(*reason);
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
