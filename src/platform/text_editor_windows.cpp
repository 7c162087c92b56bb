#include "text_editor.h"

#include <windows.h>

#include <string>

namespace quillon::text_editor {

namespace {

// Notepad on the history where an install keeps it, whatever `file` says: this is the command
// line the program this one replaces ran, and what its users' shortcuts and habits expect. The
// path is not quoted (notepad takes the rest of the line as one name) and keeps its trailing
// space.
constexpr wchar_t kCommandLine[] =
    L"C:\\windows\\notepad.exe C:\\Program Files\\Quillon\\quote.txt ";

} // namespace

bool start(const QString &, const std::function<void(const QString &reason)> &) {
    // CreateProcessW may write into the command line, so it gets a copy of its own.
    std::wstring commandLine(kCommandLine);
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
