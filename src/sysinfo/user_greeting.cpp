#include "user_greeting.h"

namespace quillon {

QString currentUserName(const std::optional<QString> &platformName) {
    // An empty name would greet nobody, so it counts as none.
    if (!platformName || platformName->isEmpty() || platformName->size() > maxUserNameLength)
        return QStringLiteral("<unknown>");
    return *platformName;
}

QString greetingText(const QString &userName) {
    return QLatin1StringView("Welcome ") + userName + QLatin1Char('!');
}

} // namespace quillon
