#include "text_editor.h"

#include <QDir>

#include <windows.h>

#include <string>

namespace quillon::text_editor {

namespace {

// Notepad from the system's own Windows folder, which need not be C:\Windows; looked for on the
// search path should the folder not be known.
std::wstring notepadPath() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return L"notepad.exe";
    return std::wstring(folder, length) + L"\\notepad.exe";
}

} // namespace

bool start(const QString &file, const std::function<void(const QString &reason)> &) {
    // Both paths quoted, as either may hold spaces ("C:\Program Files\..."); CreateProcessW may
    // write into the command line, so it gets a copy of its own.
    const std::wstring editor = notepadPath();
    std::wstring commandLine =
        L"\"" + editor + L"\" \"" + QDir::toNativeSeparators(file).toStdWString() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    // Not waited for and not watched: notepad tells the user itself what it cannot open.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace quillon::text_editor
