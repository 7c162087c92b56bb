// Preloaded into a Qt Widgets program (LD_PRELOAD), ends it once its window has painted its
// first frame and the work queued before that has run, so that an instruction count under
// valgrind's callgrind covers the start, the first frame and what is drawn just after it, the
// same for every run and for any load of the machine. It stands in for the program's own
// QApplication::exec().
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class QuitAfterFirstFrame final : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !m_quitting) {
            const auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->isWindow()) {
                m_quitting = true;
                // Queued behind the paint and behind what the first show queued.
                QTimer::singleShot(0, [] { QCoreApplication::quit(); });
            }
        }
        return false;
    }

private:
    bool m_quitting = false;
};

} // namespace

int QApplication::exec() {
    QuitAfterFirstFrame filter;
    qApp->installEventFilter(&filter);
    return QCoreApplication::exec();
}
