#include "page_setup.h"

#include "rtf_document_properties.h"
#include "rtf_tokenizer.h"
#include "rtf_units.h"

#include <QTextDocument>
#include <QTextFrame>

#include <algorithm>

namespace quillon {

namespace {

constexpr double millimetresPerTwip = 25.4 / 1440;

} // namespace

std::optional<PageSetup> pageSetupOf(const QTextDocument &document) {
    const QByteArray layout =
        document.rootFrame()->frameFormat().property(pageLayoutProperty).toByteArray();
    if (layout.isEmpty())
        return std::nullopt;
    int left = defaultSideMarginTwips, right = defaultSideMarginTwips;
    int top = defaultTopBottomMarginTwips, bottom = defaultTopBottomMarginTwips;
    int width = defaultPaperWidthTwips, height = defaultPaperHeightTwips;
    bool landscape = false;
    RtfTokenizer tokens(layout);
    for (RtfToken token = tokens.next(); token.type != RtfToken::Type::End; token = tokens.next()) {
        if (token.type != RtfToken::Type::ControlWord)
            continue;
        if (token.word == "landscape" || token.word == "lndscpsxn") {
            landscape = true;
            continue;
        }
        if (!token.hasParameter)
            continue;
        // The section's form comes after the document's, and stands.
        const QByteArrayView word = token.word.endsWith("sxn") ? token.word.chopped(3) : token.word;
        const int twips = std::clamp(token.parameter, 0, maxLengthTwips);
        if (word == "margl")
            left = twips;
        else if (word == "margr")
            right = twips;
        else if (word == "margt")
            top = twips;
        else if (word == "margb")
            bottom = twips;
        else if (word == "paperw" || word == "pgw")
            width = twips;
        else if (word == "paperh" || word == "pgh")
            height = twips;
    }
    return PageSetup{QMarginsF(left, top, right, bottom) * millimetresPerTwip,
                     landscape || width > height ? QPageLayout::Landscape : QPageLayout::Portrait};
}

} // namespace quillon
