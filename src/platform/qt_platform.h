#pragma once

#include "platform.h"

namespace quillon {

// The real platform: Qt's dialogs, printers and settings, and the operating system's queries.
class QtPlatform final : public Platform {
public:
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
    QStringList installedPrinters() override;
    QString readSetting(const QString &application, const QString &section, const QString &key,
                        const QString &defaultValue) override;
    std::optional<QString> saveSetting(const QString &application, const QString &section,
                                       const QString &key, const QString &value) override;
    QString programFolder() override;
    QString userDataFolder() override;
    bool setWorkingFolder(const QString &folder) override;
    bool openWithDesktop(const QUrl &url) override;
    bool openInTextEditor(const QString &file, const EditorFailure &onFailure) override;
    QDateTime now() override;
    QString dateText(const QDateTime &moment) override;
    QString timeText(const QDateTime &moment) override;
    MemoryFigures memoryStatus() override;
    QStringList dialUpConnections() override;
    std::optional<QString> userName() override;
    quint32 tickCount() override;
};

} // namespace quillon
