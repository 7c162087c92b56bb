#include "hyperlink_label.h"

#include "platform.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace quillon {

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
