#pragma once

#include <QWidget>

class QLabel;

namespace quillon {

class Platform;

// Form3: a window that is loaded but never shown; creating it composes the greeting in its
// Label1. With a parent it stays a separate window, closed with the parent, never drawn on it.
class GreetingWindow : public QWidget {
    Q_OBJECT

public:
    explicit GreetingWindow(Platform &platform, QWidget *parent = nullptr);

    // The caption of Label1.
    QString greeting() const;

private:
    QLabel *m_label1;
};

} // namespace quillon
