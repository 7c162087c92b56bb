#pragma once

#include <QString>

#include <memory>

class QPagedPaintDevice;
class QTextCursor;
class QTextDocument;

namespace quillon {

// The name a printed quote carries in the printer's queue (and as the title of a PDF).
QString quotePrintName();

// What a print command tells the user when the system has no printer at all.
QString noPrinterInstalledText();

// Prints `document` on `device` (a printer, a PDF writer) at the size it has on screen, page by
// page. A font sized in pixels, as the windows size theirs, is taken as screen pixels of 1/96 inch
// rather than as dots of the device, so 11 px letters print at 8.25 pt at any resolution. The text
// fills the device's printable area, kept at least 2 cm from the paper's edges (or as far as the
// margins of the page a document read from RTF was made for, pageSetupOf()), and flows onto as
// many pages as it needs; text colours are kept, text without one prints black. Frames marked as
// headers and footers (headerFooterProperty) print at the top and bottom of every page they
// belong to (first-page, left and right ones on theirs), the body between them.
// False when the device cannot be started or cannot begin a new page.
bool printDocument(const QTextDocument &document, QPagedPaintDevice &device);

// The text `selection` selects, as a document of its own that shows its pictures as the whole
// document shows them, for printing a selection.
std::unique_ptr<QTextDocument> selectionDocument(const QTextCursor &selection);

} // namespace quillon
