#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class QWidget;

// Helpers for windows laid out at fixed positions given in twips (15 to a pixel).
namespace quillon::layout {

constexpr int pixels(int twips) {
    return twips / 15;
}

// A rectangle given in twips, in pixels.
QRect rect(int left, int top, int width, int height);

// The program's sans-serif face, unsized.
QFont face();

// The program's stand-in for an 8.25 pt "MS Sans Serif" at `points`, sized in pixels so that the
// designed boxes fit whatever the screen's DPI.
QFont font(double points = 8.25, bool bold = false);

// Gives `widget` an opaque background of `colour`.
void setBackground(QWidget *widget, const QColor &colour);
void setTextColour(QWidget *widget, const QColor &colour);

// A plain label placed at a rectangle given in twips.
QLabel *addLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                 int width, int height);

// A command button placed at a rectangle given in twips. Space or Enter presses it while it has
// the focus; Enter elsewhere in its window (in a text box) presses no button.
QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, int left,
                       int top, int width, int height);

// Closes up the letters of a label's or button's caption a little when it is wider than the
// control.
void fitCaption(QWidget *control);

// Prepares a multi-line box the way the designed boxes expect: a thin inner margin, and letters
// closed up (then, if need be, a slightly smaller face, no smaller than 9 px) until its longest
// line fits without wrapping.
void fitLines(QTextEdit *box);
void fitLines(QPlainTextEdit *box);

// Announces a value label with the caption that names it: a screen reader reads the caption as the
// value's description and finds the caption through a labelled-by relation; the value's own text
// stays its name.
void describeBy(QLabel *value, QLabel *caption);

// Restacks the children of `parent` from top to bottom, left to right, so that a screen reader
// reads them in that order. Widgets placed later in that order end up above earlier ones.
void stackInReadingOrder(QWidget *parent);

// A thin horizontal rule in the window-text colour between two points given in twips.
QFrame *addLine(QWidget *parent, const QString &name, int x1, int y1, int x2, int y2);

} // namespace quillon::layout
