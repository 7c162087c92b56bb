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

} // namespace quillon
