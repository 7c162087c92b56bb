#pragma once

#include <QMarginsF>
#include <QPageLayout>

#include <optional>

class QTextDocument;

namespace quillon {

// The page a document read from RTF was laid out for, as the document keeps its page layout
// (pageLayoutProperty): its margins in millimetres, from \margl, \margr, \margt and \margb or
// their first section's forms, with RTF's defaults (1.25 inches at the sides, 1 inch at the top
// and bottom) for those it leaves out; and its orientation, landscape under \landscape (or its
// section's \lndscpsxn) or when the paper is wider than it is tall.
struct PageSetup {
    QMarginsF margins;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

// None for a document that gave no page layout.
std::optional<PageSetup> pageSetupOf(const QTextDocument &document);

} // namespace quillon
