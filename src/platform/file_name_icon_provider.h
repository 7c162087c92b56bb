#pragma once

#include <QAbstractFileIconProvider>
#include <QMimeDatabase>

namespace quillon {

// Icons and type names for the file dialogs, guessed from a file's name alone. Qt's own provider
// reads a file whose name says nothing to guess its type, and a read of some system files
// (/proc/kmsg) waits for ever, which leaves the dialog, and the program, hanging.
class FileNameIconProvider final : public QAbstractFileIconProvider {
public:
    using QAbstractFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;

private:
    QMimeDatabase m_mimeTypes;
};

} // namespace quillon
