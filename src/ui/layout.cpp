#include "layout.h"

#include "window_system.h"

#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

#include <algorithm>
#include <utility>

namespace quillon::layout {

QRect rect(int left, int top, int width, int height) {
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

QFont face() {
    // Liberation Sans has Arial's metrics, which keep every caption whole in its designed box;
    // Windows has Arial itself and seldom Liberation Sans.
    QFont result;
    result.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    result.setStyleHint(QFont::SansSerif, window_system::textStrategy());
    return result;
}

QFont font(double points, bool bold) {
    QFont result = face();
    result.setPixelSize(qRound(points * 96.0 / 72.0));
    result.setBold(bold);
    return result;
}

void setBackground(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QLabel *addLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                 int width, int height) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(rect(left, top, width, height));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Labels show names and texts as typed or as the system gives them, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    fitCaption(label);
    return label;
}

namespace {

// Qt presses a focused button on Enter only when it is a dialog's default candidate, which would
// also let Enter in a text box press it.
class CommandButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            !event->isAutoRepeat()) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

} // namespace

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, int left,
                       int top, int width, int height) {
    auto *button = new CommandButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(rect(left, top, width, height));
    button->setAutoDefault(false);
    return button;
}

void fitCaption(QWidget *control) {
    // Liberation Sans runs a few per cent wider than the face the boxes were drawn for; close
    // the letters up just enough rather than cut the caption off.
    QFont font = control->font();
    for (int spacing = 99; spacing >= 90 && control->sizeHint().width() > control->width();
         --spacing) {
        font.setLetterSpacing(QFont::PercentageSpacing, spacing);
        control->setFont(font);
    }
}

namespace {

constexpr int kSmallestPixelSize = 9;

void fitLines(QAbstractScrollArea *box, QTextDocument *document) {
    document->setDocumentMargin(1);
    // Frame, margins and the caret's column, with a pixel to spare for rounding.
    const int available = box->width() - 2 * box->frameWidth() - 2 - 4;
    QFont font = box->font();
    // Measuring a line shapes its text, a good part of the start's own work: the lines are tried
    // widest first, so that a font still too wide is told by one line, not by all of them again.
    QList<std::pair<int, QString>> byWidth;
    const QFontMetrics natural(font);
    for (const QString &line : document->toPlainText().split(QLatin1Char('\n')))
        byWidth.append({natural.horizontalAdvance(line), line});
    std::stable_sort(byWidth.begin(), byWidth.end(),
                     [](const auto &a, const auto &b) { return a.first > b.first; });
    const auto tooWide = [&byWidth, &font, available] {
        const QFontMetrics metrics(font);
        return std::any_of(byWidth.cbegin(), byWidth.cend(),
                           [&metrics, available](const auto &line) {
                               return metrics.horizontalAdvance(line.second) > available;
                           });
    };
    for (int spacing = 99; spacing >= 92 && tooWide(); --spacing)
        font.setLetterSpacing(QFont::PercentageSpacing, spacing);
    while (tooWide() && font.pixelSize() > kSmallestPixelSize)
        font.setPixelSize(font.pixelSize() - 1);
    box->setFont(font);
}

} // namespace

void fitLines(QTextEdit *box) {
    fitLines(box, box->document());
}

void fitLines(QPlainTextEdit *box) {
    fitLines(box, box->document());
}

void describeBy(QLabel *value, QLabel *caption) {
    caption->setBuddy(value);
    value->setAccessibleDescription(caption->text());
}

void stackInReadingOrder(QWidget *parent) {
    QList<QWidget *> children = parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    std::stable_sort(children.begin(), children.end(), [](const QWidget *a, const QWidget *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    // Raising moves a child to the end of its parent's list, which is the order screen readers
    // walk.
    for (QWidget *child : std::as_const(children)) {
        if (!child->isWindow())
            child->raise();
    }
}

QFrame *addLine(QWidget *parent, const QString &name, int x1, int y1, int x2, int /*y2*/) {
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setGeometry(pixels(x1), pixels(y1), pixels(x2) - pixels(x1), 1);
    setBackground(line, line->palette().color(QPalette::WindowText));
    return line;
}

} // namespace quillon::layout
