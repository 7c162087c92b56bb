#include "greeting_window.h"

#include "platform.h"
#include "user_greeting.h"

#include <QLabel>

namespace quillon {

GreetingWindow::GreetingWindow(Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_label1(new QLabel(QStringLiteral("Label1"), this)) {
    setWindowTitle(QStringLiteral("Form3"));
    m_label1->setObjectName(QStringLiteral("Label1"));
    // The user's name is shown as the system gives it, never as markup.
    m_label1->setTextFormat(Qt::PlainText);
    // The Load handler: the name is read once, so the greeting stays for the whole run.
    m_label1->setText(greetingText(currentUserName(platform.userName())));
}

QString GreetingWindow::greeting() const {
    return m_label1->text();
}

} // namespace quillon
