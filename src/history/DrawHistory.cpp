#include "history/DrawHistory.h"

#include "base/Errors.h"

#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A file descriptor that closes itself.
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    int release() {
        int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    void reset() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd = -1;
};

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

void syncOrThrow(int fd, const QString& path) {
    if (::fsync(fd) != 0 && errno != EINVAL) throw writeError(path, errno);
}

void syncDirectoryOf(const QString& path) {
    const QString dir = QFileInfo(path).absolutePath();
    Fd fd(::open(nativePath(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
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
    Fd fd(openOrThrow(m_path, O_RDONLY));
    return sizeOf(fd.get(), m_path) / DrawRecord::Size;
}

void DrawHistory::scanRecords(const std::function<bool(const DrawRecord&, qint64)>& visit) const {
    Fd fd(openOrThrow(m_path, O_RDONLY));
    const qint64 count = sizeOf(fd.get(), m_path) / DrawRecord::Size;
    std::vector<unsigned char> block(static_cast<size_t>(BlockRecords) * DrawRecord::Size);
    qint64 index = 0;
    while (index < count) {
        const qint64 want = std::min<qint64>(BlockRecords, count - index);
        const qint64 got =
            readAt(fd.get(), block.data(), want * DrawRecord::Size, index * DrawRecord::Size, m_path) /
            DrawRecord::Size;
        if (got == 0) break; // the file shrank under us
        for (qint64 i = 0; i < got; ++i, ++index) {
            if (!visit(DrawRecord::fromBytes(block.data() + i * DrawRecord::Size), index)) return;
        }
    }
}

std::vector<DrawRecord> DrawHistory::readAll() const {
    std::vector<DrawRecord> records;
    scanRecords([&](const DrawRecord& r, qint64) {
        records.push_back(r);
        return true;
    });
    return records;
}

std::optional<DrawRecord> DrawHistory::lastRecord() const {
    Fd fd(openOrThrow(m_path, O_RDONLY));
    const qint64 count = sizeOf(fd.get(), m_path) / DrawRecord::Size;
    if (count == 0) return std::nullopt;
    unsigned char bytes[DrawRecord::Size];
    if (readAt(fd.get(), bytes, DrawRecord::Size, (count - 1) * DrawRecord::Size, m_path) != DrawRecord::Size)
        return std::nullopt;
    return DrawRecord::fromBytes(bytes);
}

std::optional<DrawHistory::Position> DrawHistory::recordAt(qint64 index) const {
    Fd fd(openOrThrow(m_path, O_RDONLY));
    const qint64 count = sizeOf(fd.get(), m_path) / DrawRecord::Size;
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
    std::vector<unsigned char> bytes(records.size() * DrawRecord::Size);
    for (size_t i = 0; i < records.size(); ++i) records[i].toBytes(bytes.data() + i * DrawRecord::Size);

    // Keep the history's permissions on the replacement.
    mode_t mode = 0644;
    struct stat st {};
    if (::stat(nativePath(m_path).constData(), &st) == 0) mode = st.st_mode & 07777;

    // A failure on the replacement file names only that file, which the player never sees;
    // say which history it was for and that the history itself is unchanged.
    const auto forHistory = [&](const FileError& e) {
        if (e.message().contains(m_path)) return e;
        return FileError(e.message() +
                         QStringLiteral(" Die Ziehungen in \"%1\" bleiben unverändert.").arg(m_path));
    };
    int opened = -1;
    try {
        opened = openOrThrow(tempPath, O_WRONLY | O_CREAT | O_TRUNC, mode);
    } catch (const FileError& e) {
        throw forHistory(e);
    }
    Fd fd(opened);
    try {
        writeAllAt(fd.get(), bytes.data(), static_cast<qint64>(bytes.size()), 0, tempPath);
        syncOrThrow(fd.get(), tempPath);
        if (::close(fd.release()) != 0) throw writeError(tempPath, errno);
        if (::rename(nativePath(tempPath).constData(), nativePath(m_path).constData()) != 0)
            throw FileError(QStringLiteral("Die Datei \"%1\" kann nicht durch \"%2\" ersetzt werden. %3. "
                                           "Die bisherigen Ziehungen bleiben erhalten.")
                                .arg(m_path, tempPath, systemErrorText(errno)));
    } catch (const FileError& e) {
        fd.reset();
        ::unlink(nativePath(tempPath).constData());
        throw forHistory(e);
    } catch (...) {
        fd.reset();
        ::unlink(nativePath(tempPath).constData());
        throw;
    }
    syncDirectoryOf(m_path);
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

void DrawHistory::removeDate(double date) {
    const std::vector<DrawRecord> old = readAll();
    std::vector<DrawRecord> result;
    result.reserve(old.size());
    for (const DrawRecord& r : old)
        if (r.date != date) result.push_back(r);
    rewrite(removeTempPath(), result);
}

void DrawHistory::replaceAll(const std::vector<DrawRecord>& records) {
    rewrite(insertTempPath(), records);
}

HistoryAppender::HistoryAppender(const QString& filePath) : m_path(filePath) {
    m_fd = openOrThrow(m_path, O_RDWR | O_CREAT, 0644);
    try {
        m_count = sizeOf(m_fd, m_path) / DrawRecord::Size;
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
    const auto bytes = record.toBytes();
    writeAllAt(m_fd, bytes.data(), DrawRecord::Size, m_count * DrawRecord::Size, m_path);
    if (::fdatasync(m_fd) != 0 && errno != EINVAL) throw writeError(m_path, errno);
    ++m_count;
    m_last = record;
}

void HistoryAppender::close() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}
