#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

namespace quillon {

// `time` in the long time format of `locale`, without its time-zone name and without what only
// framed or separated that name ("()", "[]", a comma, blanks). A day-period field that Qt cannot
// format ("B", as zh_TW asks for) becomes the AM/PM marker where the hours count to 12 and is
// left out where they count to 23. A format that needs none of this is used unchanged.
//
//   longTimeText(QLocale("es_ES"), QTime(14, 5, 9)) == "14:05:09"     (format "H:mm:ss (t)")
QString longTimeText(const QLocale &locale, QTime time);

// The format that longTimeText uses.
QString longTimeFormatWithoutZone(const QLocale &locale);

} // namespace quillon
