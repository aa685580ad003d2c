#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>

// The event passes of a long run on the window's thread (a generation run, the historic
// analysis, the tip test): pending input, timers and repaints are handled at most every
// IntervalMs, so the run shows its progress and its stop button answers, without the window
// being painted for every step of the run.
class EventPulse {
public:
    static constexpr qint64 IntervalMs = 30;

    // The first pass is due after one interval, or at once (a run that shows where it is from
    // its first step on).
    enum class First { AfterInterval, AtOnce };
    explicit EventPulse(First first = First::AfterInterval) {
        if (first == First::AfterInterval) m_clock.start();
    }

    // The interval since the start or the last pass is over.
    bool due() const { return !m_clock.isValid() || m_clock.elapsed() >= IntervalMs; }
    // Handles the pending events now (painting what changed) and starts the next interval.
    void pass() {
        QCoreApplication::processEvents();
        m_clock.start();
    }

private:
    QElapsedTimer m_clock; // not started while the first pass is due at once
};
