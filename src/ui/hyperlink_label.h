#pragma once

#include <QLabel>
#include <QUrl>

namespace quillon {

class Platform;

// An underlined caption that opens its address with the desktop's handler when clicked, or when
// Space or Enter is pressed while it has the focus. Screen readers see it as a link that can be
// pressed.
class HyperlinkLabel final : public QLabel {
    Q_OBJECT
public:
    HyperlinkLabel(Platform &platform, const QString &caption, const QUrl &address,
                   QWidget *parent = nullptr);

    QUrl address() const { return m_address; }
    // Hands the address to the desktop, as a click does.
    void open();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Platform &m_platform;
    QUrl m_address;
};

} // namespace quillon
