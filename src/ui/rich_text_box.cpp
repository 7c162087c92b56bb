#include "rich_text_box.h"

#include "document_print.h"
#include "rtf_reader.h"
#include "rtf_writer.h"
#include "safe_file.h"
#include "text_decoding.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace quillon {

namespace {

bool isRtf(const QByteArray &data) {
    qsizetype start = 0;
    while (start < data.size() && QChar::isSpace(static_cast<unsigned char>(data[start])))
        ++start;
    return QByteArrayView(data).sliced(start).startsWith("{\\rtf");
}

} // namespace

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    setPalette(colours);
}

std::optional<QString> RichTextBox::loadFile(const QString &path) {
    const FileContent file = readRegularFile(path, maxFileSize);
    if (file.error)
        return file.error;
    const QByteArray &content = file.bytes;

    if (!isRtf(content)) {
        setPlainText(decodeTextFile(content));
        forgetOpenedFile();
        m_openedFileName = QFileInfo(path).fileName();
        return std::nullopt;
    }

    // Read into a document of our own so that a failure leaves the box as it was.
    auto *loaded = new QTextDocument(this);
    loaded->setDefaultFont(font());
    RtfReader reader;
    if (!reader.read(content, loaded)) {
        delete loaded;
        return tr("%1 is not a readable rich text file: %2")
            .arg(QDir::toNativeSeparators(path), reader.errorString());
    }
    // QTextEdit deletes a document it made itself; one loaded earlier is ours to delete.
    QTextDocument *previous = document();
    const bool ownsPrevious = previous->parent() == this;
    setDocument(loaded);
    if (ownsPrevious)
        delete previous;
    m_openedFile = QFileInfo(path).canonicalFilePath();
    m_openedFileName = QFileInfo(path).fileName();
    m_lostFromOpenedFile = reader.lostContent();
    return std::nullopt;
}

std::optional<QString> RichTextBox::saveFile(const QString &path) {
    return replaceFile(path, [this](QIODevice &device) -> std::optional<QString> {
        RtfWriter writer;
        if (!writer.write(*document(), &device))
            return writer.errorString();
        return std::nullopt;
    });
}

QStringList RichTextBox::contentLostBySaving(const QString &path) const {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty() || canonical != m_openedFile)
        return {};
    return m_lostFromOpenedFile;
}

void RichTextBox::forgetOpenedFile() {
    m_openedFile.clear();
    m_openedFileName.clear();
    m_lostFromOpenedFile.clear();
}

QString RichTextBox::printName() const {
    return m_openedFileName.isEmpty() ? quotePrintName() : m_openedFileName;
}

int RichTextBox::selectionLength() const {
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

bool RichTextBox::printTo(QPrinter &printer) {
    printer.setDocName(printName());
    const QTextCursor cursor = textCursor();
    if (printer.printRange() != QPrinter::Selection || !cursor.hasSelection())
        return printDocument(*document(), printer);
    QTextDocument selection;
    selection.setDefaultFont(document()->defaultFont());
    QTextCursor(&selection).insertFragment(cursor.selection());
    return printDocument(selection, printer);
}

} // namespace quillon
