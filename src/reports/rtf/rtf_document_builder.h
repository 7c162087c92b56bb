#pragma once

#include "code_page_decoder.h"
#include "paragraph_spacing.h"
#include "portable_group.h"
#include "rtf_colour_table.h"
#include "rtf_field_builder.h"
#include "rtf_font_table.h"
#include "rtf_headers_and_footers.h"
#include "rtf_kept_group_builder.h"
#include "rtf_list_builder.h"
#include "rtf_picture_builder.h"
#include "rtf_table_builder.h"
#include "rtf_tokenizer.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <array>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

// How RtfReader builds a document: the state of the groups it reads, and the rules by which each
// destination takes its control words (rtf_control_words.cpp).

namespace quillon {

constexpr int defaultHalfPoints = 24;

// Where the text and control words of a group go. Picture, FieldInstruction and TableProperties
// gather what the document keeps as structure: an image, a link's target, a nested table's row
// definition. Each has its rules in RtfDocumentBuilder::destinationRules().
enum class Destination {
    Text,
    FontTable,
    ColorTable,
    Skip,
    Picture,
    FieldInstruction,
    TableProperties,
    Kept,      // a group kept whole: an embedded object, a shape or text box, a drawing object
    ListTable, // \listtable and \listoverridetable
    ListText,  // a paragraph's label as the file wrote it, for readers without a list table
    Count
};

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = defaultHalfPoints;
    int font = -1; // -1: the document's default font (\deff)
    int color = 0;
    int link = -1;       // index of the hyperlink target, -1 outside links
    bool hidden = false; // \v: kept out of the document
    int vertical = 0;    // 1 superscript (\super, \up), -1 subscript (\sub, \dn)
    // A sign of Symbol or Wingdings that Unicode lacks (isUnmappedSymbol()), shown in that font.
    bool unmappedSymbol = false;

    bool operator==(const CharState &) const = default;
};

struct ParagraphState {
    Qt::Alignment alignment = Qt::AlignLeft;
    ParagraphSpacing spacing;
    bool inTable = false;
    int nesting = 0; // \itap
    int list = -1;   // \ls; -1 outside lists
    int listLevel = 0;

    int tableLevel() const { return std::max(inTable ? 1 : 0, nesting); }
};

struct GroupState {
    CharState chars;
    ParagraphState paragraph;
    int unicodeSkip = 1;
    Destination destination = Destination::Text;
    qsizetype openedAt = 0; // offset of the group's brace in the input
};

class RtfDocumentBuilder;

// What one control word does in a destination: its handler, given the word's parameter or, when
// the word has none, the default value.
struct WordRule {
    std::string_view word;
    int defaultValue;
    void (*handle)(RtfDocumentBuilder &builder, QByteArrayView word, int value);
    // The word names a destination this reader keeps even when it is marked \* as one that
    // readers may skip.
    bool keptWhenStarred = false;
};

// A destination's words, and where its text goes; a null function does nothing.
struct DestinationRules {
    std::map<QByteArrayView, WordRule> words;
    void (*text)(RtfDocumentBuilder &builder, const QString &text) = nullptr;
    // As each group read in the destination closes, before the state around it returns.
    void (*groupEnd)(RtfDocumentBuilder &builder) = nullptr;
    // As the destination ends, in the state of the group around it.
    void (*end)(RtfDocumentBuilder &builder) = nullptr;
    // As a group opens in the destination.
    void (*groupStart)(RtfDocumentBuilder &builder) = nullptr;
};

// One pass over the tokens, building the document through a cursor. Text is gathered into runs
// of one format and inserted a run at a time, which keeps large files fast.
class RtfDocumentBuilder {
public:
    RtfDocumentBuilder(QTextDocument *document, QStringList *lost, qint64 maxPictureBytes)
        : m_document(document)
        , m_cursor(document)
        , m_lost(lost)
        , m_pictures(document, &m_cursor, maxPictureBytes, [this] { prepareForImage(); }) {}

