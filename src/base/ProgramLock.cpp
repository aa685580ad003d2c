#include "base/ProgramLock.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QByteArray kShowRequest = "show\n";
const QByteArray kShowAnswer = "shown\n";

// A socket that op (bind or connect) has tied to the abstract address name, closed when op
// fails. An abstract address (a name that starts with a NUL byte) leaves no file behind and is
// gone with the process that listens on it.
UniqueFd socketAt(const QByteArray& name, int (*op)(int, const sockaddr*, socklen_t)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t n = std::min(static_cast<std::size_t>(name.size()), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, name.constData(), n);
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + n);
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.get() >= 0 && op(fd.get(), reinterpret_cast<const sockaddr*>(&address), length) != 0) fd.reset();
    return fd;
}

// Anyone on the machine may reach an abstract socket: only the same user counts.
bool peerIsThisUser(int fd) {
    ucred peer{};
    socklen_t length = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && peer.uid == ::geteuid();
}

QByteArray readShortLine(int fd, int timeoutMs) {
    pollfd ready{fd, POLLIN, 0};
    int got;
    do {
        got = ::poll(&ready, 1, std::max(0, timeoutMs));
    } while (got < 0 && errno == EINTR);
    if (got != 1) return {};
    char buffer[16];
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
    return n > 0 ? QByteArray(buffer, static_cast<qsizetype>(n)) : QByteArray();
}

} // namespace

ProgramLock::ProgramLock(const QString& lockFilePath, QObject* parent)
    : QObject(parent), m_path(QFileInfo(lockFilePath).absoluteFilePath()), m_lock(m_path) {
    // Held for the whole run, however long: only a holder that no longer runs loses it.
    m_lock.setStaleLockTime(0);
    if (m_lock.tryLock(0))
        m_state = State::Held;
    else if (m_lock.error() == QLockFile::LockFailedError)
        m_state = State::HeldElsewhere;
    else
        m_state = State::Unavailable;
}

ProgramLock::~ProgramLock() {
    // The notifier goes before its socket; the lock file lets go of the lock it holds.
    delete m_notifier;
}

qint64 ProgramLock::holderPid() const {
    qint64 pid = 0;
    return m_lock.getLockInfo(&pid, nullptr, nullptr) ? pid : 0;
}

QByteArray ProgramLock::socketName() const {
    // One per user and lock file.
    return "quintara-" + QByteArray::number(::geteuid()) + '-' +
           QCryptographicHash::hash(QFile::encodeName(m_path), QCryptographicHash::Sha1).toHex();
}

bool ProgramLock::listen() {
    if (m_state != State::Held) return false;
    if (m_notifier) return true;
    UniqueFd fd = socketAt(socketName(), ::bind);
    if (fd.get() < 0 || ::listen(fd.get(), 4) != 0) return false;
    m_listening = std::move(fd);
    m_notifier = new QSocketNotifier(m_listening.get(), QSocketNotifier::Read);
    connect(m_notifier, &QSocketNotifier::activated, this, &ProgramLock::answerRequests);
    return true;
}

void ProgramLock::answerRequests() {
    for (;;) {
        const UniqueFd client(::accept4(m_listening.get(), nullptr, nullptr, SOCK_CLOEXEC));
        if (client.get() < 0) return; // none waiting
        if (!peerIsThisUser(client.get())) continue;
        // The request comes at once with the connection; a client that sends nothing is not
        // waited for long.
        if (readShortLine(client.get(), 1000) != kShowRequest) continue;
        [[maybe_unused]] const ssize_t sent =
            ::send(client.get(), kShowAnswer.constData(), static_cast<size_t>(kShowAnswer.size()), MSG_NOSIGNAL);
        emit showRequested();
    }
}

bool ProgramLock::askHolderToShow(int timeoutMs) const {
    if (m_state != State::HeldElsewhere) return false;
    const UniqueFd fd = socketAt(socketName(), ::connect);
    if (fd.get() < 0 || !peerIsThisUser(fd.get())) return false;
    if (::send(fd.get(), kShowRequest.constData(), static_cast<size_t>(kShowRequest.size()), MSG_NOSIGNAL) !=
        kShowRequest.size())
        return false;
    return readShortLine(fd.get(), timeoutMs) == kShowAnswer;
}
