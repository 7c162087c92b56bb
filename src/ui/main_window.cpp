#include "main_window.h"

#include "artwork.h"
#include "connection_listing.h"
#include "greeting_window.h"
#include "hyperlink_label.h"
#include "layout.h"
#include "memory_summary.h"
#include "report_window.h"
#include "rich_text_box.h"
#include "screen_placement.h"
#include "status_bar.h"
#include "tab_control.h"
#include "uptime_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTextEdit>

#include <exception>

namespace quillon {

namespace {

// Where the GST rate is kept between runs.
const QString kSettingApplication = QStringLiteral("Myapp");
const QString kSettingSection = QStringLiteral("Controls");
const QString kSettingKey = QStringLiteral("gst");

} // namespace

MainWindow::MainWindow(Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_sstab1(new TabControl(this))
    , m_statusBar1(new StatusBar(platform, this))
    , m_timer1(this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vellan Price Calculator"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setGeometry(layout::rect(3375, 1260, 5205, 6645));
    setFixedSize(size());

    m_sstab1->setObjectName(QStringLiteral("SSTab1"));
    m_sstab1->setGeometry(layout::rect(120, 0, 4965, 6255));
    m_calculator = buildCalculatorPage(m_sstab1->addPage(QStringLiteral("Calculator")));
    m_report = buildReportPage(m_sstab1->addPage(QStringLiteral("Report")));
    m_about = buildAboutPage(m_sstab1->addPage(QStringLiteral("About")), platform);
    m_sysInfo = buildSysInfoPage(m_sstab1->addPage(QStringLiteral("Sys Info")));
    m_sstab1->setCurrentIndex(0);

    m_statusBar1->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar1->move(0, layout::pixels(6270));

    m_dio.filters = {QStringLiteral("All Files (*.*)"), QStringLiteral("Rich Text Files(*.rtf)"),
                     QStringLiteral("Text Files(*.txt)")};
    m_dio.selectedFilter = 1;

    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(500);
    connect(&m_timer1, &QTimer::timeout, this, &MainWindow::onTimer1Timeout);
    m_timer1.start();

    connect(m_calculator.command1, &QPushButton::clicked, this, &MainWindow::onCommand1Clicked);
    // Enter in either box calculates; no button is the default.
    connect(m_calculator.text1, &QLineEdit::returnPressed, this, &MainWindow::onCommand1Clicked);
    connect(m_calculator.text9, &QLineEdit::returnPressed, this, &MainWindow::onCommand1Clicked);
    connect(m_calculator.command2, &QPushButton::clicked, this, &MainWindow::onCommand2Clicked);
    connect(m_calculator.options[8], &QRadioButton::clicked, this, &MainWindow::onOption9Clicked);
    connect(m_report.command3, &QPushButton::clicked, this, &MainWindow::onCommand3Clicked);
    connect(m_report.command4, &QPushButton::clicked, this, &MainWindow::onCommand4Clicked);
    connect(m_report.command5, &QPushButton::clicked, this, &MainWindow::onCommand5Clicked);
    connect(m_report.command6, &QPushButton::clicked, this, &MainWindow::onCommand6Clicked);

    setFocusOrder();
    m_calculator.text1->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::setFocusOrder() {
    // The designed focus order, lowest place first; widgets on hidden pages are skipped by Qt.
    const QList<QWidget *> order = {
        m_calculator.text1,      m_sstab1->tabBar(),      m_calculator.options[4],
        m_calculator.command2,   m_calculator.command1,   m_calculator.options[3],
        m_calculator.options[2], m_calculator.options[1], m_calculator.options[0],
        m_report.rich,           m_report.command3,       m_report.command4,
        m_report.command5,       m_report.command6,       m_about.text2,
        m_about.hlink1,          m_about.hlink2,          m_about.text3,
        m_calculator.options[5], m_calculator.options[6], m_calculator.options[7],
        m_calculator.options[8], m_sysInfo.text4,         m_sysInfo.txtResults,
        m_calculator.text9,
    };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

bool MainWindow::load() {
    try {
        loadSystemInformation();
        m_calculator.options[0]->setChecked(true);
        m_sysInfo.txtResults->clear();
        listConnections();
        loadGreeting();
        startUptime();
        m_timer1.start();
        restoreGstRate();
    } catch (const std::exception &error) {
        m_platform.showMessage(this, QString::fromLocal8Bit(error.what()),
                               QStringLiteral("Vellan Price Calculator"), MessageIcon::Warning);
        return false;
    }
    return true;
}

void MainWindow::loadSystemInformation() {
    m_sysInfo.text4->setPlainText(memorySummaryText(m_platform.memoryStatus()));
    layout::fitLines(m_sysInfo.text4);
}

void MainWindow::listConnections() {
    // The box was emptied by the step before, so its text is the lines alone.
    m_sysInfo.txtResults->setPlainText(connectionLines(m_platform.dialUpConnections()));
    layout::fitLines(m_sysInfo.txtResults);
}

void MainWindow::loadGreeting() {
    if (!m_form3)
        m_form3 = new GreetingWindow(m_platform, this);
    showGreeting(m_sysInfo.lblWelcome, m_form3->greeting());
}

void MainWindow::startUptime() {
    if (!m_form4)
        m_form4 = new UptimeWindow(m_platform, this);
    m_form4->setTimer1Enabled(true);
}

void MainWindow::restoreGstRate() {
    m_calculator.text9->setText(
        m_platform.readSetting(kSettingApplication, kSettingSection, kSettingKey, QString()));
}

void MainWindow::closeEvent(QCloseEvent *event) {
    const std::optional<QString> error = m_platform.saveSetting(
        kSettingApplication, kSettingSection, kSettingKey, m_calculator.text9->text());
    if (error) {
        m_platform.showMessage(
            this, tr("The GST rate could not be saved for the next start.\n%1").arg(*error),
            QStringLiteral("Error"), MessageIcon::Warning);
    }
    event->accept();
    // Every other window, shown or hidden, ends with this one.
    QCoreApplication::quit();
}

void MainWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (m_shownBefore)
        return;
    m_shownBefore = true;
    keepOnScreen();
    // The window icon and the logo draw their lettering at sizes nothing else uses; loading those
    // fonts was a quarter of what the start cost over a bare window. The first frame shows
    // neither, so both are drawn just after it.
    QTimer::singleShot(0, this, [this] {
        setWindowIcon(applicationIcon());
        drawAboutLogo(m_about);
    });
}

void MainWindow::keepOnScreen() {
    // The designed place is in pixels; on a small or scaled screen it can leave the bottom of
    // the window out of sight. The frame is known once the window exists, which it does here.
    const QRect client = geometry();
    const QRect outer = frameGeometry();
    const QMargins frame(client.left() - outer.left(), client.top() - outer.top(),
                         outer.right() - client.right(), outer.bottom() - client.bottom());
    move(pos() + clientPositionOnScreen(client, frame, screen()->availableGeometry()) -
         client.topLeft());
}

void MainWindow::onTimer1Timeout() {
    // Before start-up has made the uptime window there is nothing to copy.
    if (!m_form4)
        return;
    for (int box = 0; box < 4; ++box)
        m_sysInfo.uptime[box]->setText(m_form4->text(box + 1));
}

void MainWindow::showError(const QString &text) {
    m_platform.showMessage(this, text, QStringLiteral("Error"), MessageIcon::Warning);
}

} // namespace quillon
