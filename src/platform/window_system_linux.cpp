#include "window_system.h"

namespace quillon::window_system {

// The desktop's own choice of platform and font rendering stands on Linux.
void chooseDefaultOptions() {}

} // namespace quillon::window_system
