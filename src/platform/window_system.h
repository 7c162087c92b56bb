#pragma once

// What the program asks of the system's window platform before the application starts.
namespace quillon::window_system {

// Names the platform options the program's windows are drawn best with on this system, where
// the user has named none; called before the QApplication is made.
void chooseDefaultOptions();

} // namespace quillon::window_system
