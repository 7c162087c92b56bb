#include "window_system.h"

namespace quillon::window_system {

// The desktop's own font rendering settings stand on Linux.
QFont::StyleStrategy textStrategy() {
    return QFont::PreferDefault;
}

} // namespace quillon::window_system
