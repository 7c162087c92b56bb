#include "status_bar.h"

#include "layout.h"
#include "platform.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>

namespace quillon {

namespace {

QLabel *addPanel(QWidget *bar, const QString &name, int left, int width) {
    auto *panel = new QLabel(bar);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(layout::pixels(left), 2, layout::pixels(width), bar->height() - 3);
    panel->setIndent(2);
    return panel;
}

// The locale's short time format without seconds: the panel shows hours and minutes.
QString hoursAndMinutesFormat(const QLocale &locale) {
    static const QRegularExpression seconds(QStringLiteral("[^hHmaApP]*s+"));
    return locale.timeFormat(QLocale::ShortFormat).remove(seconds);
}

// A plain widget is announced as an unnamed filler; screen readers are told this one is the
// window's status bar.
QAccessibleInterface *statusBarAccessible(const QString &className, QObject *object) {
    if (className != QLatin1String(StatusBar::staticMetaObject.className()) || !object ||
        !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StatusBar);
}

} // namespace

StatusBar::StatusBar(Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(statusBarAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFont(layout::font(8.25, true));
    resize(layout::pixels(5205), layout::pixels(375));
    QLabel *companyPanel = addPanel(this, QStringLiteral("Panel1"), 0, 2500);
    companyPanel->setText(QStringLiteral("Vellan Computers"));
    m_datePanel = addPanel(this, QStringLiteral("Panel2"), 2500, 1440);
    m_timePanel = addPanel(this, QStringLiteral("Panel3"), 3940, 1440);

    m_minuteTimer.setSingleShot(true);
    m_minuteTimer.setTimerType(Qt::CoarseTimer);
    connect(&m_minuteTimer, &QTimer::timeout, this, &StatusBar::refresh);
    refresh();
}

void StatusBar::refresh() {
    const QDateTime now = m_platform.now();
    const QLocale locale;
    m_datePanel->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_timePanel->setText(locale.toString(now.time(), hoursAndMinutesFormat(locale)));
    const int msToNextMinute = 60'000 - (now.time().second() * 1000 + now.time().msec());
    m_minuteTimer.start(msToNextMinute);
}

} // namespace quillon
