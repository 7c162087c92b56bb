#pragma once

#include "quote_report.h"

#include <QString>

namespace quillon {

// A quote as a shop would make one, with every caption filled.
QuoteReport sampleReport();

// Writes the quote file in `folder`: the sample's quote text followed by `records` history
// records. False when the file could not be written whole.
bool writeSampleQuoteFile(const QString &folder, qsizetype records);

} // namespace quillon
