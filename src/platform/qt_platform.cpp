#include "qt_platform.h"

#include "safe_file.h"
#include "system_queries.h"
#include "time_text.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QStandardPaths>

namespace quillon {

namespace {

QSettings settingsFor(const QString &application)
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, application);
}

std::optional<QString> settingsError(QSettings::Status status, const QString &fileName)
{
    switch (status) {
    case QSettings::NoError:
        return std::nullopt;
    case QSettings::AccessError:
        return QCoreApplication::translate("QtPlatform", "%1 cannot be written.")
            .arg(QDir::toNativeSeparators(fileName));
    case QSettings::FormatError:
        break;
    }
    return QCoreApplication::translate("QtPlatform", "%1 is not a valid settings file.")
        .arg(QDir::toNativeSeparators(fileName));
}

#ifndef Q_OS_WIN
// Far more than the program ever writes; the draft is read back whole.
constexpr qint64 kMaxSettingsFileSize = qint64(256) * 1024 * 1024;

// A name beside `path` that no QSettings of this process has used, so that reading it parses
// the file on disk rather than the copy QSettings keeps of every file it wrote.
QString unusedNameBeside(const QString &path)
{
    static int count = 0;
    return QStringLiteral("%1.%2-%3.new")
        .arg(path)
        .arg(QCoreApplication::applicationPid())
        .arg(++count);
}

// QSettings is not left to replace the file itself: given a file it could read only in part
// (stray binary bytes), it writes back a mangled copy and only then reports an error. So the new
// content is written under another name and read back under a third one; only when it holds
// every setting does it replace the settings file, through replaceFile(), which keeps a link to
// the file and the file's mode. Only the keys of the user's own file are written: the
// system-wide file's keys, which QSettings reads as fallbacks, stay the administrator's.
std::optional<QString> replaceSettingsFile(const QString &path, const QString &key,
                                           const QString &value)
{
    const QSettings own(path, QSettings::IniFormat);
    QVariantMap expected;
    for (const QString &name : own.allKeys())
        expected.insert(name, own.value(name));
    expected.insert(key, value);

    const QString written = unusedNameBeside(path);
    const QString checked = unusedNameBeside(path);
    bool complete = false;
    {
        QSettings draft(written, QSettings::IniFormat);
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            draft.setValue(it.key(), it.value());
        draft.sync();
        complete = draft.status() == QSettings::NoError;
    }
    if (complete && QFile::rename(written, checked)) {
        const QSettings reread(checked, QSettings::IniFormat);
        complete =
            reread.status() == QSettings::NoError && reread.allKeys().size() == expected.size();
        for (auto it = expected.cbegin(); complete && it != expected.cend(); ++it)
            complete = reread.value(it.key()) == it.value();
    } else {
        complete = false;
    }
    std::optional<QString> error = settingsError(QSettings::AccessError, path);
    if (complete) {
        const FileContent content = readRegularFile(checked, kMaxSettingsFileSize);
        error = content.error ? content.error : replaceFile(path, content.bytes);
    }
    QFile::remove(written);
    QFile::remove(checked);
    return error;
}
#endif

std::optional<QString> chooseFile(QWidget *parent, const FileDialogRequest &request,
                                  QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(request.filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.filters.size())
        dialog.selectNameFilter(request.filters.at(request.selectedFilter));
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

void QtPlatform::showMessage(QWidget *parent, const QString &text, const QString &title,
                             MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    title, text, QMessageBox::Ok, parent);
    box.exec();
}

QString QtPlatform::askText(QWidget *parent, const QString &prompt, const QString &title)
{
    bool accepted = false;
    QString answer =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &accepted);
    // The dialog answers Cancel, and OK on an untouched field, with a null string; callers get
    // the empty text, never a null one.
    if (!accepted || answer.isNull())
        return QLatin1String("");
    return answer;
}

bool QtPlatform::askYesNo(QWidget *parent, const QString &question, const QString &title)
{
    return QMessageBox::question(parent, title, question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtPlatform::chooseSaveFile(QWidget *parent,
                                                  const FileDialogRequest &request)
{
    return chooseFile(parent, request, QFileDialog::AcceptSave);
}

std::optional<QString> QtPlatform::chooseOpenFile(QWidget *parent,
                                                  const FileDialogRequest &request)
{
    return chooseFile(parent, request, QFileDialog::AcceptOpen);
}

std::unique_ptr<QPrinter> QtPlatform::choosePrinter(QWidget *parent, PrintRange preselected)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
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

std::unique_ptr<QPrinter> QtPlatform::defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

QStringList QtPlatform::installedPrinters()
{
    return QPrinterInfo::availablePrinterNames();
}

QString QtPlatform::readSetting(const QString &application, const QString &section,
                                const QString &key, const QString &defaultValue)
{
    QSettings settings = settingsFor(application);
    return settings.value(section + QLatin1Char('/') + key, defaultValue).toString();
}

std::optional<QString> QtPlatform::saveSetting(const QString &application, const QString &section,
                                               const QString &key, const QString &value)
{
    QSettings settings = settingsFor(application);
#ifdef Q_OS_WIN
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
    return settingsError(settings.status(), settings.fileName());
#else
    // A file that could not be read is not rewritten: that would drop what it holds.
    if (std::optional<QString> error = settingsError(settings.status(), settings.fileName()))
        return error;
    return replaceSettingsFile(settings.fileName(), section + QLatin1Char('/') + key, value);
#endif
}

QString QtPlatform::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString QtPlatform::userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool QtPlatform::setWorkingFolder(const QString &folder)
{
    return QDir::setCurrent(folder);
}

bool QtPlatform::openWithDesktop(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

QDateTime QtPlatform::now()
{
    return QDateTime::currentDateTime();
}

QString QtPlatform::dateText()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

QString QtPlatform::timeText()
{
    return longTimeText(QLocale::system(), QTime::currentTime());
}

MemoryFigures QtPlatform::memoryStatus()
{
    return system_queries::memoryFigures();
}

QStringList QtPlatform::dialUpConnections()
{
    return system_queries::dialUpConnections();
}

std::optional<QString> QtPlatform::userName()
{
    return system_queries::userName();
}

quint32 QtPlatform::tickCount()
{
    return system_queries::tickCount();
}

} // namespace quillon
