#pragma once

namespace quillon {

// RTF measures in twips (1/1440 inch); a QTextDocument's lengths are taken as pixels at 96 dots
// per inch, the screen the documents are made for, so 15 twips make one unit.
constexpr double twipsPerDocumentUnit = 15.0;

// 22 inches, Word's largest page side: no cell or picture is wider or taller.
constexpr int maxLengthTwips = 31680;

// RTF's page where a file gives none: Letter, 1.25-inch margins at the sides, 1-inch ones at the
// top and bottom.
constexpr int defaultPaperWidthTwips = 12240;
constexpr int defaultPaperHeightTwips = 15840;
constexpr int defaultSideMarginTwips = 1800;
constexpr int defaultTopBottomMarginTwips = 1440;

} // namespace quillon
