#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;

namespace quillon {

class Platform;

// The main window's status bar: the maker's name, today's date and the time in hours and
// minutes. It keeps the date and time current by itself.
class StatusBar final : public QWidget {
    Q_OBJECT
public:
    StatusBar(Platform &platform, QWidget *parent = nullptr);

    // Shows the current date and time now.
    void refresh();

private:
    Platform &m_platform;
    QLabel *m_datePanel;
    QLabel *m_timePanel;
    // Wakes once a minute, on the minute, rather than polling.
    QTimer m_minuteTimer;
};

} // namespace quillon
