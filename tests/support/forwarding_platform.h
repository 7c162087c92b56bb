#pragma once

#include "platform.h"

#include <QPrinter>

namespace quillon {

// Hands every request on to another platform; a test derives from it to watch or change a few
// requests and leaves the rest to the platform it wraps.
class ForwardingPlatform : public Platform {
public:
    explicit ForwardingPlatform(Platform &target)
        : m_target(target) {}

    void showMessage(QWidget *parent, const QString &text, const QString &title,
                     MessageIcon icon) override {
        m_target.showMessage(parent, text, title, icon);
    }
    QString askText(QWidget *parent, const QString &prompt, const QString &title) override {
        return m_target.askText(parent, prompt, title);
    }
    bool askYesNo(QWidget *parent, const QString &question, const QString &title) override {
        return m_target.askYesNo(parent, question, title);
    }
    std::optional<QString> chooseSaveFile(QWidget *parent,
                                          const FileDialogRequest &request) override {
        return m_target.chooseSaveFile(parent, request);
    }
    std::optional<QString> chooseOpenFile(QWidget *parent,
                                          const FileDialogRequest &request) override {
        return m_target.chooseOpenFile(parent, request);
    }
    std::unique_ptr<QPrinter> choosePrinter(QWidget *parent, PrintRange preselected,
                                            QPageLayout::Orientation orientation) override {
        return m_target.choosePrinter(parent, preselected, orientation);
    }
    std::unique_ptr<QPrinter> defaultPrinter() override { return m_target.defaultPrinter(); }
    QStringList installedPrinters() override { return m_target.installedPrinters(); }
    QString readSetting(const QString &application, const QString &section, const QString &key,
                        const QString &defaultValue) override {
        return m_target.readSetting(application, section, key, defaultValue);
    }
    std::optional<QString> saveSetting(const QString &application, const QString &section,
                                       const QString &key, const QString &value) override {
        return m_target.saveSetting(application, section, key, value);
    }
    QString programFolder() override { return m_target.programFolder(); }
    QString userDataFolder() override { return m_target.userDataFolder(); }
    bool setWorkingFolder(const QString &folder) override {
        return m_target.setWorkingFolder(folder);
    }
    bool openWithDesktop(const QUrl &url) override { return m_target.openWithDesktop(url); }
    bool openInTextEditor(const QString &file, const EditorFailure &onFailure) override {
        return m_target.openInTextEditor(file, onFailure);
    }
    QDateTime now() override { return m_target.now(); }
    QString dateText(const QDateTime &moment) override { return m_target.dateText(moment); }
    QString timeText(const QDateTime &moment) override { return m_target.timeText(moment); }
    MemoryFigures memoryStatus() override { return m_target.memoryStatus(); }
    QStringList dialUpConnections() override { return m_target.dialUpConnections(); }
    std::optional<QString> userName() override { return m_target.userName(); }
    quint32 tickCount() override { return m_target.tickCount(); }

private:
    Platform &m_target;
};

} // namespace quillon
