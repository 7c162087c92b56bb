#include "tab_control.h"

#include <QKeySequence>
#include <QPainter>
#include <QShortcut>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace quillon {

namespace {

class EqualTabBar final : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int) const override {
        return QSize(count() > 0 ? width() / count() : width(), TabControl::kTabRowHeight);
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

} // namespace

TabControl::TabControl(QWidget *parent)
    : QWidget(parent)
    , m_tabBar(new EqualTabBar(this)) {
    m_tabBar->setDrawBase(false);
    m_tabBar->setExpanding(false);
    m_tabBar->setUsesScrollButtons(false);
    m_tabBar->setElideMode(Qt::ElideNone);
    connect(m_tabBar, &QTabBar::currentChanged, this, &TabControl::showPage);
    // Ctrl+Tab and Ctrl+Shift+Tab step through the pages from anywhere in the window, round
    // from the last to the first, as in the system's own tab controls.
    auto *next = new QShortcut(QKeySequence::NextChild, this);
    connect(next, &QShortcut::activated, this, [this] { stepPage(1); });
    auto *previous = new QShortcut(this);
    // The desktop's X server may report Ctrl+Shift+Tab as Tab with both modifiers rather than
    // as the back tab the standard binding names.
    previous->setKeys(QKeySequence::keyBindings(QKeySequence::PreviousChild) +
                      QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
    connect(previous, &QShortcut::activated, this, [this] { stepPage(-1); });
}

QWidget *TabControl::addPage(const QString &caption) {
    auto *page = new QWidget(this);
    page->setGeometry(rect());
    m_pages.append(page);
    m_tabBar->addTab(caption);
    m_tabBar->raise();
    showPage(m_tabBar->currentIndex());
    return page;
}

int TabControl::currentIndex() const {
    return m_tabBar->currentIndex();
}

void TabControl::setCurrentIndex(int index) {
    m_tabBar->setCurrentIndex(index);
}

void TabControl::stepPage(int step) {
    const int count = m_tabBar->count();
    if (count > 0)
        m_tabBar->setCurrentIndex((m_tabBar->currentIndex() + step + count) % count);
}

void TabControl::showPage(int index) {
    for (int i = 0; i < m_pages.size(); ++i)
        m_pages.at(i)->setVisible(i == index);
}

void TabControl::resizeEvent(QResizeEvent *) {
    m_tabBar->setGeometry(0, 0, width(), kTabRowHeight);
    for (QWidget *page : std::as_const(m_pages))
        page->setGeometry(rect());
}

void TabControl::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, kTabRowHeight - 1, 0, 0);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = QSize(width(), kTabRowHeight);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
    // The pages are in the button-face colour, like the labels placed on them.
    painter.fillRect(frame.rect.adjusted(1, 1, -2, -2), palette().color(QPalette::Window));
}

} // namespace quillon
