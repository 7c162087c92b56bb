#include "hyperlink_label.h"

#include "platform.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace quillon {

namespace {

// A plain label would be read as static text, which gives no hint that it can be pressed.
class HyperlinkAccessible final : public QAccessibleWidget {
public:
    explicit HyperlinkAccessible(HyperlinkLabel *label)
        : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override {
        if (action == pressAction())
            label()->open();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    HyperlinkLabel *label() const { return static_cast<HyperlinkLabel *>(widget()); }
};

QAccessibleInterface *hyperlinkAccessible(const QString & /*className*/, QObject *object) {
    auto *label = qobject_cast<HyperlinkLabel *>(object);
    return label ? new HyperlinkAccessible(label) : nullptr;
}

} // namespace

HyperlinkLabel::HyperlinkLabel(Platform &platform, const QString &caption, const QUrl &address,
                               QWidget *parent)
    : QLabel(caption, parent)
    , m_platform(platform)
    , m_address(address) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(address.toString());
    static const bool accessibleAsLink = [] {
        QAccessible::installFactory(hyperlinkAccessible);
        return true;
    }();
    Q_UNUSED(accessibleAsLink);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        open();
    QLabel::mouseReleaseEvent(event);
}

void HyperlinkLabel::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        open();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void HyperlinkLabel::open() {
    m_platform.openWithDesktop(m_address);
}

} // namespace quillon
