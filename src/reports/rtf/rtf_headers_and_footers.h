#pragma once

#include "portable_group.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrameFormat>
#include <QVariantMap>

#include <optional>
#include <utility>
#include <vector>

namespace quillon {

// The headers and footers of an RTF file ({\header ...}, {\footerf ...}) and how its pages take
// them (\facingp, \titlepg). Each is read as the body is, into a document of its own, and goes
// into a frame that tells which one it is and is set apart as a word processor's page view sets it
// apart. The frames stand first in the document, in the order read, wherever the file has them,
// as they go back before the body. A header no page shows never enters the document: its group is
// kept to go back as it came.
class RtfHeadersAndFooters {
public:
    // The body's reading state where a header began, given back when it ends.
    struct BodyState {
        bool paragraphPending = false;
        bool paragraphStartDue = false;
        Qt::Alignment blockAlignment;
        std::optional<std::pair<int, int>> blockList; // the list and level of the cursor's block
    };

    RtfHeadersAndFooters();

    // Begins the one `word` names ("header", "footerf", ...), with `depth` groups around its own.
    // `start` is where its group begins in the input, -1 when the group began before the word.
    // Returns the document to read it into.
    QTextDocument *start(QByteArrayView word, size_t depth, qsizetype start, bool inHiddenText,
                         const BodyState &body);
    bool isReading() const { return m_reading.has_value(); }
    // Whether the one being read ends as the groups open fall to `openGroups`.
    bool endsAt(size_t openGroups) const { return m_reading && openGroups < m_reading->depth; }
    // Ends the one being read, its content all in at the cursor, with the input read up to
    // `position` and `openGroups` groups open. Returns the body's state to go back to.
    BodyState end(QByteArrayView input, qsizetype position, size_t openGroups,
                  const PortableGroupOf &portableGroupOf);

    void setFacingPages() { m_facingPages = true; }
    void setTitlePage(bool titlePage) { m_titlePage = titlePage; }

    // Puts those read at the start of `document`, once its body is read.
    void placeIn(QTextDocument *document);
    // How the pages take their headers and footers, and the unshown ones, for a save to write
    // back.
    void storePageSetup(QTextFrameFormat &format) const;

private:
    // The one being read, the frame it goes into, and the body's state to go back to.
    struct Reading {
        QTextFrameFormat format;
        size_t depth = 0; // groups around the header's own
        BodyState body;
        qsizetype start = -1; // of its group in the input; -1 when the group began before it
        bool inHiddenText = false;
    };
    // One read, to stand first in the document in the order read.
    struct Read {
        QTextFrameFormat format;
        QTextBlockFormat firstBlock;
        QTextCharFormat firstBlockChars;
        QTextDocumentFragment content;
    };

    bool isShown(const QTextFrameFormat &format);
    void keepUnshown(const Reading &header, QByteArrayView input, qsizetype position,
                     size_t openGroups, const PortableGroupOf &portableGroupOf);

    std::optional<Reading> m_reading;
    QTextDocument m_document; // of the one being read
    std::vector<Read> m_read;
    bool m_facingPages = false; // \facingp
    bool m_titlePage = false;   // \titlepg
    QByteArray m_unshownHeaders;
    QVariantMap m_unshownHeaderFonts;
};

} // namespace quillon