    // The reason on failure.
    std::optional<QString> build(QByteArrayView data);

private:
    static const DestinationRules &rulesOf(Destination destination);
    static std::array<DestinationRules, size_t(Destination::Count)> destinationRules();

    void handleWord(const RtfToken &token);
    void handleSymbol(char symbol);
    void closeGroup();
    void enterDestination(Destination destination) { m_state.destination = destination; }
    void skipDestination(QByteArrayView word);
    void appendUnicode(int value);
    void endCell(QByteArrayView word);
    void endRow(QByteArrayView word);
    int rowDefinitionLevel() const;
    // The row definition the words read now belong to.
    RtfRowDefinition &rowDefinition() { return m_tables.definition(rowDefinitionLevel()); }
    bool isOutsideTables() const;
    void startFieldInstruction();
    void showFieldResult();
    void endFieldInstruction();
    void placeContent(int tableLevel);
    void applyAlignment();
    bool blockLayoutChanges() const;
    ParagraphSpacing wantedSpacing() const;
    void readBlockLayout();
    void breakPage();
    void breakSection();
    void keepPageLayout(QByteArrayView word, std::optional<int> value = std::nullopt);
    void finishDocument();
    void insertPicture();
    void prepareForImage();
    void startKeptGroup(const QString &kind);
    void endKeptGroup();
    void startParagraphContent();
    void appendFootnoteMark();
    void startHeaderFooter(QByteArrayView word);
    void endHeaderFooter();
    void storePageSetup();
    PortableGroup portableGroupOf(QByteArrayView group);
    QString decodeInFont(QByteArrayView bytes, int font);
    QChar readInFont(QChar c, int font) const;
    void appendBytes(QByteArrayView bytes);
    void flushBytes();
    QString decodeBytes(QByteArrayView bytes);
    CodePageDecoder &decoderFor(int requested);
    void appendText(const QString &text);
    void appendDocumentText(const QString &text);
    void breakParagraph();
    void flushText();
    QTextCharFormat charFormat(const CharState &chars) const;
    void noteLost(const QString &what);

    QTextDocument *m_document;
    QTextCursor m_cursor;
    QStringList *m_lost;
    GroupState m_state;
    std::vector<GroupState> m_stack;
    int m_documentCodePage = 1252;
    // Opening a system converter is costly, and text switches between a few fonts often.
    std::map<int, CodePageDecoder> m_decoders;
    QByteArray m_bytes;
    int m_footnoteMarks = 0;
    int m_headerFooterMarks = 0;
    int m_fallbackToSkip = 0;

    QString m_text;
    CharState m_textChars;
    bool m_paragraphPending = false;
    std::optional<int> m_footnoteMarkNumber; // set while the text gathered is a footnote's mark

    RtfFontTable m_fonts;
    RtfColourTable m_colours;
    RtfFieldBuilder m_fields;

    // After \*, the destination the group had before: the next word may name one this reader
    // keeps after all.
    std::optional<Destination> m_starredFrom;
    RtfTableBuilder m_tables{&m_cursor, &m_colours};
    RtfPictureBuilder m_pictures;
    Qt::Alignment m_blockAlignment = Qt::AlignLeft; // of the block the cursor is in
    ParagraphSpacing m_blockSpacing;                // of the same block
    bool m_pageBreakDue = false;                    // before the next paragraph of the body
    bool m_sectionRead = false;                     // a \sect ended the first section
    QByteArray m_pageLayout;
    QByteArrayView m_data;
    qsizetype m_position = 0; // in the input, after the token being handled
    RtfKeptGroupBuilder m_kept;
    RtfListBuilder m_lists;
    // The paragraph being read has had no content yet: its label and list are still to come.
    bool m_paragraphStartDue = true;

    RtfHeadersAndFooters m_headersAndFooters;
    // The token being read is the first of its group, \* aside, as a destination's word is.
    bool m_firstInGroup = false;
    bool m_groupOpened = false;
};

} // namespace quillon
