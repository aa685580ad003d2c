// Linked into a program to measure its start-up: when the first top-level window has been
// shown and its first paint delivered, the program notes the moment and quits. The moment
// (steady clock, nanoseconds) goes to the file descriptor named by QUINTARA_STARTUP_FD when
// the start-up benchmark gives one; the benchmark also times the whole process, exit included.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

class FirstShown : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_done && event->type() == QEvent::Paint) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && w->isWindow()) {
                m_done = true;
                noteFirstPaint();
                // After the paint event has been handled.
                QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            }
        }
        return false;
    }

private:
    static void noteFirstPaint() {
        const char* fd = std::getenv("QUINTARA_STARTUP_FD");
        if (!fd) return;
        const std::int64_t now =
            std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
                .count();
        if (::write(std::atoi(fd), &now, sizeof now) != static_cast<ssize_t>(sizeof now)) std::abort();
    }

    bool m_done = false;
};

void installProbe() {
    qApp->installEventFilter(new FirstShown);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
