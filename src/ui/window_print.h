#pragma once

class QPrinter;
class QWidget;

namespace quillon {

// Prints `widget`'s image, as drawn on screen, onto one page of `printer` at the size it has on
// the screen (its logical pixels at the screen's dots per inch), at the printable area's top-left
// corner; a window larger than that area shrinks to fit it, its aspect kept. The image is drawn
// at several times the screen's density, so its letters print sharp. False when the printer
// cannot be started (nothing is printed then).
bool printWidgetImage(QWidget &widget, QPrinter &printer);

} // namespace quillon
