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

// An English (Australia) locale, so that amounts are read and shown as "1,234.56" whatever the
// machine's locale.
inline void useTestLocale() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::Australia));
}

// Set once by every window test: the program's look and the test locale.
inline void prepareWindowTests() {
    useTestLocale();
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

// Base of the main window's test classes: the program's look once, the test locale before every
// test function, and, unless a class starts its own windows, a fresh main window started for every
// test function in `m_fixture`. A class that needs more in init() or cleanup() declares its own and
// calls these first.
class MainWindowTest : public QObject {
    Q_OBJECT
public:
    enum class Window { StartedForEachTest, StartedByTheTests };

    explicit MainWindowTest(Window window = Window::StartedForEachTest)
        : m_window(window) {}

protected Q_SLOTS:
    void initTestCase() { applyLookAndFeel(*qApp); }
    void init() {
        useTestLocale();
        if (m_window == Window::StartedForEachTest) {
            m_fixture = std::make_unique<MainWindowFixture>();
            m_fixture->start();
        }
    }
    void cleanup() { m_fixture.reset(); }

protected:
    std::unique_ptr<MainWindowFixture> m_fixture;

private:
    Window m_window;
};

} // namespace quillon
