#pragma once

#include "platform.h"

// The operating system's answers to the Sys Info tab's questions, read directly from the system.
namespace quillon::system_queries {

MemoryFigures memoryFigures();
QStringList dialUpConnections();
std::optional<QString> userName();
quint32 tickCount();

} // namespace quillon::system_queries
