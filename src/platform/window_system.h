#pragma once

#include <QFont>

// How the program's text is best drawn by the system's window platform.
namespace quillon::window_system {

// The style strategy the program's face is drawn with best on this system.
QFont::StyleStrategy textStrategy();

} // namespace quillon::window_system
