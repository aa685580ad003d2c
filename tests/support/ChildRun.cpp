#include "support/ChildRun.h"

#include "base/Errors.h"

#include <QByteArray>
#include <sys/wait.h>
#include <unistd.h>

ChildOutcome runInChild(const std::function<bool()>& prepare, const std::function<void()>& work) {
    int fds[2];
    if (::pipe(fds) != 0) return {};
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return {};
    }
    if (child == 0) {
        ::close(fds[0]);
        QByteArray out = "O";
        if (prepare()) {
            try {
                work();
                out = "S";
            } catch (const FileError& e) {
                out = "F" + e.message().toUtf8();
            } catch (...) {
            }
        }
        [[maybe_unused]] auto n = ::write(fds[1], out.constData(), static_cast<size_t>(out.size()));
        ::close(fds[1]);
        _exit(0);
    }
    ::close(fds[1]);
    QByteArray received;
    char buffer[512];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) received.append(buffer, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ChildOutcome o;
    if (!WIFEXITED(status) || received.isEmpty()) return o;
    o.kind = received[0] == 'S'   ? ChildOutcome::Succeeded
             : received[0] == 'F' ? ChildOutcome::FileFailure
                                  : ChildOutcome::OtherFailure;
    o.message = QString::fromUtf8(received.mid(1));
    return o;
}
