#include "stats/HistorySnapshot.h"

#include "base/Errors.h"
#include "history/DrawHistory.h"
#include "stats/Statistics.h"

#include <QFile>
#include <algorithm>
#include <bit>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <memory>
#include <unistd.h>

namespace {

std::chrono::nanoseconds sinceEpoch(const timespec& t) {
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

// The clock the file system stamps its times from.
std::chrono::nanoseconds wallClockNow() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return sinceEpoch(now);
}

class FdGuard {
public:
    explicit FdGuard(int fd) : m_fd(fd) {}
    ~FdGuard() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

std::pair<std::size_t, std::size_t> HistoryRecords::candidates(double start, double end) const {
    if (!ascending) return {0, dates.size()};
    const auto first = std::upper_bound(dates.begin(), dates.end(), start);
    const auto last = std::upper_bound(first, dates.end(), end);
    return {static_cast<std::size_t>(first - dates.begin()), static_cast<std::size_t>(last - dates.begin())};
}

bool HistorySnapshot::Identity::operator==(const Identity& o) const {
    return device == o.device && inode == o.inode && size == o.size && modified.tv_sec == o.modified.tv_sec &&
           modified.tv_nsec == o.modified.tv_nsec && changed.tv_sec == o.changed.tv_sec &&
           changed.tv_nsec == o.changed.tv_nsec;
}

HistorySnapshot::Identity HistorySnapshot::identityOf(const struct stat& st) {
    Identity id;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = st.st_size;
    id.modified = st.st_mtim;
    id.changed = st.st_ctim;
    return id;
}

HistorySnapshot::HistorySnapshot(QString path, std::chrono::nanoseconds settleTime)
    : m_path(std::move(path)), m_nativePath(QFile::encodeName(m_path)), m_settle(settleTime) {}

const HistoryRecords& HistorySnapshot::records() {
    struct stat st {};
    if (::stat(m_nativePath.constData(), &st) != 0) {
        const int error = errno;
        m_valid = false;
        m_data = {};
        throw openError(m_path, error);
    }
    if (!(m_valid && m_settled && identityOf(st) == m_identity)) load();
    return m_data;
}

void HistorySnapshot::load() {
    m_valid = false;
    // Taken before the file is looked at: a change after this moment is stamped no earlier
    // than one clock tick before it.
    const std::chrono::nanoseconds readingStarted = wallClockNow();

    int raw;
    do {
        raw = ::open(m_nativePath.constData(), O_RDONLY | O_CLOEXEC);
    } while (raw < 0 && errno == EINTR);
    if (raw < 0) throw openError(m_path, errno);
    FdGuard fd(raw);

    struct stat before {};
    if (::fstat(fd.get(), &before) != 0) throw readError(m_path, errno);
    if (S_ISDIR(before.st_mode)) throw openError(m_path, EISDIR);

    const std::size_t count = static_cast<std::size_t>(before.st_size) / DrawRecord::Size;
    HistoryRecords data;
    data.records.reserve(count);
    std::vector<unsigned char> block(static_cast<std::size_t>(DrawHistory::BlockRecords) * DrawRecord::Size);
    std::size_t index = 0;
    while (index < count) {
        const std::size_t want =
            std::min<std::size_t>(DrawHistory::BlockRecords, count - index) * DrawRecord::Size;
        std::size_t got = 0;
        while (got < want) {
            const ssize_t n = ::pread(fd.get(), block.data() + got, want - got,
                                      static_cast<off_t>(index * DrawRecord::Size + got));
            if (n < 0) {
                if (errno == EINTR) continue;
                throw readError(m_path, errno);
            }
            if (n == 0) break;
            got += static_cast<std::size_t>(n);
        }
        const std::size_t whole = got / DrawRecord::Size;
        for (std::size_t i = 0; i < whole; ++i)
            data.records.push_back(DrawRecord::fromBytes(block.data() + i * DrawRecord::Size));
        index += whole;
        if (got < want) break; // the file shrank while being read
    }

    data.dates.reserve(data.records.size());
    data.winningMasks.reserve(data.records.size());
    for (const DrawRecord& r : data.records) {
        // NaN dates fail the comparison too, and so fall back to testing every record.
        if (!data.dates.empty() && !(data.dates.back() < r.date)) data.ascending = false;
        data.dates.push_back(r.date);
        const std::uint64_t mask = Statistics::winningMask(r);
        if (std::popcount(mask) != 6) data.masksExact = false;
        data.winningMasks.push_back(mask);
    }

    struct stat after {};
    if (::fstat(fd.get(), &after) != 0) throw readError(m_path, errno);

    m_data = std::move(data);
    m_identity = identityOf(before);
    m_valid = true;
    ++m_loads;
    // Changed during the reading, or too recently to tell a further change apart by its
    // time stamp: do not answer the next call from this reading.
    const bool quietSince = identityOf(after) == m_identity;
    m_settled = quietSince && sinceEpoch(before.st_ctim) + m_settle <= readingStarted;
}

HistorySnapshot& HistorySnapshot::of(const QString& path) {
    thread_local std::map<QString, std::unique_ptr<HistorySnapshot>> snapshots;
    auto& slot = snapshots[path];
    if (!slot) slot = std::make_unique<HistorySnapshot>(path);
    return *slot;
}
