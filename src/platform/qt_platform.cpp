#include "qt_platform.h"

#include "file_name_icon_provider.h"
#include "settings_store.h"
#include "system_queries.h"
#include "text_editor.h"
#include "time_text.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace quillon {

namespace {

// The program's texts end their lines with a carriage return and a line feed, as the system's
// message boxes take them; Qt's labels draw the carriage return as a mark of its own.
QString asShownLines(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

std::optional<QString> chooseFile(QWidget *parent, const FileDialogRequest &request,
                                  QFileDialog::AcceptMode mode) {
    FileNameIconProvider icons;
    QFileDialog dialog(parent);
    dialog.setIconProvider(&icons);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(request.filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.filters.size())
        dialog.selectNameFilter(request.filters.at(request.selectedFilter));
    if (!request.fileName.isEmpty()) {
        // The folder of the file chosen last, with its name offered there.
        const QFileInfo last(request.fileName);
        if (last.isAbsolute())
            dialog.setDirectory(last.absolutePath());
        dialog.selectFile(last.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

void QtPlatform::showMessage(QWidget *parent, const QString &text, const QString &title,
                             MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    title, asShownLines(text), QMessageBox::Ok, parent);
    box.exec();
}

QString QtPlatform::askText(QWidget *parent, const QString &prompt, const QString &title) {
    bool accepted = false;
    QString answer = QInputDialog::getText(parent, title, asShownLines(prompt), QLineEdit::Normal,
                                           QString(), &accepted);
    // The dialog answers Cancel, and OK on an untouched field, with a null string; callers get
    // the empty text, never a null one.
    if (!accepted || answer.isNull())
        return QLatin1String("");
    return answer;
}

bool QtPlatform::askYesNo(QWidget *parent, const QString &question, const QString &title) {
    return QMessageBox::question(parent, title, asShownLines(question),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtPlatform::chooseSaveFile(QWidget *parent,
                                                  const FileDialogRequest &request) {
    return chooseFile(parent, request, QFileDialog::AcceptSave);
}

std::optional<QString> QtPlatform::chooseOpenFile(QWidget *parent,
                                                  const FileDialogRequest &request) {
    return chooseFile(parent, request, QFileDialog::AcceptOpen);
}

std::unique_ptr<QPrinter> QtPlatform::choosePrinter(QWidget *parent, PrintRange preselected,
                                                    QPageLayout::Orientation orientation) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageOrientation(orientation);
    QPrintDialog dialog(printer.get(), parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (preselected == PrintRange::Selection) {
        dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
        printer->setPrintRange(QPrinter::Selection);
    } else {
        printer->setPrintRange(QPrinter::AllPages);
    }
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    // The dialog may still offer "Pages from"; only all pages or the selection are honoured.
    if (printer->printRange() != QPrinter::Selection)
        printer->setPrintRange(QPrinter::AllPages);
    return printer;
}

std::unique_ptr<QPrinter> QtPlatform::defaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

QStringList QtPlatform::installedPrinters() {
    return QPrinterInfo::availablePrinterNames();
}

QString QtPlatform::readSetting(const QString &application, const QString &section,
                                const QString &key, const QString &defaultValue) {
    return settings_store::read(application, section, key, defaultValue);
}

std::optional<QString> QtPlatform::saveSetting(const QString &application, const QString &section,
                                               const QString &key, const QString &value) {
    return settings_store::save(application, section, key, value);
}

QString QtPlatform::programFolder() {
    return QCoreApplication::applicationDirPath();
}

QString QtPlatform::userDataFolder() {
    // Without a home folder Qt names one under the root folder ("//.local/share/..."), which is
    // no user's.
    if (QDir::homePath() == QDir::rootPath() && qEnvironmentVariableIsEmpty("XDG_DATA_HOME"))
        return QString();
    // The local one: $XDG_DATA_HOME/<organisation>/<application> on Linux, and on Windows
    // %LOCALAPPDATA%\<organisation>\<application>, which stays on this computer.
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

bool QtPlatform::setWorkingFolder(const QString &folder) {
    return QDir::setCurrent(folder);
}

bool QtPlatform::openWithDesktop(const QUrl &url) {
    return QDesktopServices::openUrl(url);
}

bool QtPlatform::openInTextEditor(const QString &file, const EditorFailure &onFailure) {
    return text_editor::start(file, onFailure);
}

QDateTime QtPlatform::now() {
    return QDateTime::currentDateTime();
}

QString QtPlatform::dateText(const QDateTime &moment) {
    return QLocale::system().toString(moment.date(), QLocale::ShortFormat);
}

QString QtPlatform::timeText(const QDateTime &moment) {
    return longTimeText(QLocale::system(), moment.time());
}

MemoryFigures QtPlatform::memoryStatus() {
    return system_queries::memoryFigures();
}

QStringList QtPlatform::dialUpConnections() {
    return system_queries::dialUpConnections();
}

std::optional<QString> QtPlatform::userName() {
    return system_queries::userName();
}

quint32 QtPlatform::tickCount() {
    return system_queries::tickCount();
}

} // namespace quillon
