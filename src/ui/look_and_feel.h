#pragma once

class QApplication;

namespace quillon {

// Sets the application-wide style and font that the fixed window layouts are designed for.
void applyLookAndFeel(QApplication &application);

} // namespace quillon
