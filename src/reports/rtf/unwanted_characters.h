#pragma once

namespace quillon {

// Characters that must not reach QTextCursor::insertText, which would turn them into block or
// frame boundaries or objects without data: control characters other than tab and the
// characters Qt reserves for its own use.
constexpr bool isUnwantedCharacter(char16_t c) {
    return (c < 0x20 && c != u'\t') || (c >= 0xFDD0 && c <= 0xFDEF) || c == 0xFFFC || c == 0xFFFE ||
           c == 0xFFFF;
}

} // namespace quillon
