#pragma once

#include <QString>

#include <optional>

// The per-user settings store where this system keeps it: one text value per application,
// section and key.
namespace quillon::settings_store {

QString read(const QString &application, const QString &section, const QString &key,
             const QString &defaultValue);
// Saves and flushes; the reason on failure, nothing on success.
std::optional<QString> save(const QString &application, const QString &section, const QString &key,
                            const QString &value);

} // namespace quillon::settings_store
