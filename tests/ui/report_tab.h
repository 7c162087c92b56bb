#pragma once

#include "main_window_fixture.h"
#include "report_window.h"
#include "rich_text_box.h"
#include "tab_control.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QTabBar>

namespace quillon {

// The Report tab of a started main window, driven as a user drives it.
class ReportTab {
public:
    explicit ReportTab(MainWindowFixture &fixture)
        : m_fixture(fixture) {}

    void open() {
        QTabBar *bar = m_fixture.find<TabControl>("SSTab1")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    }

    RichTextBox *rich() const { return m_fixture.find<RichTextBox>("Rich"); }

    // View Report, answering the customer and product prompts.
    void viewReport(const QString &client, const QString &product) {
        m_fixture.platform.textAnswers.push_back(client);
        m_fixture.platform.textAnswers.push_back(product);
        m_fixture.click("Command3");
    }

    // Calculate with a price, a GST rate and one of the fixed markups.
    void calculate(const QString &price, const QString &rate, const char *option) {
        m_fixture.type("Text1", price);
        m_fixture.type("Text9", rate);
        m_fixture.click(option);
        m_fixture.click("Command1");
    }

    QString quoteFilePath() const {
        return QDir(m_fixture.platform.programFolderPath).filePath(QStringLiteral("quote.txt"));
    }

    QByteArray quoteFile() const { return readFile(quoteFilePath()); }

    // A control of the report window, which the main window's lookup does not reach reliably:
    // several of its names are also used on the main window.
    template <typename T = QWidget> T *reportControl(const char *name) const {
        ReportWindow *form2 = m_fixture.window->reportWindow();
        if (!form2)
            qFatal("the report window does not exist yet");
        T *control = form2->findChild<T *>(QLatin1String(name));
        if (!control)
            qFatal("no report control named %s", name);
        return control;
    }

    QString reportCaption(const char *label) const { return reportControl<QLabel>(label)->text(); }

private:
    MainWindowFixture &m_fixture;
};

} // namespace quillon
