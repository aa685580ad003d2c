// The lock that keeps a second program off the player's files: one holder at a time, the lock of
// a holder that died taken over, and the holder brought forward by a later start.
#include "base/ProgramLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

TEST(ProgramLock, OneHolderAtATimeAndTheLockOfADeadHolderIsTakenOver) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral(".quintara.lock"));
    {
        ProgramLock first(path);
        EXPECT_EQ(first.state(), ProgramLock::State::Held);
        ProgramLock second(path);
        EXPECT_EQ(second.state(), ProgramLock::State::HeldElsewhere);
        EXPECT_EQ(second.holderPid(), static_cast<qint64>(::getpid()));
    }
    // Released at the end of the run.
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(ProgramLock(path).state(), ProgramLock::State::Held);

    // A holder that is killed leaves its lock file behind; the next start takes it over.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile lock(path);
        lock.setStaleLockTime(0);
        _exit(lock.tryLock(0) ? 0 : 1); // no unlock: as if killed
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(path));
    ProgramLock after(path);
    EXPECT_EQ(after.state(), ProgramLock::State::Held);
    EXPECT_EQ(ProgramLock(path).state(), ProgramLock::State::HeldElsewhere);

    // Where no lock file can be made nothing is held, and nothing is claimed to be.
    EXPECT_EQ(ProgramLock(dir.filePath(QStringLiteral("fehlt/.quintara.lock"))).state(),
              ProgramLock::State::Unavailable);
}

// A later start asks the holder to show its window and hears that it did; a holder that does not
// listen gives no answer, and only a start that found the lock held asks at all.
TEST(ProgramLock, TheHolderIsAskedToShowItsWindow) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral(".quintara.lock"));
    ProgramLock holder(path);
    ASSERT_EQ(holder.state(), ProgramLock::State::Held);
    EXPECT_FALSE(holder.askHolderToShow(100));

    ProgramLock later(path);
    ASSERT_EQ(later.state(), ProgramLock::State::HeldElsewhere);
    EXPECT_FALSE(later.askHolderToShow(500)); // not listening yet

    ASSERT_TRUE(holder.listen());
    int requests = 0;
    QObject::connect(&holder, &ProgramLock::showRequested, [&requests] { ++requests; });
    for (int round = 0; round < 2; ++round) {
        // The asking start waits for the answer; the holder's events run meanwhile.
        std::atomic<int> answered{-1};
        std::thread asker([&] { answered = later.askHolderToShow(10000) ? 1 : 0; });
        QElapsedTimer clock;
        clock.start();
        while (answered < 0 && clock.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        asker.join();
        EXPECT_EQ(answered, 1);
        EXPECT_EQ(requests, round + 1);
    }
}
