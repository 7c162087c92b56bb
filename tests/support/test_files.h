#pragma once

// Whole files read and written by tests, for setting up and checking what the program wrote.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace quillon {

// The file's bytes; empty when it cannot be read.
inline QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces the file with `bytes`; false when it could not be written whole.
inline bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace quillon
