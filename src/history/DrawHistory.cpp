#include "history/DrawHistory.h"
#include "base/Lotto.h"
#include "base/UniqueFd.h"

#include "base/Errors.h"
#include "base/SafeFile.h"

#include <QFileInfo>
#include <algorithm>
#include <set>
#include <bit>
#include <cmath>
#include <cstddef>
#include <type_traits>
#include <limits>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>

namespace {

using Fd = UniqueFd;

// True where a record in memory is byte for byte its 32 bytes in the file (a little-endian
// machine with IEEE doubles): a whole file may then be read straight into an array of records.
constexpr bool RecordsMatchFileLayout =
    std::endian::native == std::endian::little && std::numeric_limits<double>::is_iec559 &&
    std::is_trivially_copyable_v<DrawRecord> && std::is_standard_layout_v<DrawRecord> &&
    sizeof(DrawRecord) == DrawRecord::Size && offsetof(DrawRecord, numbers) == 8 &&
    offsetof(DrawRecord, additional) == 14 && offsetof(DrawRecord, eighth) == 15 &&
    offsetof(DrawRecord, reserved) == 16;

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

int openOrThrow(const QString& path, int flags, mode_t mode = 0644) {
    int fd;
    do {
        fd = ::open(nativePath(path).constData(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) throw openError(path, errno);
    return fd;
}

// Every reader opens the history here: a regular file (a pipe in its place would stall the
// start) no larger than any history can be.
Fd openHistory(const QString& path, qint64* size = nullptr) {
    return SafeFile::openForReading(path, O_RDONLY, DrawHistory::MaxFileBytes, size);
}

qint64 sizeOf(int fd, const QString& path) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) throw readError(path, errno);
    if (S_ISDIR(st.st_mode)) throw openError(path, EISDIR);
    return static_cast<qint64>(st.st_size);
}

// Reads exactly n bytes at offset; fewer only at the end of the file.
qint64 readAt(int fd, unsigned char* buffer, qint64 n, qint64 offset, const QString& path) {
    qint64 done = 0;
    while (done < n) {
        const ssize_t got = ::pread(fd, buffer + done, static_cast<size_t>(n - done), offset + done);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw readError(path, errno);
        }
        if (got == 0) break;
        done += got;
    }
    return done;
}

void writeAllAt(int fd, const unsigned char* buffer, qint64 n, qint64 offset, const QString& path) {
    qint64 done = 0;
    while (done < n) {
        const ssize_t put = ::pwrite(fd, buffer + done, static_cast<size_t>(n - done), offset + done);
        if (put < 0) {
            if (errno == EINTR) continue;
            throw writeError(path, errno);
        }
        done += put;
    }
}

} // namespace

DrawHistory::DrawHistory(QString filePath) : m_path(std::move(filePath)) {}

QString DrawHistory::insertTempPath() const {
    return m_path + QLatin1Char('~');
}

QString DrawHistory::removeTempPath() const {
    return QFileInfo(m_path).absolutePath() + QStringLiteral("/Zahlen.da~");
}

bool DrawHistory::exists() const {
    QFileInfo info(m_path);
    return info.exists() && !info.isDir();
}

qint64 DrawHistory::recordCount() const {
    qint64 size = 0;
    const Fd fd = openHistory(m_path, &size);
    return size / DrawRecord::Size;
}

namespace {

// Decodes the first count records of an open history file block by block, handing each to
// visit(record, index) until it returns false; a file that shrank meanwhile ends early.
template <class Visit>
void decodeRecords(int fd, const QString& path, qint64 count, qint64 blockRecords, Visit&& visit) {
    std::vector<unsigned char> block(static_cast<size_t>(std::min(blockRecords, count)) * DrawRecord::Size);
    qint64 index = 0;
    while (index < count) {
        const qint64 want = std::min<qint64>(blockRecords, count - index);
        const qint64 got =
            readAt(fd, block.data(), want * DrawRecord::Size, index * DrawRecord::Size, path) / DrawRecord::Size;
        if (got == 0) break; // the file shrank under us
        for (qint64 i = 0; i < got; ++i, ++index) {
            if (!visit(DrawRecord::fromBytes(block.data() + i * DrawRecord::Size), index)) return;
        }
    }
}

} // namespace

void DrawHistory::scanRecords(const std::function<bool(const DrawRecord&, qint64)>& visit) const {
    qint64 size = 0;
    const Fd fd = openHistory(m_path, &size);
    decodeRecords(fd.get(), m_path, size / DrawRecord::Size, BlockRecords, visit);
}

std::vector<DrawRecord> DrawHistory::readAll() const {
    return read().records;
}

