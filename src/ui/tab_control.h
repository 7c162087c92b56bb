#pragma once

#include <QWidget>

class QTabBar;

namespace quillon {

// A tab control whose pages cover its whole rectangle, tab row included, so that controls are
// placed relative to the control's outer corner. The tab row is 20 px high with tabs of equal
// width; Ctrl+Tab and Ctrl+Shift+Tab switch pages.
class TabControl final : public QWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget *parent = nullptr);

    // A new page behind a tab with `caption`; its children are positioned from the control's
    // top-left corner.
    QWidget *addPage(const QString &caption);

    int currentIndex() const;
    void setCurrentIndex(int index);
    QTabBar *tabBar() const { return m_tabBar; }

    static constexpr int kTabRowHeight = 20;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showPage(int index);
    void stepPage(int step);

    QTabBar *m_tabBar;
    QList<QWidget *> m_pages;
};

} // namespace quillon
