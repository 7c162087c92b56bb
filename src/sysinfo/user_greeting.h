#pragma once

#include <QString>

#include <optional>

namespace quillon {

// The longest user name the system call accepts; a longer one makes it fail.
inline constexpr qsizetype maxUserNameLength = 256;

// The user name as the greeting shows it: `platformName` when there is one of 1 to
// `maxUserNameLength` characters, otherwise "<unknown>".
QString currentUserName(const std::optional<QString> &platformName);

// "Welcome " + `userName` + "!", nothing in between.
//
//   greetingText("alice") == "Welcome alice!"
QString greetingText(const QString &userName);

} // namespace quillon
