#pragma once

#include <QString>

#include <functional>

// Starts the system's text editor on a text file, without waiting for it.
namespace quillon::text_editor {

// False when no editor could be started; an editor started that fails later calls `onFailure`
// with the reason.
bool start(const QString &file, const std::function<void(const QString &reason)> &onFailure);

} // namespace quillon::text_editor