DrawHistory::Reading DrawHistory::read() const {
    const Fd fd = openHistory(m_path);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) throw readError(m_path, errno);
    if (S_ISDIR(st.st_mode)) throw openError(m_path, EISDIR);
    Reading reading;
    reading.before = FileStamp::of(st);

    const qint64 count = static_cast<qint64>(st.st_size) / DrawRecord::Size;
    if constexpr (RecordsMatchFileLayout) {
        // The records are the file's bytes: one read straight into them (about 110 KB for 35
        // years), no second buffer.
        reading.records.resize(static_cast<size_t>(count));
        const qint64 got = readAt(fd.get(), reinterpret_cast<unsigned char*>(reading.records.data()),
                                  count * DrawRecord::Size, 0, m_path) /
                           DrawRecord::Size;
        reading.records.resize(static_cast<size_t>(got)); // the file shrank under us
    } else {
        reading.records.reserve(static_cast<size_t>(count));
        decodeRecords(fd.get(), m_path, count, 64 * 1024, [&reading](const DrawRecord& r, qint64) {
            reading.records.push_back(r);
            return true;
        });
    }

    if (::fstat(fd.get(), &st) != 0) throw readError(m_path, errno);
    reading.after = FileStamp::of(st);
    return reading;
}

std::optional<DrawRecord> DrawHistory::lastRecord() const {
    qint64 size = 0;
    const Fd fd = openHistory(m_path, &size);
    const qint64 count = size / DrawRecord::Size;
    if (count == 0) return std::nullopt;
    unsigned char bytes[DrawRecord::Size];
    if (readAt(fd.get(), bytes, DrawRecord::Size, (count - 1) * DrawRecord::Size, m_path) != DrawRecord::Size)
        return std::nullopt;
    return DrawRecord::fromBytes(bytes);
}

std::optional<DrawHistory::Position> DrawHistory::recordAt(qint64 index) const {
    qint64 size = 0;
    const Fd fd = openHistory(m_path, &size);
    const qint64 count = size / DrawRecord::Size;
    if (count == 0) return std::nullopt;
    const qint64 at = std::clamp<qint64>(index, 0, count - 1);
    unsigned char bytes[DrawRecord::Size];
    if (readAt(fd.get(), bytes, DrawRecord::Size, at * DrawRecord::Size, m_path) != DrawRecord::Size)
        return std::nullopt;
    return Position{DrawRecord::fromBytes(bytes), at + 1};
}

void DrawHistory::append(const DrawRecord& record) {
    HistoryAppender appender(m_path);
    appender.append(record);
    appender.close();
}

void DrawHistory::rewrite(const QString& tempPath, const std::vector<DrawRecord>& records) const {
    QByteArray bytes(static_cast<qsizetype>(records.size() * DrawRecord::Size), Qt::Uninitialized);
    for (size_t i = 0; i < records.size(); ++i)
        records[i].toBytes(reinterpret_cast<unsigned char*>(bytes.data()) + i * DrawRecord::Size);
    // A failure on the replacement file names only that file, which the player never sees;
    // say which history it was for and that the history itself is unchanged. A read-only
    // history is refused like an append to it, and the replacement keeps its mode and owner.
    SafeFile::ReplaceOptions options;
    options.tempPath = tempPath;
    options.failureNote =
        QCoreApplication::translate("DrawHistory", "Die Ziehungen in \"%1\" bleiben unverändert.").arg(m_path);
    SafeFile::replace(m_path, bytes, options);
    OwnWrites::noteWritten(m_path);
}

std::optional<DrawRecord> DrawHistory::insertOrReplace(const DrawRecord& record) {
    const std::vector<DrawRecord> old = readAll();
    std::vector<DrawRecord> result;
    result.reserve(old.size() + 1);
    bool pending = true;
    for (const DrawRecord& r : old) {
        if (r.date >= record.date && pending) {
            result.push_back(record);
            pending = false;
        }
        if (r.date != record.date) result.push_back(r);
    }
    // Never reached by the entry, which appends newer draws; kept so no draw is ever dropped.
    if (pending) result.push_back(record);
    rewrite(insertTempPath(), result);
    return lastRecord();
}

int DrawHistory::insertMissing(const std::vector<DrawRecord>& records) {
    std::vector<DrawRecord> result = readAll();
    std::set<double> dates;
    for (const DrawRecord& r : result) dates.insert(r.date);
    int added = 0;
    for (const DrawRecord& r : records)
        if (dates.insert(r.date).second) {
            result.push_back(r);
            ++added;
        }
    if (added == 0) return 0;
    std::stable_sort(result.begin(), result.end(),
                     [](const DrawRecord& a, const DrawRecord& b) { return a.date < b.date; });
    rewrite(insertTempPath(), result);
    return added;
}

void DrawHistory::removeDate(double date) {
    const std::vector<DrawRecord> old = readAll();
    std::vector<DrawRecord> result;
    result.reserve(old.size());
    for (const DrawRecord& r : old)
        if (r.date != date) result.push_back(r);
    rewrite(removeTempPath(), result);
}

