#include "uptime_window.h"

#include "platform.h"
#include "uptime_split.h"

#include <QLineEdit>
#include <QTimer>

namespace quillon {

UptimeWindow::UptimeWindow(Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_platform(platform)
    , m_timer1(new QTimer(this)) {
    setWindowTitle(QStringLiteral("Form4"));
    for (int box = 1; box <= 4; ++box) {
        const QString name = QStringLiteral("Text%1").arg(box);
        QLineEdit *edit = new QLineEdit(name, this);
        edit->setObjectName(name);
        m_texts[box - 1] = edit;
    }
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(500);
    connect(m_timer1, &QTimer::timeout, this, &UptimeWindow::onTimer1Timeout);
    m_timer1->start();
}

QString UptimeWindow::text(int box) const {
    if (box < 1 || box > int(m_texts.size()))
        return QString();
    return m_texts[box - 1]->text();
}

void UptimeWindow::setTimer1Enabled(bool enabled) {
    if (!enabled)
        m_timer1->stop();
    else if (!m_timer1->isActive())
        m_timer1->start();
}

void UptimeWindow::onTimer1Timeout() {
    const std::array<QString, 4> texts = uptimeTexts(splitUptime(m_platform.tickCount()));
    // Most ticks change only the seconds; leaving the rest alone spares a relayout each time.
    for (size_t i = 0; i < texts.size(); ++i) {
        if (m_texts[i]->text() != texts[i])
            m_texts[i]->setText(texts[i]);
    }
}

} // namespace quillon
