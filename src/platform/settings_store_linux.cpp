#include "settings_store.h"

#include "safe_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

// The settings file under the user's configuration folder ($XDG_CONFIG_HOME/<application>.conf),
// in QSettings' own INI form.
namespace quillon::settings_store {

namespace {

QSettings settingsFor(const QString &application) {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, application);
}

std::optional<QString> settingsError(QSettings::Status status, const QString &fileName) {
    switch (status) {
    case QSettings::NoError:
        return std::nullopt;
    case QSettings::AccessError:
        return QCoreApplication::translate("QtPlatform", "%1 cannot be written.")
            .arg(QDir::toNativeSeparators(fileName));
    case QSettings::FormatError:
        break;
    }
    return QCoreApplication::translate("QtPlatform", "%1 is not a valid settings file.")
        .arg(QDir::toNativeSeparators(fileName));
}

// Far more than the program ever writes; the draft is read back whole.
constexpr qint64 kMaxSettingsFileSize = qint64(256) * 1024 * 1024;

// A name beside `path` that no QSettings of this process has used, so that reading it parses
// the file on disk rather than the copy QSettings keeps of every file it wrote.
QString unusedNameBeside(const QString &path) {
    static int count = 0;
    return QStringLiteral("%1.%2-%3.new")
        .arg(path)
        .arg(QCoreApplication::applicationPid())
        .arg(++count);
}

// An empty draft of the settings file at `draft`, as private as the file itself (only its owner
// may read a new one), so that the settings never lie open to others while they are written.
// QSettings keeps the mode of the file it writes into. The folder is made when missing.
bool createDraft(const QString &draft, const QString &path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QFile::Permissions mode = QFileInfo::exists(path)
                                        ? QFile::permissions(path)
                                        : QFile::ReadOwner | QFile::WriteOwner;
    return QFile(draft).open(QIODevice::WriteOnly | QIODevice::NewOnly, mode);
}

bool processRuns(qint64 pid) {
    return QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid));
}

// Removes the drafts that copies of the program which ended in the middle of a save left beside
// `path`; a copy still running keeps its own.
void removeStaleDrafts(const QString &path) {
    const QFileInfo settingsFile(path);
    const QRegularExpression draftName(QStringLiteral("^%1\\.(\\d+)-\\d+\\.new$")
                                           .arg(QRegularExpression::escape(settingsFile.fileName())));
    const QDir folder = settingsFile.dir();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = draftName.match(name);
        if (match.hasMatch() && !processRuns(match.captured(1).toLongLong()))
            QFile::remove(folder.filePath(name));
    }
}

// QSettings is not left to replace the file itself: given a file it could read only in part
// (stray binary bytes), it writes back a mangled copy and only then reports an error. So the new
// content is written under another name and read back under a third one; only when it holds
// every setting does it replace the settings file, through replaceFile(), which keeps a link to
// the file and the file's mode. Only the keys of the user's own file are written: the
// system-wide file's keys, which QSettings reads as fallbacks, stay the administrator's.
std::optional<QString> replaceSettingsFile(const QString &path, const QString &key,
                                           const QString &value) {
    removeStaleDrafts(path);
    const QSettings own(path, QSettings::IniFormat);
    // A file that could not be read is not rewritten: that would drop what it holds. Only the
    // user's own file is judged; the status of the whole chain would also tell the faults of the
    // system-wide file, which is never written.
    if (std::optional<QString> error = settingsError(own.status(), path))
        return error;
    QVariantMap expected;
    for (const QString &name : own.allKeys())
        expected.insert(name, own.value(name));
    expected.insert(key, value);

    const QString written = unusedNameBeside(path);
    const QString checked = unusedNameBeside(path);
    bool complete = createDraft(written, path);
    if (complete) {
        QSettings draft(written, QSettings::IniFormat);
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            draft.setValue(it.key(), it.value());
        draft.sync();
        complete = draft.status() == QSettings::NoError;
    }
    if (complete && QFile::rename(written, checked)) {
        const QSettings reread(checked, QSettings::IniFormat);
        complete =
            reread.status() == QSettings::NoError && reread.allKeys().size() == expected.size();
        for (auto it = expected.cbegin(); complete && it != expected.cend(); ++it)
            complete = reread.value(it.key()) == it.value();
    } else {
        complete = false;
    }
    std::optional<QString> error = settingsError(QSettings::AccessError, path);
    if (complete) {
        const FileContent content = readRegularFile(checked, kMaxSettingsFileSize);
        error = content.error ? content.error : replaceFile(path, content.bytes);
    }
    QFile::remove(written);
    QFile::remove(checked);
    return error;
}

} // namespace

QString read(const QString &application, const QString &section, const QString &key,
             const QString &defaultValue) {
    QSettings settings = settingsFor(application);
    return settings.value(section + QLatin1Char('/') + key, defaultValue).toString();
}

std::optional<QString> save(const QString &application, const QString &section, const QString &key,
                            const QString &value) {
    QSettings settings = settingsFor(application);
    return replaceSettingsFile(settings.fileName(), section + QLatin1Char('/') + key, value);
}

} // namespace quillon::settings_store
