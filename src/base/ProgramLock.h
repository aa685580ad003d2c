#pragma once
// One program per set of files: a lock file (QLockFile) held for the program's whole run. A
// second program on the same files finds it held and opens nothing that writes; the lock of a
// holder that is gone (killed, crashed) is taken over. The holder can also be asked, through a
// local socket that answers the current user only, to bring its window forward.
#include "base/UniqueFd.h"

#include <QLockFile>
#include <QObject>
#include <QString>

class QSocketNotifier;

class ProgramLock : public QObject {
    Q_OBJECT
public:
    enum class State {
        Held,          // this program holds the lock
        HeldElsewhere, // a running program holds it
        Unavailable,   // no lock file can be made (a directory that is missing or read-only)
    };

    // Tries once to take the lock of lockFilePath.
    explicit ProgramLock(const QString& lockFilePath, QObject* parent = nullptr);
    ~ProgramLock() override;

    State state() const { return m_state; }
    // The process that holds the lock (HeldElsewhere), 0 when it cannot be told.
    qint64 holderPid() const;

    // Held: answers later starts that ask for the window (showRequested). False when the
    // socket cannot be opened; the lock holds all the same.
    bool listen();
    // HeldElsewhere: asks the holder to show its window and waits at most timeoutMs for its
    // answer. True when it answered.
    bool askHolderToShow(int timeoutMs) const;

signals:
    void showRequested();

private:
    QByteArray socketName() const;
    void answerRequests();

    QString m_path;
    QLockFile m_lock;
    State m_state = State::Unavailable;
    UniqueFd m_listening;
    QSocketNotifier* m_notifier = nullptr;
};