bool DrawHistory::plausible(const DrawRecord& r) {
    if (!std::isfinite(r.date) || r.date < FirstDay || r.date >= EndDay || r.date != std::floor(r.date)) return false;
    std::uint64_t seen = 0;
    for (std::uint8_t n : r.numbers) {
        if (n < 1 || n > Lotto::HighestNumber || (seen & (std::uint64_t(1) << n))) return false;
        seen |= std::uint64_t(1) << n;
    }
    return r.additional <= Lotto::HighestNumber;
}

DrawHistory::Damage DrawHistory::inspect() const {
    return inspect(read());
}

DrawHistory::Damage DrawHistory::inspect(const Reading& reading) {
    return inspect(reading.records, static_cast<qint64>(reading.before.size) % DrawRecord::Size);
}

DrawHistory::Damage DrawHistory::inspect(const std::vector<DrawRecord>& records, qint64 trailingBytes) {
    Damage d;
    d.records = static_cast<qint64>(records.size());
    d.trailingBytes = trailingBytes;
    double last = -std::numeric_limits<double>::infinity();
    for (std::size_t index = 0; index < records.size(); ++index) {
        const DrawRecord& r = records[index];
        if (plausible(r) && r.date > last) {
            last = r.date;
        } else {
            ++d.damaged;
            if (d.firstDamaged < 0) d.firstDamaged = static_cast<qint64>(index);
        }
    }
    if (d.trailingBytes > 0 && d.firstDamaged < 0) d.firstDamaged = d.records;
    if (d.damaged == 0) {
        // Every record a draw, dates strictly ascending: all of them are the sound draws.
        d.good = records;
        return d;
    }
    std::vector<DrawRecord> sound;
    sound.reserve(records.size());
    for (const DrawRecord& r : records)
        if (plausible(r)) sound.push_back(r);
    // Date order; of several records of one date the first in the file stays.
    std::stable_sort(sound.begin(), sound.end(),
                     [](const DrawRecord& a, const DrawRecord& b) { return a.date < b.date; });
    for (const DrawRecord& r : sound)
        if (d.good.empty() || d.good.back().date != r.date) d.good.push_back(r);
    return d;
}

void DrawHistory::repair(const QString& backupPath) const {
    const Damage d = inspect();
    QByteArray old;
    {
        qint64 size = 0;
        const Fd fd = openHistory(m_path, &size);
        old.resize(static_cast<qsizetype>(size));
        old.resize(static_cast<qsizetype>(
            readAt(fd.get(), reinterpret_cast<unsigned char*>(old.data()), size, 0, m_path)));
    }
    SafeFile::ReplaceOptions backup;
    backup.failureNote =
        QCoreApplication::translate("DrawHistory", "Die Ziehungen in \"%1\" bleiben unverändert.").arg(m_path);
    SafeFile::replace(backupPath, old, backup);
    rewrite(insertTempPath(), d.good);
}

void DrawHistory::replaceAll(const std::vector<DrawRecord>& records) {
    rewrite(insertTempPath(), records);
}

HistoryAppender::HistoryAppender(const QString& filePath) : m_path(filePath) {
    // A history created here is only safe from a power cut once its directory is synced too.
    // Without O_NONBLOCK a pipe in the history's place would hold the open until a reader came.
    m_fd = ::open(nativePath(m_path).constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0 && errno == ENOENT) {
        m_fd = openOrThrow(m_path, O_RDWR | O_CREAT | O_EXCL, 0644);
        try {
            SafeFile::syncDirectoryOf(m_path);
        } catch (...) {
            ::close(m_fd);
            m_fd = -1;
            throw;
        }
    } else if (m_fd < 0) {
        throw openError(m_path, errno);
    }
    try {
        const qint64 size = SafeFile::requireRegularFile(m_fd, m_path, DrawHistory::MaxFileBytes);
        m_count = size / DrawRecord::Size;
        if (size == 0) OwnWrites::noteWritten(m_fd); // perhaps created just now
        if (m_count > 0) {
            unsigned char bytes[DrawRecord::Size];
            if (readAt(m_fd, bytes, DrawRecord::Size, (m_count - 1) * DrawRecord::Size, m_path) ==
                DrawRecord::Size)
                m_last = DrawRecord::fromBytes(bytes);
        }
    } catch (...) {
        ::close(m_fd);
        m_fd = -1;
        throw;
    }
}

HistoryAppender::~HistoryAppender() {
    close();
}

void HistoryAppender::append(const DrawRecord& record) {
    if (m_fd < 0) throw writeError(m_path, EBADF);
    // At the file's real end now (over a cut-off record), not where it ended when opened.
    m_count = sizeOf(m_fd, m_path) / DrawRecord::Size;
    const auto bytes = record.toBytes();
    writeAllAt(m_fd, bytes.data(), DrawRecord::Size, m_count * DrawRecord::Size, m_path);
    if (::fdatasync(m_fd) != 0 && errno != EINVAL) throw writeError(m_path, errno);
    OwnWrites::noteWritten(m_fd);
    ++m_count;
    m_last = record;
}

void HistoryAppender::close() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}
