#include "text_editor.h"

#include <QDesktopServices>
#include <QUrl>

namespace quillon::text_editor {

bool start(const QString &file) {
    // The desktop's handler for text files (through xdg-open), detached.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

} // namespace quillon::text_editor
