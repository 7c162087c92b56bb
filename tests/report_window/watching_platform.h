#pragma once

#include "fake_platform.h"

#include <QPrinter>

#include <functional>

namespace quillon {

// Hands every request on to a FakePlatform, but lets a test look at the world at the moment a
// message is shown.
class WatchingPlatform final : public Platform {
public:
    explicit WatchingPlatform(FakePlatform &fake)
        : m_fake(fake) {}

    std::function<void(const QString &text)> onMessage;

    void showMessage(QWidget *parent, const QString &text, const QString &title,
                     MessageIcon icon) override {
        if (onMessage)
            onMessage(text);
        m_fake.showMessage(parent, text, title, icon);
    }
    std::unique_ptr<QPrinter> defaultPrinter() override { return m_fake.defaultPrinter(); }
    QStringList installedPrinters() override { return m_fake.installedPrinters(); }

    QString askText(QWidget *parent, const QString &prompt, const QString &title) override {
        return m_fake.askText(parent, prompt, title);
    }
    bool askYesNo(QWidget *parent, const QString &question, const QString &title) override {
        return m_fake.askYesNo(parent, question, title);
    }
    std::optional<QString> chooseSaveFile(QWidget *parent,
                                          const FileDialogRequest &request) override {
        return m_fake.chooseSaveFile(parent, request);
    }
    std::optional<QString> chooseOpenFile(QWidget *parent,
                                          const FileDialogRequest &request) override {
        return m_fake.chooseOpenFile(parent, request);
    }
    std::unique_ptr<QPrinter> choosePrinter(QWidget *parent, PrintRange preselected) override {
        return m_fake.choosePrinter(parent, preselected);
    }
    QString readSetting(const QString &application, const QString &section, const QString &key,
                        const QString &defaultValue) override {
        return m_fake.readSetting(application, section, key, defaultValue);
    }
    std::optional<QString> saveSetting(const QString &application, const QString &section,
                                       const QString &key, const QString &value) override {
        return m_fake.saveSetting(application, section, key, value);
    }
    QString programFolder() override { return m_fake.programFolder(); }
    QString userDataFolder() override { return m_fake.userDataFolder(); }
    bool setWorkingFolder(const QString &folder) override {
        return m_fake.setWorkingFolder(folder);
    }
    bool openWithDesktop(const QUrl &url) override { return m_fake.openWithDesktop(url); }
    QDateTime now() override { return m_fake.now(); }
    QString dateText() override { return m_fake.dateText(); }
    QString timeText() override { return m_fake.timeText(); }
    MemoryFigures memoryStatus() override { return m_fake.memoryStatus(); }
    QStringList dialUpConnections() override { return m_fake.dialUpConnections(); }
    std::optional<QString> userName() override { return m_fake.userName(); }
    quint32 tickCount() override { return m_fake.tickCount(); }

private:
    FakePlatform &m_fake;
};

} // namespace quillon
