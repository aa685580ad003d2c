// Linked into a program to measure its start-up: when the first top-level window has been
// shown and its first paint delivered, the program quits. The start-up benchmark times the
// whole process, from exec to exit.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstShown : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_done && event->type() == QEvent::Paint) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && w->isWindow()) {
                m_done = true;
                // After the paint event has been handled.
                QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            }
        }
        return false;
    }

private:
    bool m_done = false;
};

void installProbe() {
    qApp->installEventFilter(new FirstShown);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
