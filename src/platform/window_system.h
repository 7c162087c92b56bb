#pragma once

#include <QFont>

// What the program asks of the system's window platform for its text.
namespace quillon::window_system {

// The style strategy the program's face is drawn with best on this system.
QFont::StyleStrategy textStrategy();

} // namespace quillon::window_system
