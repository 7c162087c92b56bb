#pragma once

#include <QWidget>

#include <array>

class QLineEdit;
class QTimer;

namespace quillon {

class Platform;

// Form4: a window that is loaded but never shown; while its Timer1 runs (from creation on), it
// keeps the time since the system started in Text1 to Text4. With a parent it stays a separate
// window, closed with the parent, never drawn on it.
class UptimeWindow : public QWidget {
    Q_OBJECT

public:
    explicit UptimeWindow(Platform &platform, QWidget *parent = nullptr);

    // The text of Text<box>, box 1 to 4; the empty text for any other box.
    QString text(int box) const;
    // Enabling a running timer leaves its rhythm alone.
    void setTimer1Enabled(bool enabled);

    void onTimer1Timeout();

private:
    Platform &m_platform;
    std::array<QLineEdit *, 4> m_texts{};
    QTimer *m_timer1;
};

} // namespace quillon
