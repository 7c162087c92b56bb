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
    // Length of the current selection in characters.
    int selectionLength() const;
    // Prints the selection when printer->printRange() is Selection, otherwise all content
    // (QTextEdit::print honours the range).
    void printTo(QPrinter *printer);

private:
    QString m_openedFile; // canonical path
    QStringList m_lostFromOpenedFile;
};

} // namespace quillon
