#pragma once

#include <QTextFormat>

namespace quillon {

// How a QTextDocument read from RTF holds what Qt's own formats have no place for, so that the
// report box shows it and RtfWriter writes it back. Pictures keep their bytes and kind in the
// properties of rtf_picture.h.

// Frame format: the frame is a page header or footer; the value is the RTF destination it came
// from and goes back to ("header", "headerf", "headerl", "headerr", "footer", ...).
constexpr int headerFooterProperty = QTextFormat::UserProperty + 0x5210;

// Image format of a group kept whole (an embedded object, a shape or text box, a drawing
// object): its RTF bytes as they stood in the file, written back unchanged. The image shows the
// group's result picture, or a frame naming what it is.
constexpr int keptGroupProperty = QTextFormat::UserProperty + 0x5211;

// Image format of a picture Qt cannot draw: the kind to name in the frame shown in its place
// ("WMF picture", "embedded object", ...). Its resource is drawn by placeholderPicture().
constexpr int placeholderKindProperty = QTextFormat::UserProperty + 0x5212;

// Block format of a list paragraph: the list it belongs to (the \ls number it was read with, or
// any number that tells lists apart), its level (0 to 8), and its list's definition
// (RtfListDefinition::toVariant()), so that each paragraph carries what writing it back needs.
constexpr int listNumberProperty = QTextFormat::UserProperty + 0x5213;
constexpr int listLevelProperty = QTextFormat::UserProperty + 0x5214;
constexpr int listDefinitionProperty = QTextFormat::UserProperty + 0x5215;

// Character format of an automatic footnote mark: its number as shown, written back as \chftn,
// which readers number themselves. The property holds that number, so that two marks side by
// side stay two fragments, each written as a \chftn of its own.
constexpr int footnoteMarkProperty = QTextFormat::UserProperty + 0x5217;

// Character format of a list paragraph's label ("1.", "•") and the tab after it. The label is
// text of the paragraph, so that the box, a plain-text copy and printing show it; the writer
// writes it as \listtext, for readers that know no list table, instead of as text.
constexpr int listLabelProperty = QTextFormat::UserProperty + 0x5216;

// Root frame format of a document read from RTF: how its pages take their headers and footers.
// Facing pages (\facingp) give left and right pages headers of their own; a title page
// (\titlepg) has its first-page header. Written back only when the file had them, as a word
// processor wakes the left, right or first-page headers with them.
constexpr int facingPagesProperty = QTextFormat::UserProperty + 0x5218;
constexpr int titlePageProperty = QTextFormat::UserProperty + 0x5219;

// Root frame format: headers and footers that no page shows (empty ones, a first-page one
// without a title page), as the RTF groups they were read from, written back after the others.
constexpr int unshownHeadersProperty = QTextFormat::UserProperty + 0x521a;

// Root frame format: the page layout as RTF words (paper size, orientation, margins, columns),
// written back before the text.
constexpr int pageLayoutProperty = QTextFormat::UserProperty + 0x521b;

// Image format of a group kept whole: the fonts its \fN words name, by N, as family names
// (a QVariantMap), so that a save refers to them by the numbers of the font table it writes.
constexpr int keptFontsProperty = QTextFormat::UserProperty + 0x521c;

} // namespace quillon
