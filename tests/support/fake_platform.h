#pragma once

#include "platform.h"

#include <QHash>
#include <QList>
#include <QTemporaryDir>

#include <deque>
#include <functional>

namespace quillon {

// A scripted platform for tests: every dialog is answered from a queue filled beforehand, every
// request is recorded, and nothing ever blocks. A dialog asked with an empty queue answers as if
// cancelled and is still recorded.
class FakePlatform final : public Platform {
    // First, so that it exists before the folders below are named inside it.
    QTemporaryDir m_folder;

public:
    struct Message {
        QString text;
        QString title;
        MessageIcon icon;
    };
    struct Prompt {
        QString prompt;
        QString title;
    };
    struct FileDialog {
        bool save;
        FileDialogRequest request;
    };

    FakePlatform();

    // Scripted answers, used in order.
    std::deque<QString> textAnswers;                    // askText; empty queue = Cancel
    std::deque<bool> yesNoAnswers;                      // askYesNo; empty queue = No
    std::deque<QString> fileAnswers;                    // file dialogs; a null QString = Cancel
    std::deque<std::optional<PrintRange>> printAnswers; // print dialog; nullopt = Cancel

    // What the program asked for.
    QList<Message> messages;
    QList<Prompt> prompts;
    QList<Prompt> questions; // askYesNo
    QList<FileDialog> fileDialogs;
    QList<PrintRange> printDialogsPreselected;
    QList<QPageLayout::Orientation> printDialogOrientations;
    QList<QUrl> openedUrls;
    QStringList editedFiles;  // openInTextEditor
    QStringList printedFiles; // PDF files written by the printers handed out

    // The world the program sees.
    QHash<QString, QString> settings; // "application/section/key" -> value
    std::optional<QString> settingSaveError;
    bool hasDefaultPrinter = true;
    // When set, the printers handed out come from here rather than as PDF files in the
    // temporary folder: a printer that cannot start, or the real platform's on a real queue.
    std::function<std::unique_ptr<QPrinter>()> printerSource;
    QStringList printers = {QStringLiteral("Fake printer")};
    bool desktopOpens = true;
    bool editorStarts = true;
    std::optional<QString> editorFailsLater; // the reason an editor started fails with, later
    QString programFolderPath;               // a fresh temporary folder unless a test sets another
    QString userDataFolderPath;              // likewise
    QString workingFolder;
    QDateTime clock = QDateTime(QDate(2005, 7, 15), QTime(14, 5, 9));
    // How far the clock moves on at each reading, as a real one does between two readings.
    qint64 clockStepMs = 0;
    MemoryFigures memory;
    QStringList connections;
    std::optional<QString> user = QStringLiteral("alice");
    quint32 ticks = 0;

    void showMessage(QWidget *parent, const QString &text, const QString &title,
                     MessageIcon icon) override;
    QString askText(QWidget *parent, const QString &prompt, const QString &title) override;
    bool askYesNo(QWidget *parent, const QString &question, const QString &title) override;
    std::optional<QString> chooseSaveFile(QWidget *parent,
                                          const FileDialogRequest &request) override;
    std::optional<QString> chooseOpenFile(QWidget *parent,
                                          const FileDialogRequest &request) override;
    std::unique_ptr<QPrinter> choosePrinter(QWidget *parent, PrintRange preselected,
                                            QPageLayout::Orientation orientation) override;
    std::unique_ptr<QPrinter> defaultPrinter() override;
    QStringList installedPrinters() override { return printers; }
    QString readSetting(const QString &application, const QString &section, const QString &key,
                        const QString &defaultValue) override;
    std::optional<QString> saveSetting(const QString &application, const QString &section,
                                       const QString &key, const QString &value) override;
    QString programFolder() override { return programFolderPath; }
    QString userDataFolder() override { return userDataFolderPath; }
    bool setWorkingFolder(const QString &folder) override;
    bool openWithDesktop(const QUrl &url) override;
    bool openInTextEditor(const QString &file, const EditorFailure &onFailure) override;
    QDateTime now() override;
    // Like the real ones, texts of the moment given: "15/07/2005" and "2:05:09 PM" for the
    // clock's start.
    QString dateText(const QDateTime &moment) override;
    QString timeText(const QDateTime &moment) override;
    MemoryFigures memoryStatus() override { return memory; }
    QStringList dialUpConnections() override { return connections; }
    std::optional<QString> userName() override { return user; }
    quint32 tickCount() override { return ticks; }

private:
    std::unique_ptr<QPrinter> pdfPrinter();
    std::optional<QString> nextFileAnswer();

    int m_printerCount = 0;
};

} // namespace quillon
