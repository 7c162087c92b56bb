#pragma once

#include <QString>

namespace quillon {

// Builds one line of the quote file out of items and zone steps. Print zones are 14 characters
// wide and start at columns 1, 15, 29, ...; a zone step pads with spaces to the start of the next
// zone strictly to the right, so it always adds 1 to 14 spaces. Columns count characters, not
// bytes or UTF-16 units.
//
//   PrintZoneLine().item(u"GST to be Paid").zoneStep().item(u"$").text()
//       == "GST to be Paid" + 14 spaces + "$"
class PrintZoneLine {
public:
    PrintZoneLine &item(const QString &text);
    PrintZoneLine &zoneStep(int count = 1);
    // The line without its line end.
    QString text() const { return m_text; }

private:
    QString m_text;
    qsizetype m_column = 0; // characters written so far
};

} // namespace quillon
