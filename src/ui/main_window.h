#pragma once

#include "about_page.h"
#include "calculator_page.h"
#include "platform.h"
#include "price_calculation.h"
#include "report_page.h"
#include "sysinfo_page.h"

#include <QTimer>
#include <QWidget>

namespace quillon {

class GreetingWindow;
class ReportWindow;
class StatusBar;
class TabControl;
class UptimeWindow;

// Form1, the main window. It holds the pricing state for the whole run and the dialog state
// shared by the Report tab's file and print commands.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence. False when a step failed; the user has been told and the program
    // is to end.
    bool load();

    const PricingState &pricingState() const { return m_pricing; }
    ReportWindow *reportWindow() const { return m_form2; }
    GreetingWindow *greetingWindow() const { return m_form3; }
    UptimeWindow *uptimeWindow() const { return m_form4; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void loadSystemInformation();
    void listConnections();
    void loadGreeting();
    void startUptime();
    void restoreGstRate();
    void setFocusOrder();
    void keepOnScreen();

    void onCommand1Clicked();
    void onCommand2Clicked();
    void onOption9Clicked();
    void onCommand3Clicked();
    void onCommand4Clicked();
    void onCommand5Clicked();
    void onCommand6Clicked();
    void onTimer1Timeout();

    int selectedOption() const;
    void showResults();
    QString quoteFolder() const;
    QString quoteFolderNote(const QString &file) const;
    bool confirmSavingWithLoss(const QString &path);
    void showError(const QString &text);

    Platform &m_platform;
    TabControl *m_sstab1;
    StatusBar *m_statusBar1;
    CalculatorPage m_calculator;
    ReportPage m_report;
    AboutPage m_about;
    SysInfoPage m_sysInfo;
    QTimer m_timer1;

    PricingState m_pricing;
    FileDialogRequest m_dio;
    // Whether the user has been told that quotes go to the data folder this run.
    bool m_toldQuoteFolder = false;
    bool m_shownBefore = false;

    ReportWindow *m_form2 = nullptr;
    GreetingWindow *m_form3 = nullptr;
    UptimeWindow *m_form4 = nullptr;
};

} // namespace quillon
