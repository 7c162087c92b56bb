#pragma once

#include <QMarginsF>

#include <optional>

class QTextDocument;

namespace quillon {

// The margins of the page a document read from RTF was laid out for, in millimetres: its \margl,
// \margr, \margt and \margb, or their first section's forms, as the document keeps its page
// layout (pageLayoutProperty), with RTF's defaults (1.25 inches at the sides, 1 inch at the top
// and bottom) for those it leaves out. None for a document that gave no page layout.
std::optional<QMarginsF> pageMarginsOf(const QTextDocument &document);

} // namespace quillon
