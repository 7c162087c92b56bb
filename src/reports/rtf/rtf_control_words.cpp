#include "rtf_document_builder.h"

#include "rtf_cell_look.h"
#include "rtf_colour_table.h"
#include "rtf_picture.h"
#include "rtf_units.h"

#include <algorithm>
#include <initializer_list>
#include <span>
#include <utility>

// Which control word does what in each destination.

namespace quillon {

namespace {

using Builder = RtfDocumentBuilder;
using Word = QByteArrayView;
using WordRules = std::span<const WordRule>;

// Word's own limits for \fs, which keep QFont away from absurd sizes.
constexpr int minHalfPoints = 2;
constexpr int maxHalfPoints = 3276;

// Destinations whose content is not part of the visible text (\nonesttables: the text that
// readers without nested tables show in their place), with how to name what a user sees of them
// in other editors when it is lost. Those written with \* are skipped whatever their name.
constexpr auto skippedDestinations = std::to_array<std::pair<std::string_view, const char *>>({
    {"annotation", "comments"},
    {"atnauthor", nullptr},
    {"atndate", nullptr},
    {"atnid", nullptr},
    {"author", nullptr},
    {"bkmkend", nullptr},
    {"bkmkstart", nullptr},
    {"buptim", nullptr},
    {"comment", nullptr},
    {"creatim", nullptr},
    {"datastore", nullptr},
    {"doccomm", nullptr},
    {"falt", nullptr},
    {"filetbl", nullptr},
    {"ftncn", nullptr},
    {"ftnsep", nullptr},
    {"ftnsepc", nullptr},
    {"info", nullptr},
    {"keywords", nullptr},
    {"nonesttables", nullptr},
    {"nonshppict", nullptr},
    {"operator", nullptr},
    {"printim", nullptr},
    {"private", nullptr},
    {"revtbl", nullptr},
    {"revtim", nullptr},
    {"rsidtbl", nullptr},
    {"stylesheet", nullptr},
    {"subject", nullptr},
    {"tc", "index or contents entries"},
    {"tcn", "index or contents entries"},
    {"template", nullptr},
    {"themedata", nullptr},
    {"title", nullptr},
    {"txe", nullptr},
    {"xe", "index or contents entries"},
    {"xmlnstbl", nullptr},
});

// How to name the content of a skipped destination when it is lost; empty for one that holds
// nothing a user sees.
QString lostContentName(QByteArrayView word) {
    const std::string_view name(word.data(), static_cast<size_t>(word.size()));
    const auto found =
        std::find_if(skippedDestinations.begin(), skippedDestinations.end(),
                     [name](const auto &destination) { return destination.first == name; });
    return found == skippedDestinations.end() ? QString() : QString::fromLatin1(found->second);
}

// Control words that stand for one character.
constexpr auto specialCharacters = std::to_array<std::pair<std::string_view, char16_t>>({
    {"bullet", 0x2022},
    {"emdash", 0x2014},
    {"emspace", 0x2003},
    {"endash", 0x2013},
    {"enspace", 0x2002},
    {"ldblquote", 0x201C},
    {"line", 0x2028},
    {"lquote", 0x2018},
    {"qmspace", 0x2005},
    {"rdblquote", 0x201D},
    {"rquote", 0x2019},
    {"tab", u'\t'},
});

char16_t specialCharacter(QByteArrayView word) {
    const std::string_view name(word.data(), static_cast<size_t>(word.size()));
    for (const auto &[characterWord, character] : specialCharacters) {
        if (characterWord == name)
            return character;
    }
    return 0;
}

// One table of the words in `lists`; a word can be in only one of them, so that no order among
// them can matter.
std::map<Word, WordRule> wordTable(std::initializer_list<WordRules> lists) {
    std::map<Word, WordRule> table;
    for (const WordRules list : lists) {
        for (const WordRule &rule : list) {
            [[maybe_unused]] const bool added =
                table.emplace(Word(rule.word.data(), qsizetype(rule.word.size())), rule).second;
            Q_ASSERT_X(added, "wordTable", rule.word.data());
        }
    }
    return table;
}

} // namespace

const DestinationRules &RtfDocumentBuilder::rulesOf(Destination destination) {
    static const auto rules = destinationRules();
    return rules[static_cast<size_t>(destination)];
}

// Each destination's control words. A word not in its destination's table does nothing there.
std::array<DestinationRules, size_t(Destination::Count)> RtfDocumentBuilder::destinationRules() {
    // Words that act alike in every destination read here but pictures: the document's code page,
    // default font and tables, Unicode characters, and the destinations skipped whole. A group kept
    // whole (an object, a shape) may carry a document of its own: its tables and default font are
    // its own, written back inside it, and must not renumber the fonts and colours of the text
    // around it.
    static const auto documentWords = std::to_array<WordRule>({
        {"ansicpg", 0, [](Builder &b, Word, int codePage) { b.m_documentCodePage = codePage; }},
        {"colortbl", 0,
         [](Builder &b, Word, int) {
             if (b.m_state.destination == Destination::Kept)
                 return b.enterDestination(Destination::Skip);
             b.enterDestination(Destination::ColorTable);
             b.m_colours.clear();
         }},
        {"deff", 0,
         [](Builder &b, Word, int font) {
             if (b.m_state.destination != Destination::Kept)
                 b.m_fonts.setDefaultFont(font);
         }},
        {"fonttbl", 0,
         [](Builder &b, Word, int) {
             b.enterDestination(b.m_state.destination == Destination::Kept
                                    ? Destination::Skip
                                    : Destination::FontTable);
         }},
        {"mac", 0, [](Builder &b, Word, int) { b.m_documentCodePage = 10000; }},
        {"pc", 0, [](Builder &b, Word, int) { b.m_documentCodePage = 437; }},
        {"pca", 0, [](Builder &b, Word, int) { b.m_documentCodePage = 850; }},
        {"u", 0, [](Builder &b, Word, int value) { b.appendUnicode(value); }},
        {"uc", 0, [](Builder &b, Word, int skip) { b.m_state.unicodeSkip = std::max(0, skip); }},
    });
    static const auto skippedWords = [] {
        std::array<WordRule, skippedDestinations.size()> words{};
        std::transform(skippedDestinations.begin(), skippedDestinations.end(), words.begin(),
                       [](const auto &destination) {
                           return WordRule{destination.first, 0, [](Builder &b, Word word, int) {
                                               b.skipDestination(word);
                                           }};
                       });
        return words;
    }();
    // Headers and footers: read into frames of their own from the document's text, skipped
    // elsewhere.
    static const auto headerFooterWords = [] {
        const auto start = [](Builder &b, Word word, int) { b.startHeaderFooter(word); };
        return std::to_array<WordRule>({
            {"footer", 0, start},
            {"footerf", 0, start},
            {"footerl", 0, start},
            {"footerr", 0, start},
            {"header", 0, start},
            {"headerf", 0, start},
            {"headerl", 0, start},
            {"headerr", 0, start},
        });
    }();
    // How the document's pages take their headers and footers.
    // The paper, its margins and the first section's columns are kept as the file gives them.
    static const auto pageWords = [] {
        const auto keep = [](Builder &b, Word word, int value) { b.keepPageLayout(word, value); };
        const auto keepSection = [](Builder &b, Word word, int value) {
            if (!b.m_sectionRead)
                b.keepPageLayout(word, value);
        };
        return std::to_array<WordRule>({
            {"cols", 1, keepSection},
            {"colsx", 720, keepSection},
            {"facingp", 0, [](Builder &b, Word, int) { b.m_headersAndFooters.setFacingPages(); }},
            {"gutter", 0, keep},
            {"landscape", 0, [](Builder &b, Word word, int) { b.keepPageLayout(word); }},
            {"linebetcol", 0,
             [](Builder &b, Word word, int) {
                 if (!b.m_sectionRead)
                     b.keepPageLayout(word);
             }},
            {"lndscpsxn", 0,
             [](Builder &b, Word word, int) {
                 if (!b.m_sectionRead)
                     b.keepPageLayout(word);
             }},
            {"margb", defaultTopBottomMarginTwips, keep},
            {"margbsxn", 0, keepSection},
            {"margl", defaultSideMarginTwips, keep},
            {"marglsxn", 0, keepSection},
            {"margr", defaultSideMarginTwips, keep},
            {"margrsxn", 0, keepSection},
            {"margt", defaultTopBottomMarginTwips, keep},
            {"margtsxn", 0, keepSection},
            {"paperh", defaultPaperHeightTwips, keep},
            {"paperw", defaultPaperWidthTwips, keep},
            {"pghsxn", defaultPaperHeightTwips, keepSection},
            {"pgwsxn", defaultPaperWidthTwips, keepSection},
            {"titlepg", 1,
             [](Builder &b, Word, int on) { b.m_headersAndFooters.setTitlePage(on != 0); }},
        });
    }();
    // Character formatting and the words that stand for characters.
    static const auto characterWords = [] {
        const auto underline = [](Builder &b, Word, int on) {
            b.m_state.chars.underline = on != 0;
        };
        auto words = std::to_array<WordRule>({
            {"b", 1, [](Builder &b, Word, int on) { b.m_state.chars.bold = on != 0; }},
            {"cf", 0, [](Builder &b, Word, int colour) { b.m_state.chars.color = colour; }},
            {"chftn", 0, [](Builder &b, Word, int) { b.appendFootnoteMark(); }},
            {"f", 0, [](Builder &b, Word, int font) { b.m_state.chars.font = font; }},
            {"fs", defaultHalfPoints,
             [](Builder &b, Word, int halfPoints) {
                 b.m_state.chars.halfPoints = std::clamp(halfPoints, minHalfPoints, maxHalfPoints);
             }},
            {"i", 1, [](Builder &b, Word, int on) { b.m_state.chars.italic = on != 0; }},
            {"dn", 6,
             [](Builder &b, Word, int halfPoints) {
                 b.m_state.chars.vertical = halfPoints > 0 ? -1 : 0;
             }},
            {"nosupersub", 0, [](Builder &b, Word, int) { b.m_state.chars.vertical = 0; }},
            {"sub", 0, [](Builder &b, Word, int) { b.m_state.chars.vertical = -1; }},
            {"super", 0, [](Builder &b, Word, int) { b.m_state.chars.vertical = 1; }},
            {"up", 6,
             [](Builder &b, Word, int halfPoints) {
                 b.m_state.chars.vertical = halfPoints > 0 ? 1 : 0;
             }},
            {"plain", 0,
             [](Builder &b, Word, int) {
                 // A link is no character format: its shown text may reset the formats.
                 b.m_state.chars = CharState{.link = b.m_state.chars.link};
             }},
            {"v", 1, [](Builder &b, Word, int on) { b.m_state.chars.hidden = on != 0; }},
            // \ul and its styled forms
            {"ul", 1, underline},
            {"uld", 1, underline},
            {"uldash", 1, underline},
            {"uldashd", 1, underline},
            {"uldashdd", 1, underline},
            {"uldb", 1, underline},
            {"ulhair", 1, underline},
            {"ulhwave", 1, underline},
            {"ulldash", 1, underline},
            {"ulnone", 0, [](Builder &b, Word, int) { b.m_state.chars.underline = false; }},
            {"ulth", 1, underline},
            {"ulthd", 1, underline},
            {"ulthdash", 1, underline},
            {"ulthdashd", 1, underline},
            {"ulthdashdd", 1, underline},
            {"ulthldash", 1, underline},
            {"ululdbwave", 1, underline},
            {"ulw", 1, underline},
            {"ulwave", 1, underline},
        });
        std::vector<WordRule> all(words.begin(), words.end());
        for (const auto &[word, character] : specialCharacters) {
            all.push_back({word, 0, [](Builder &b, Word name, int) {
                               b.appendText(QString(QChar(specialCharacter(name))));
                           }});
        }
        return all;
    }();
    // Paragraphs, alignment and tables.
    static const auto paragraphWords = std::to_array<WordRule>({
        {"cell", 0, [](Builder &b, Word word, int) { b.endCell(word); }},
        {"cellx", 0,
         [](Builder &b, Word, int edge) { b.m_tables.addCellEdge(b.rowDefinitionLevel(), edge); }},
        {"ilvl", 0, [](Builder &b, Word, int level) { b.m_state.paragraph.listLevel = level; }},
        {"fi", 0,
         [](Builder &b, Word, int twips) { b.m_state.paragraph.spacing.firstLine = twips; }},
        {"intbl", 1, [](Builder &b, Word, int on) { b.m_state.paragraph.inTable = on != 0; }},
        {"itap", 0,
         [](Builder &b, Word, int level) { b.m_state.paragraph.nesting = std::max(0, level); }},
        {"li", 0, [](Builder &b, Word, int twips) { b.m_state.paragraph.spacing.left = twips; }},
        {"lin", 0, [](Builder &b, Word, int twips) { b.m_state.paragraph.spacing.left = twips; }},
        {"ls", 0, [](Builder &b, Word, int list) { b.m_state.paragraph.list = list; }},
        {"nestcell", 0, [](Builder &b, Word word, int) { b.endCell(word); }},
        {"nestrow", 0, [](Builder &b, Word word, int) { b.endRow(word); }},
        {"page", 0, [](Builder &b, Word, int) { b.breakPage(); }},
        {"pagebb", 1,
         [](Builder &b, Word, int on) { b.m_state.paragraph.spacing.pageBreakBefore = on != 0; }},
        {"par", 0, [](Builder &b, Word, int) { b.breakParagraph(); }},
        {"pard", 0, [](Builder &b, Word, int) { b.m_state.paragraph = ParagraphState(); }},
        {"qc", 0, [](Builder &b, Word, int) { b.m_state.paragraph.alignment = Qt::AlignHCenter; }},
        {"qd", 0, [](Builder &b, Word, int) { b.m_state.paragraph.alignment = Qt::AlignJustify; }},
        {"qj", 0, [](Builder &b, Word, int) { b.m_state.paragraph.alignment = Qt::AlignJustify; }},
        {"ql", 0, [](Builder &b, Word, int) { b.m_state.paragraph.alignment = Qt::AlignLeft; }},
        {"qr", 0, [](Builder &b, Word, int) { b.m_state.paragraph.alignment = Qt::AlignRight; }},
        {"ri", 0, [](Builder &b, Word, int twips) { b.m_state.paragraph.spacing.right = twips; }},
        {"rin", 0, [](Builder &b, Word, int twips) { b.m_state.paragraph.spacing.right = twips; }},
        {"row", 0, [](Builder &b, Word word, int) { b.endRow(word); }},
        {"sa", 0, [](Builder &b, Word, int twips) { b.m_state.paragraph.spacing.after = twips; }},
        {"sb", 0, [](Builder &b, Word, int twips) { b.m_state.paragraph.spacing.before = twips; }},
        {"sbknone", 0, [](Builder &b, Word, int) { b.m_pageBreakDue = false; }},
        {"sect", 0, [](Builder &b, Word, int) { b.breakSection(); }},
        {"sl", 0, [](Builder &b, Word, int twips) { b.m_state.paragraph.spacing.line = twips; }},
        {"slmult", 0,
         [](Builder &b, Word, int on) { b.m_state.paragraph.spacing.lineMultiple = on != 0; }},
        {"trowd", 0,
         [](Builder &b, Word, int) { b.m_tables.startRowDefinition(b.rowDefinitionLevel()); }},
    });
    // Cell borders, shading and merges in a row definition. Border style words follow the border
    // they describe, which may be a paragraph's, a page's or a character's, not a cell's.
    static const std::vector<WordRule> tableLookWords = [] {
        const auto cellBorder = [](Builder &b, Word word, int) {
            const auto side = std::string_view("tblr").find(word.back());
            b.rowDefinition().selectCellBorder(static_cast<CellSide>(side));
        };
        const auto otherBorder = [](Builder &b, Word, int) { b.rowDefinition().selectNoBorder(); };
        const auto paragraphBorder = [](Builder &b, Word, int) {
            b.rowDefinition().selectNoBorder();
            b.noteLost(QStringLiteral("paragraph borders"));
        };
        const auto pageBorder = [](Builder &b, Word, int) {
            b.rowDefinition().selectNoBorder();
            b.noteLost(QStringLiteral("page borders"));
        };
        std::vector<WordRule> words = {
            {"clbrdrt", 0, cellBorder},
            {"clbrdrb", 0, cellBorder},
            {"clbrdrl", 0, cellBorder},
            {"clbrdrr", 0, cellBorder},
            {"trbrdrt", 0, otherBorder},
            {"trbrdrb", 0, otherBorder},
            {"trbrdrl", 0, otherBorder},
            {"trbrdrr", 0, otherBorder},
            {"trbrdrh", 0, otherBorder},
            {"trbrdrv", 0, otherBorder},
            {"box", 0, paragraphBorder},
            {"brdrt", 0, paragraphBorder},
            {"brdrb", 0, paragraphBorder},
            {"brdrl", 0, paragraphBorder},
            {"brdrr", 0, paragraphBorder},
            {"brdrbar", 0, paragraphBorder},
            {"brdrbtw", 0, otherBorder},
            {"chbrdr", 0, otherBorder},
            {"cldglu", 0, otherBorder},
            {"cldgll", 0, otherBorder},
            {"pgbrdrt", 0, pageBorder},
            {"pgbrdrb", 0, pageBorder},
            {"pgbrdrl", 0, pageBorder},
            {"pgbrdrr", 0, pageBorder},
            {"brdrw", 0,
             [](Builder &b, Word, int twips) { b.rowDefinition().setBorderWidth(twips); }},
            {"brdrcf", 0,
             [](Builder &b, Word, int colour) { b.rowDefinition().setBorderColour(colour); }},
            {"clcbpat", 0,
             [](Builder &b, Word, int colour) { b.rowDefinition().setBackground(colour); }},
            {"clcfpat", 0,
             [](Builder &b, Word, int colour) { b.rowDefinition().setPattern(colour); }},
            {"clshdng", 0,
             [](Builder &b, Word, int shading) { b.rowDefinition().setShading(shading); }},
            {"clmrg", 0, [](Builder &b, Word, int) { b.rowDefinition().mergeWithPrevious(); }},
            {"clvmrg", 0, [](Builder &b, Word, int) { b.rowDefinition().mergeWithAbove(); }},
        };
        for (const std::string_view style : borderStyleWords()) {
            words.push_back({style, 0, [](Builder &b, Word word, int) {
                                 b.rowDefinition().setBorderStyle(*borderStyleOfWord(word));
                             }});
        }
        return words;
    }();
    // Destinations that only the document's text holds.
    static const auto textDestinations = std::to_array<WordRule>({
        {"fldinst", 0, [](Builder &b, Word, int) { b.startFieldInstruction(); }, true},
        {"nesttableprops", 0,
         [](Builder &b, Word, int) { b.enterDestination(Destination::TableProperties); }, true},
        {"pict", 0,
         [](Builder &b, Word, int) {
             b.enterDestination(Destination::Picture);
             b.m_pictures.start();
         }},
        // The picture inside is read as it comes.
        {"shppict", 0, [](Builder &, Word, int) {}, true},
        {"listoverridetable", 0,
         [](Builder &b, Word, int) { b.enterDestination(Destination::ListTable); }, true},
        {"listtable", 0, [](Builder &b, Word, int) { b.enterDestination(Destination::ListTable); },
         true},
        {"listtext", 0,
         [](Builder &b, Word, int) {
             b.enterDestination(Destination::ListText);
             b.m_lists.clearWrittenLabel();
         }},
        // Groups kept whole.
        {"do", 0, [](Builder &b, Word, int) { b.startKeptGroup(QStringLiteral("drawing")); }, true},
        {"footnote", 0,
         [](Builder &b, Word, int) {
             b.startKeptGroup(QStringLiteral("footnote"));
             b.m_kept.showText(0); // all of a note's text
         },
         true},
        {"object", 0,
         [](Builder &b, Word, int) { b.startKeptGroup(QStringLiteral("embedded object")); }},
        {"shp", 0, [](Builder &b, Word, int) { b.startKeptGroup(QStringLiteral("shape")); }, true},
        {"shpgrp", 0, [](Builder &b, Word, int) { b.startKeptGroup(QStringLiteral("shapes")); },
         true},
    });
    // Inside a group kept whole: its size, whether it is a text box, and its picture.
    static const auto keptWords = std::to_array<WordRule>({
        {"dptxbx", 0, [](Builder &b, Word, int) { b.m_kept.setKind(QStringLiteral("text box")); }},
        {"dptxbxtext", 0, [](Builder &b, Word, int) { b.m_kept.showText(b.m_stack.size()); }},
        {"dpxsize", 0, [](Builder &b, Word, int twips) { b.m_kept.setRight(twips); }},
        {"dpysize", 0, [](Builder &b, Word, int twips) { b.m_kept.setBottom(twips); }},
        {"objh", 0, [](Builder &b, Word, int twips) { b.m_kept.setBottom(twips); }},
        {"objw", 0, [](Builder &b, Word, int twips) { b.m_kept.setRight(twips); }},
        {"pict", 0,
         [](Builder &b, Word, int) {
             b.enterDestination(Destination::Picture);
             b.m_pictures.start();
         }},
        {"shpbottom", 0, [](Builder &b, Word, int twips) { b.m_kept.setBottom(twips); }},
        {"shpinst", 0, [](Builder &, Word, int) {}, true},
        {"shpleft", 0, [](Builder &b, Word, int twips) { b.m_kept.setLeft(twips); }},
        {"shppict", 0, [](Builder &, Word, int) {}, true},
        {"shpright", 0, [](Builder &b, Word, int twips) { b.m_kept.setRight(twips); }},
        {"shptop", 0, [](Builder &b, Word, int twips) { b.m_kept.setTop(twips); }},
        {"shptxt", 0,
         [](Builder &b, Word, int) {
             b.m_kept.setKind(QStringLiteral("text box"));
             b.m_kept.showText(b.m_stack.size());
         }},
    });
    // The list table's words; \uN and \ucN come from the document's words.
    static const auto listTableWords = [] {
        const auto listWord = [](Builder &b, Word word, int value) {
            b.m_lists.table().handleWord(word, value);
        };
        return std::to_array<WordRule>({
            {"f", 0, listWord},
            {"levelnfc", 0, listWord},
            {"levelnfcn", 0, listWord},
            {"levelnumbers", 0, listWord},
            {"levelstartat", 1, listWord},
            {"leveltext", 0, listWord},
            {"lfolevel", 0, listWord},
            {"list", 0, listWord},
            {"listid", 0, listWord},
            {"listlevel", 0, listWord},
            {"listname", 0, listWord},
            {"listoverride", 0, listWord},
            {"ls", 0, listWord},
        });
    }();
    // Where an instruction without a group of its own ends.
    static const auto fieldInstructionWords = std::to_array<WordRule>({
        {"fldrslt", 0, [](Builder &b, Word, int) { b.showFieldResult(); }},
    });
    static const auto fontTableWords = std::to_array<WordRule>({
        {"f", 0, [](Builder &b, Word, int number) { b.m_fonts.startEntry(number); }},
        {"fcharset", 0, [](Builder &b, Word, int charset) { b.m_fonts.setCharset(charset); }},
    });
    static const auto colourTableWords = std::to_array<WordRule>({
        {"blue", 0,
         [](Builder &b, Word, int value) {
             b.m_colours.setComponent(RtfColourTable::Blue, value);
         }},
        {"green", 0,
         [](Builder &b, Word, int value) {
             b.m_colours.setComponent(RtfColourTable::Green, value);
         }},
        {"red", 0,
         [](Builder &b, Word, int value) { b.m_colours.setComponent(RtfColourTable::Red, value); }},
    });
    static const auto pictureWords = [] {
        const auto format = [](Builder &b, Word word, int parameter) {
            b.m_pictures.picture().setType(word.toByteArray(), parameter);
        };
        return std::to_array<WordRule>({
            {"dibitmap", 0, format},
            {"emfblip", 0, format},
            {"jpegblip", 0, [](Builder &b, Word, int) { b.m_pictures.picture().setType("jpeg"); }},
            {"macpict", 0, format},
            {"pichgoal", 0,
             [](Builder &b, Word, int twips) { b.m_pictures.picture().setHeightGoal(twips); }},
            {"pich", 0,
             [](Builder &b, Word, int height) { b.m_pictures.picture().setSourceHeight(height); }},
            {"picscalex", 0,
             [](Builder &b, Word, int percent) { b.m_pictures.picture().setScaleX(percent); }},
            {"picscaley", 0,
             [](Builder &b, Word, int percent) { b.m_pictures.picture().setScaleY(percent); }},
            {"picw", 0,
             [](Builder &b, Word, int width) { b.m_pictures.picture().setSourceWidth(width); }},
            {"picwgoal", 0,
             [](Builder &b, Word, int twips) { b.m_pictures.picture().setWidthGoal(twips); }},
            {"pmmetafile", 0, format},
            {"pngblip", 0, [](Builder &b, Word, int) { b.m_pictures.picture().setType("png"); }},
            {"wbitmap", 0, format},
            {"wmetafile", 0, format},
        });
    }();

    const auto fieldText = [](Builder &b, const QString &text) {
        b.m_fields.appendInstruction(text);
    };
    std::array<DestinationRules, size_t(Destination::Count)> rules;
    const auto set = [&rules](Destination destination, DestinationRules destinationRules) {
        rules[static_cast<size_t>(destination)] = std::move(destinationRules);
    };
    set(Destination::Text,
        {wordTable({documentWords, skippedWords, headerFooterWords, pageWords, characterWords,
                    paragraphWords, tableLookWords, textDestinations}),
         [](Builder &b, const QString &text) { b.appendDocumentText(text); }});
    set(Destination::FontTable,
        {wordTable({documentWords, skippedWords, headerFooterWords, fontTableWords}),
         [](Builder &b, const QString &text) { b.m_fonts.appendText(text); },
         // An entry closed without its ';'.
         [](Builder &b) { b.m_fonts.endGroup(); }});
    set(Destination::ColorTable,
        {wordTable({documentWords, skippedWords, headerFooterWords, colourTableWords}),
         [](Builder &b, const QString &text) { b.m_colours.appendText(text); }});
    set(Destination::Skip, {});
    set(Destination::Picture,
        {wordTable({pictureWords}), nullptr, nullptr, [](Builder &b) { b.insertPicture(); }});
    set(Destination::FieldInstruction,
        {wordTable({documentWords, skippedWords, headerFooterWords, characterWords, paragraphWords,
                    fieldInstructionWords}),
         fieldText, nullptr, [](Builder &b) { b.endFieldInstruction(); }});
    set(Destination::TableProperties,
        {wordTable({documentWords, skippedWords, headerFooterWords, characterWords, paragraphWords,
                    tableLookWords})});
    set(Destination::ListTable,
        {wordTable({documentWords, listTableWords}),
         [](Builder &b, const QString &text) { b.m_lists.table().appendText(text); },
         [](Builder &b) { b.m_lists.table().groupClosed(); },
         [](Builder &b) {
             b.m_lists.table().finish(
                 [&b](QByteArrayView bytes, int font) { return b.decodeInFont(bytes, font); },
                 [&b](QChar c, int font) { return b.readInFont(c, font); });
         },
         [](Builder &b) { b.m_lists.table().groupOpened(); }});
    set(Destination::ListText,
        {wordTable({documentWords, skippedWords, headerFooterWords, characterWords}),
         [](Builder &b, const QString &text) { b.m_lists.appendWrittenLabel(text); }});
    set(Destination::Kept,
        {wordTable({documentWords, keptWords}),
         [](Builder &b, const QString &text) { b.m_kept.appendText(text, b.m_stack.size()); },
         nullptr, [](Builder &b) { b.endKeptGroup(); }});
    return rules;
}

void RtfDocumentBuilder::handleWord(const RtfToken &token) {
    const QByteArrayView word = token.word;
    const std::optional<Destination> starredFrom = std::exchange(m_starredFrom, std::nullopt);
    if (starredFrom) {
        const auto &words = rulesOf(*starredFrom).words;
        const auto rule = words.find(word);
        if (rule != words.end() && rule->second.keptWhenStarred)
            m_state.destination = *starredFrom;
    }
    if (m_state.destination == Destination::Skip) {
        // Destinations written with \* are skipped whatever they are; some still hold content.
        if (starredFrom == Destination::Text)
            noteLost(lostContentName(word));
        return;
    }
    const auto &words = rulesOf(m_state.destination).words;
    const auto rule = words.find(word);
    if (rule != words.end())
        rule->second.handle(*this, word,
                            token.hasParameter ? token.parameter : rule->second.defaultValue);
}

void RtfDocumentBuilder::skipDestination(QByteArrayView word) {
    if (m_state.destination == Destination::Text)
        noteLost(lostContentName(word));
    m_state.destination = Destination::Skip;
}

} // namespace quillon
