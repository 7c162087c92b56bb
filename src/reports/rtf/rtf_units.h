#pragma once

namespace quillon {

// RTF measures in twips (1/1440 inch); a QTextDocument's lengths are taken as pixels at 96 dots
// per inch, the screen the documents are made for, so 15 twips make one unit.
constexpr double twipsPerDocumentUnit = 15.0;

// 22 inches, Word's largest page side: no cell or picture is wider or taller.
constexpr int maxLengthTwips = 31680;

} // namespace quillon
