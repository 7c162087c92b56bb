#pragma once

#include "fake_platform.h"
#include "look_and_feel.h"
#include "main_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace quillon {

// Set once by every window test: the program's look, and an English (Australia) locale so that
// amounts are read and shown as "1,234.56" whatever the machine's locale.
inline void prepareWindowTests() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::Australia));
    applyLookAndFeel(*qApp);
}

// A main window on a scripted platform, started as the program starts it.
struct MainWindowFixture {
    FakePlatform platform;
    std::unique_ptr<MainWindow> window;

    void start() {
        window = std::make_unique<MainWindow>(platform);
        QVERIFY(window->load());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T = QWidget> T *find(const char *name) const {
        T *widget = window->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no control named %s", name);
        return widget;
    }

    QString caption(const char *label) const { return find<QLabel>(label)->text(); }

    void type(const char *box, const QString &text) {
        auto *edit = find<QLineEdit>(box);
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    void click(const char *button) {
        QTest::mouseClick(find<QAbstractButton>(button), Qt::LeftButton);
    }
};

} // namespace quillon
