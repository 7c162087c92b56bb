#pragma once

#include <QString>
#include <QStringList>
#include <QTextEdit>

#include <optional>

class QPrinter;

namespace quillon {

// The report area: a QTextEdit that loads and saves rich text (RTF) files.
class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget *parent = nullptr);
    // Shows the report file at `path` (loadReport()) in place of the content. The reason on
    // failure; the content is unchanged then.
    std::optional<QString> loadFile(const QString &path);
    // Saves the whole content as RTF through replaceFile(). The reason on failure.
    std::optional<QString> saveFile(const QString &path);
    // What the file the content was opened from holds that the content lost ("an embedded
    // object", ...), when `path` is that same file; empty otherwise. Saving there loses it.
    QStringList contentLostBySaving(const QString &path) const;
    // The content no longer comes from the file opened last (it was replaced or cleared).
    void forgetOpenedFile();
    // The name a print of the content carries: the file it was opened from, else the quote's.
    QString printName() const;
    // Length of the current selection in characters.
    int selectionLength() const;
    // Prints the selection when printer.printRange() is Selection and text is selected, otherwise
    // all content, through printDocument(), as a job named printName(). False when the printer
    // cannot be started.
    bool printTo(QPrinter &printer);

private:
    QString m_openedFile;     // canonical path
    QString m_openedFileName; // as the user named it; kept for plain text too
    QStringList m_lostFromOpenedFile;
};

} // namespace quillon
