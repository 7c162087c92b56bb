#include "settings_store.h"

#include <QCoreApplication>

#include <windows.h>

#include <vector>

// The registry key where Visual Basic programs keep their settings
// (HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>), each as a
// plain string value, so that a rate saved by the program this one replaces is read as it stands.
// The Win32 calls are used rather than QSettings, which marks some texts (a leading "@") with
// escapes that no other program reads back.
namespace quillon::settings_store {

namespace {

QString keyPath(const QString &application, const QString &section) {
    return QStringLiteral("Software\\VB and VBA Program Settings\\%1\\%2")
        .arg(application, section);
}

const wchar_t *wide(const QString &text) {
    return reinterpret_cast<const wchar_t *>(text.utf16());
}

} // namespace

QString read(const QString &application, const QString &section, const QString &key,
             const QString &defaultValue) {
    const QString path = keyPath(application, section);
    // The value may change size between the two calls; ask again while it grows.
    DWORD bytes = 0;
    LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, wide(path), wide(key), RRF_RT_REG_SZ, nullptr,
                                  nullptr, &bytes);
    std::vector<wchar_t> buffer;
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        buffer.resize(bytes / sizeof(wchar_t) + 1);
        bytes = DWORD(buffer.size() * sizeof(wchar_t));
        status = RegGetValueW(HKEY_CURRENT_USER, wide(path), wide(key), RRF_RT_REG_SZ, nullptr,
                              buffer.data(), &bytes);
        if (status == ERROR_SUCCESS)
            return QString::fromWCharArray(buffer.data());
    }
    return defaultValue;
}

std::optional<QString> save(const QString &application, const QString &section, const QString &key,
                            const QString &value) {
    const QString path = keyPath(application, section);
    HKEY handle = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, wide(path), 0, nullptr, 0, KEY_SET_VALUE,
                                     nullptr, &handle, nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExW(handle, wide(key), 0, REG_SZ,
                                reinterpret_cast<const BYTE *>(value.utf16()),
                                DWORD((value.size() + 1) * sizeof(wchar_t)));
        // Written through now, as the settings file is on Linux, so a failure is seen here.
        if (status == ERROR_SUCCESS)
            status = RegFlushKey(handle);
        RegCloseKey(handle);
    }
    if (status == ERROR_SUCCESS)
        return std::nullopt;
    return QCoreApplication::translate("QtPlatform", "HKEY_CURRENT_USER\\%1 cannot be written: %2")
        .arg(path, qt_error_string(int(status)));
}

} // namespace quillon::settings_store
