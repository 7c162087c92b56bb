#pragma once

// What a user sees of a window's fixed layout, checked without restating it: controls that cover
// one another, captions that are cut, controls that stand outside their area. The designed
// boxes come in steps of 15 twips, one pixel, and many touch their neighbours or their area's
// edge by that one pixel: that is no fault.
#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

namespace quillon {

inline QList<QWidget *> shownChildren(const QWidget *parent) {
    QList<QWidget *> shown;
    for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden() && !child->objectName().isEmpty())
            shown.append(child);
    }
    return shown;
}

// "A/B" for every two named children of `parent` whose boxes overlap by more than a pixel.
inline QStringList overlappingControls(const QWidget *parent) {
    const QList<QWidget *> shown = shownChildren(parent);
    QStringList pairs;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            const QRect common = shown[i]->geometry().intersected(shown[j]->geometry());
            if (common.width() > 1 && common.height() > 1)
                pairs.append(shown[i]->objectName() + QLatin1Char('/') + shown[j]->objectName());
        }
    }
    return pairs;
}

// The named labels and buttons of `parent` whose caption is wider than their box, and the named
// children that reach more than a pixel outside `area`.
inline QStringList cutOrOutside(const QWidget *parent, const QRect &area) {
    QStringList faults;
    for (QWidget *child : shownChildren(parent)) {
        QString caption;
        int room = child->width();
        if (auto *label = qobject_cast<QLabel *>(child)) {
            caption = label->text();
            room = label->contentsRect().width();
        } else if (auto *button = qobject_cast<QAbstractButton *>(child)) {
            caption = button->text();
            // An option button's caption shares its box with the indicator.
            if (!qobject_cast<QPushButton *>(button))
                room = button->sizeHint().width() <= button->width() ? room : 0;
        }
        if (!caption.isEmpty() && !caption.contains(QLatin1Char('\n')) &&
            child->fontMetrics().horizontalAdvance(caption) > room)
            faults.append(child->objectName() + QLatin1String(" cut"));
        if (!area.adjusted(-1, -1, 1, 1).contains(child->geometry()))
            faults.append(child->objectName() + QLatin1String(" outside"));
    }
    return faults;
}

} // namespace quillon
