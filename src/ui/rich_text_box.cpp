#include "rich_text_box.h"

#include "cp1252.h"
#include "rtf_reader.h"
#include "rtf_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTextDocument>

namespace quillon {

namespace {

bool isRtf(const QByteArray &data) {
    qsizetype start = 0;
    while (start < data.size() && QChar::isSpace(static_cast<unsigned char>(data[start])))
        ++start;
    return QByteArrayView(data).sliced(start).startsWith("{\\rtf");
}

// UTF-8 when the bytes are valid UTF-8, otherwise the local 8-bit encoding; where that cannot
// read them either (a UTF-8 locale, as on most Linux systems) the Windows code page 1252, which
// most single-byte text from Windows uses.
QString decodePlainText(const QByteArray &data) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(data);
    if (utf8.hasError()) {
        QStringDecoder local(QStringDecoder::System, QStringDecoder::Flag::Stateless);
        text = local.decode(data);
        if (local.hasError())
            text = decodeCp1252(data);
    }
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    setPalette(colours);
}

std::optional<QString> RichTextBox::loadFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tr("Cannot open %1: %2").arg(path, file.errorString());
    if (file.size() > maxFileSize)
        return tr("%1 is too large to open (more than %2 MB)").arg(path).arg(maxFileSize >> 20);
    const QByteArray content = file.read(maxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return tr("Cannot read %1: %2").arg(path, file.errorString());
    if (content.size() > maxFileSize)
        return tr("%1 is too large to open (more than %2 MB)").arg(path).arg(maxFileSize >> 20);

    if (!isRtf(content)) {
        setPlainText(decodePlainText(content));
        forgetOpenedFile();
        return std::nullopt;
    }

    // Read into a document of our own so that a failure leaves the box as it was.
    auto *loaded = new QTextDocument(this);
    loaded->setDefaultFont(font());
    RtfReader reader;
    if (!reader.read(content, loaded)) {
        delete loaded;
        return tr("%1 is not a readable rich text file: %2").arg(path, reader.errorString());
    }
    // QTextEdit deletes a document it made itself; one loaded earlier is ours to delete.
    QTextDocument *previous = document();
    const bool ownsPrevious = previous->parent() == this;
    setDocument(loaded);
    if (ownsPrevious)
        delete previous;
    m_openedFile = QFileInfo(path).canonicalFilePath();
    m_lostFromOpenedFile = reader.lostContent();
    return std::nullopt;
}

std::optional<QString> RichTextBox::saveFile(const QString &path) {
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write itself: a buffered write fails only in the
    // flush inside commit(), which then renames the cut-off file over the earlier report.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return tr("Cannot write %1: %2").arg(path, file.errorString());
    RtfWriter writer;
    if (!writer.write(*document(), &file)) {
        file.cancelWriting();
        return tr("Cannot write %1: %2").arg(path, writer.errorString());
    }
    if (!file.commit())
        return tr("Cannot write %1: %2").arg(path, file.errorString());
    return std::nullopt;
}

QStringList RichTextBox::contentLostBySaving(const QString &path) const {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty() || canonical != m_openedFile)
        return {};
    return m_lostFromOpenedFile;
}

void RichTextBox::forgetOpenedFile() {
    m_openedFile.clear();
    m_lostFromOpenedFile.clear();
}

int RichTextBox::selectionLength() const {
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextBox::printTo(QPrinter *printer) {
    print(printer);
}

} // namespace quillon
