#include "window_system.h"

#include <QByteArray>

namespace quillon::window_system {

// Qt's older GDI font engine draws text through glyph images that some GDI implementations
// (Wine's among them) leave empty for one-stroke letters at some positions, so "I" and "l" go
// missing from captions and from a printed window. DirectWrite draws the same faces whole, and
// prints them as text just as GDI does. A user's own QT_QPA_PLATFORM, or a -platform option,
// which Qt reads after the variable, still wins.
void chooseDefaultOptions() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("windows:fontengine=directwrite"));
}

} // namespace quillon::window_system
