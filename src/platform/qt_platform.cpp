#include "qt_platform.h"

#include "system_queries.h"

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

#include <cstdio>

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

// QSettings replaces its file even when the disk fills up part-way through the new one (the
// failed write shows only in a flush after its last check), and every stored setting is lost.
// So the new file is written under another name, read back under a third one, and renamed over
// the old file only when it holds every setting.
std::optional<QString> replaceSettingsFile(const QSettings &current, const QString &key,
                                           const QString &value)
{
    const QString path = current.fileName();
    QVariantMap expected;
    for (const QString &name : current.allKeys())
        expected.insert(name, current.value(name));
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
    if (complete && std::rename(QFile::encodeName(checked).constData(),
                                QFile::encodeName(path).constData()) == 0)
        return std::nullopt;
    QFile::remove(written);
    QFile::remove(checked);
    return settingsError(QSettings::AccessError, path);
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
    const QString answer =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &accepted);
    return accepted ? answer : QString();
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
    return replaceSettingsFile(settings, section + QLatin1Char('/') + key, value);
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
    // The long format ends with the time-zone name in most locales; the report wants the time
    // alone.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QLocale::system().toString(QTime::currentTime(), format.trimmed());
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
