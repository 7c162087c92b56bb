#pragma once

#include <QDateTime>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "memory_summary.h"

#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace quillon {

enum class MessageIcon { None, Warning };

enum class PrintRange { AllPages, Selection };

// Told why a text editor that was started could not show its file.
using EditorFailure = std::function<void(const QString &reason)>;

// One file dialog's settings. `filters` are in Qt's form ("Rich Text Files(*.rtf)"); `fileName` is
// the file the dialog offers, normally the one chosen last time: the dialog starts in its folder
// with its name filled in.
struct FileDialogRequest {
    QStringList filters;
    int selectedFilter = 0;
    QString fileName;
};

// Everything the program needs from the desktop and the operating system. Windows and commands
// reach the outside world only through this interface, so that tests can answer every dialog from
// a script and never block.
class Platform {
public:
    virtual ~Platform() = default;

    // Modal message box with one OK button.
    virtual void showMessage(QWidget *parent, const QString &text, const QString &title,
                             MessageIcon icon) = 0;
    // Modal one-line prompt with an empty field; the typed line, or the empty text (never a null
    // string) on Cancel and on OK with nothing typed.
    virtual QString askText(QWidget *parent, const QString &prompt, const QString &title) = 0;
    // Modal question with Yes and No buttons, No the default; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &question, const QString &title) = 0;

    // File dialogs: the chosen full path, or nothing on Cancel. Saving asks before overwriting;
    // opening accepts existing files only.
    virtual std::optional<QString> chooseSaveFile(QWidget *parent,
                                                  const FileDialogRequest &request) = 0;
    virtual std::optional<QString> chooseOpenFile(QWidget *parent,
                                                  const FileDialogRequest &request) = 0;

    // Print dialog with `preselected` as the initial range, `orientation` as the page's, and no
    // page-range choice; the chosen printer, or null on Cancel. The printer's printRange() tells
    // the range the user kept.
    virtual std::unique_ptr<QPrinter> choosePrinter(QWidget *parent, PrintRange preselected,
                                                    QPageLayout::Orientation orientation) = 0;
    // The default printer without a dialog; null when there is none, which may also be when
    // printers are installed but none of them is the default.
    virtual std::unique_ptr<QPrinter> defaultPrinter() = 0;
    // The names of the printers installed, empty when there are none.
    virtual QStringList installedPrinters() = 0;

    // The per-user settings store.
    virtual QString readSetting(const QString &application, const QString &section,
                                const QString &key, const QString &defaultValue) = 0;
    // Saves and flushes; the reason on failure, nothing on success.
    virtual std::optional<QString> saveSetting(const QString &application, const QString &section,
                                               const QString &key, const QString &value) = 0;

    // The folder that holds the program file.
    virtual QString programFolder() = 0;
    // A folder for the user's data, used when the program folder cannot be written; the empty
    // text when the user has none (no home folder).
    virtual QString userDataFolder() = 0;
    virtual bool setWorkingFolder(const QString &folder) = 0;

    // Hands an address (web, mailto:, file) to the desktop's handler without waiting.
    virtual bool openWithDesktop(const QUrl &url) = 0;
    // Starts the system's text editor on the quote history `file` without waiting; false when no
    // editor could be started. An opener that starts but then cannot open the file (the desktop's
    // xdg-open with no editor behind it) calls `onFailure` later, on this thread, with the reason.
    // On Windows the editor always opens the history where an install keeps it,
    // C:\Program Files\Quillon\quote.txt.
    virtual bool openInTextEditor(const QString &file, const EditorFailure &onFailure) = 0;

    virtual QDateTime now() = 0;
    // The date of `moment` in the user's short date format; its time in the long time format
    // without a time-zone name. Both texts of a quote are made from one reading of now(), so a
    // quote made at midnight never carries one day's date and the next day's time.
    virtual QString dateText(const QDateTime &moment) = 0;
    virtual QString timeText(const QDateTime &moment) = 0;

    virtual MemoryFigures memoryStatus() = 0;
    // Names of the active dial-up (point-to-point) connections, in the system's order.
    virtual QStringList dialUpConnections() = 0;
    // The name of the user the program runs as, or nothing when it cannot be had.
    virtual std::optional<QString> userName() = 0;
    // Milliseconds since the system started, wrapping to 0 after 4,294,967,295.
    virtual quint32 tickCount() = 0;
};

} // namespace quillon
