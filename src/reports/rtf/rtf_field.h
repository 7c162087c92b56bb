#pragma once

#include <QString>

namespace quillon {

// The target of a HYPERLINK field from its instruction text (HYPERLINK "http://x" \o "tip",
// HYPERLINK \l "bookmark"), or the empty text when the field is another kind.
QString hyperlinkTarget(const QString &instruction);

} // namespace quillon
