#include "system_queries.h"

// Placeholder until the Linux readers land.
namespace quillon::system_queries {
MemoryFigures memoryFigures() { return {}; }
QStringList dialUpConnections() { return {}; }
std::optional<QString> userName() { return std::nullopt; }
quint32 tickCount() { return 0; }
} // namespace quillon::system_queries
