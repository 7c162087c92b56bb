#pragma once

class QPrinter;
class QWidget;

namespace quillon {

// Draws `widget`'s image, as drawn on screen, onto one page of `printer`, scaled to fit the
// printable area with its aspect kept and placed at the area's top-left corner. False when the
// printer cannot be started (nothing is printed then).
bool printWidgetImage(QWidget &widget, QPrinter &printer);

} // namespace quillon
