#pragma once

#include <QString>
#include <QTextEdit>

#include <optional>

class QPrinter;

namespace quillon {

// The report area: a QTextEdit that loads and saves rich text (RTF) files.
class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    // Files larger than this are refused rather than read into memory.
    static constexpr qint64 maxFileSize = qint64(64) * 1024 * 1024;

    explicit RichTextBox(QWidget *parent = nullptr);
    // Loads `path` replacing the content: RTF when the file is RTF, plain text in whichever
    // encoding it was saved otherwise (decodeTextFile()). Only a regular file is read, so a pipe
    // is refused rather than waited on. The reason on failure; the content is unchanged then.
    std::optional<QString> loadFile(const QString &path);
    // Saves the whole content as RTF through replaceFile(). The reason on failure.
    std::optional<QString> saveFile(const QString &path);
    // Length of the current selection in characters.
    int selectionLength() const;
    // Prints the selection when printer->printRange() is Selection, otherwise all content
    // (QTextEdit::print honours the range).
    void printTo(QPrinter *printer);
};

} // namespace quillon
