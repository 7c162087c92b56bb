#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <optional>

namespace quillon {

// A group kept whole (a footnote, a text box, a shape) goes back into a file whose code page and
// font table are the writer's, not those it was read with. So its text is held as \uN, which no
// code page changes, and its \fN words keep the numbers they had, with the fonts they name beside
// them (empty for one the file's table lacks), to be numbered again as the written font table
// numbers them.
struct PortableGroup {
    QByteArray rtf;
    QVariantMap fonts; // font name by the number the group's \fN gives it
};

// A group of the input as a PortableGroup, read in the fonts in force where it stands.
using PortableGroupOf = std::function<PortableGroup(QByteArrayView group)>;

// `decode` reads bytes in the font numbered so (-1 for the default font, as after \plain);
// `fontName` names a font of the document's table, empty for one the table lacks. `font` is the
// font in force where the group begins.
PortableGroup portableGroup(QByteArrayView rtf, int font,
                            const std::function<QString(QByteArrayView, int)> &decode,
                            const std::function<QString(int)> &fontName);

// The group with each \fN of `fonts` numbered as `number` gives the name; other words as they are.
QByteArray renumberedFonts(QByteArrayView rtf, const QVariantMap &fonts,
                           const std::function<int(const QString &)> &number);

} // namespace quillon
