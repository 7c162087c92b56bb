#include "rich_text_box.h"

#include "document_print.h"
#include "loaded_report.h"
#include "rtf_writer.h"
#include "safe_file.h"

#include <QFileInfo>
#include <QPrinter>
#include <QTextDocument>

namespace quillon {

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    setPalette(colours);
}

std::optional<QString> RichTextBox::loadFile(const QString &path) {
    LoadedReport report = loadReport(path);
    if (report.error)
        return report.error;
    QTextDocument *loaded = report.document.release();
    loaded->setParent(this);
    loaded->setDefaultFont(font());
    // QTextEdit deletes a document it made itself; one loaded earlier is ours to delete.
    QTextDocument *previous = document();
    const bool ownsPrevious = previous->parent() == this;
    setDocument(loaded);
    if (ownsPrevious)
        delete previous;
    m_openedFile = QFileInfo(path).canonicalFilePath();
    m_openedFileName = QFileInfo(path).fileName();
    m_lostFromOpenedFile = report.lost;
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
    return printDocument(*selectionDocument(cursor), printer);
}

} // namespace quillon
