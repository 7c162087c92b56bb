#include "settings_store.h"

#include "safe_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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

// QSettings is not left to replace the file itself: given a file it could read only in part
// (stray binary bytes), it writes back a mangled copy and only then reports an error. So the new
// content is written under another name and read back under a third one; only when it holds
// every setting does it replace the settings file, through replaceFile(), which keeps a link to
// the file and the file's mode. Only the keys of the user's own file are written: the
// system-wide file's keys, which QSettings reads as fallbacks, stay the administrator's.
std::optional<QString> replaceSettingsFile(const QString &path, const QString &key,
                                           const QString &value) {
    const QSettings own(path, QSettings::IniFormat);
    QVariantMap expected;
    for (const QString &name : own.allKeys())
        expected.insert(name, own.value(name));
    expected.insert(key, value);

    const QString written = unusedNameBeside(path);
    const QString checked = unusedNameBeside(path);
    bool complete = false;
    {
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
    // A file that could not be read is not rewritten: that would drop what it holds.
    if (std::optional<QString> error = settingsError(settings.status(), settings.fileName()))
        return error;
    return replaceSettingsFile(settings.fileName(), section + QLatin1Char('/') + key, value);
}

} // namespace quillon::settings_store
