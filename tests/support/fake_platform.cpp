#include "fake_platform.h"

#include <QDir>
#include <QLocale>
#include <QPrinter>
#include <QTimer>

namespace quillon {

namespace {

QString settingKey(const QString &application, const QString &section, const QString &key) {
    return application + QLatin1Char('/') + section + QLatin1Char('/') + key;
}

} // namespace

FakePlatform::FakePlatform()
    : programFolderPath(m_folder.filePath(QStringLiteral("program")))
    , userDataFolderPath(m_folder.filePath(QStringLiteral("data"))) {
    QDir(m_folder.path()).mkpath(QStringLiteral("program"));
}

QDateTime FakePlatform::now() {
    const QDateTime reading = clock;
    clock = clock.addMSecs(clockStepMs);
    return reading;
}

QString FakePlatform::dateText(const QDateTime &moment) {
    return moment.toString(QStringLiteral("dd/MM/yyyy"));
}

QString FakePlatform::timeText(const QDateTime &moment) {
    return QLocale::c().toString(moment.time(), QStringLiteral("h:mm:ss AP"));
}

void FakePlatform::showMessage(QWidget *, const QString &text, const QString &title,
                               MessageIcon icon) {
    messages.append({text, title, icon});
}

QString FakePlatform::askText(QWidget *, const QString &prompt, const QString &title) {
    prompts.append({prompt, title});
    // Like the real prompt, Cancel gives the empty text, not a null one.
    if (textAnswers.empty())
        return QLatin1String("");
    QString answer = textAnswers.front();
    textAnswers.pop_front();
    return answer;
}

bool FakePlatform::askYesNo(QWidget *, const QString &question, const QString &title) {
    questions.append({question, title});
    if (yesNoAnswers.empty())
        return false;
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

std::optional<QString> FakePlatform::nextFileAnswer() {
    if (fileAnswers.empty())
        return std::nullopt;
    const QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (answer.isNull())
        return std::nullopt;
    return answer;
}

std::optional<QString> FakePlatform::chooseSaveFile(QWidget *, const FileDialogRequest &request) {
    fileDialogs.append({true, request});
    return nextFileAnswer();
}

std::optional<QString> FakePlatform::chooseOpenFile(QWidget *, const FileDialogRequest &request) {
    fileDialogs.append({false, request});
    return nextFileAnswer();
}

std::unique_ptr<QPrinter> FakePlatform::pdfPrinter() {
    if (printerSource)
        return printerSource();
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    const QString file = m_folder.filePath(QStringLiteral("printed-%1.pdf").arg(++m_printerCount));
    printer->setOutputFileName(file);
    printedFiles.append(file);
    return printer;
}

std::unique_ptr<QPrinter> FakePlatform::choosePrinter(QWidget *, PrintRange preselected,
                                                      QPageLayout::Orientation orientation) {
    printDialogsPreselected.append(preselected);
    printDialogOrientations.append(orientation);
    if (printAnswers.empty() || !printAnswers.front()) {
        if (!printAnswers.empty())
            printAnswers.pop_front();
        return nullptr;
    }
    const PrintRange range = *printAnswers.front();
    printAnswers.pop_front();
    auto printer = pdfPrinter();
    if (!printer)
        return nullptr;
    printer->setPrintRange(range == PrintRange::Selection ? QPrinter::Selection
                                                          : QPrinter::AllPages);
    printer->setPageOrientation(orientation);
    return printer;
}

std::unique_ptr<QPrinter> FakePlatform::defaultPrinter() {
    if (!hasDefaultPrinter)
        return nullptr;
    return pdfPrinter();
}

QString FakePlatform::readSetting(const QString &application, const QString &section,
                                  const QString &key, const QString &defaultValue) {
    return settings.value(settingKey(application, section, key), defaultValue);
}

std::optional<QString> FakePlatform::saveSetting(const QString &application, const QString &section,
                                                 const QString &key, const QString &value) {
    if (settingSaveError)
        return settingSaveError;
    settings.insert(settingKey(application, section, key), value);
    return std::nullopt;
}

bool FakePlatform::setWorkingFolder(const QString &folder) {
    workingFolder = folder;
    return true;
}

bool FakePlatform::openWithDesktop(const QUrl &url) {
    openedUrls.append(url);
    return desktopOpens;
}

bool FakePlatform::openInTextEditor(const QString &file, const EditorFailure &onFailure) {
    editedFiles.append(file);
    if (editorStarts && editorFailsLater)
        QTimer::singleShot(0, [onFailure, reason = *editorFailsLater] { onFailure(reason); });
    return editorStarts;
}

} // namespace quillon
