#pragma once

#include <QString>

// Starts the system's text editor on a text file, without waiting for it.
namespace quillon::text_editor {

// False when no editor could be started.
bool start(const QString &file);

} // namespace quillon::text_editor
