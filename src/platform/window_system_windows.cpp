#include "window_system.h"

namespace quillon::window_system {

// Qt draws text on Windows through GDI. Asked for no particular quality, some GDI implementations
// (Wine's among them) leave the glyph image of a capital "I" empty at some positions, so that
// "Including" shows as "ncluding", on screen and in a printed window, which is a picture of the
// screen. Asked for antialiased text, GDI gives ClearType, which is what Windows gives by default
// anyway, and draws every letter. Qt's DirectWrite engine draws them too, but under Wine it made
// the start about a quarter slower and the idle window several times busier.
QFont::StyleStrategy textStrategy() {
    return QFont::PreferAntialias;
}

} // namespace quillon::window_system
