#include "history/DrawHistory.h"

#include "base/Errors.h"
#include "base/Lotto.h"
#include "base/SafeFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <iterator>
#include <limits>
#include <set>
#include <unistd.h>

namespace {

// Every reader opens the history here: a regular file (a pipe in its place would stall the
// start) no larger than any history can be.
UniqueFd openHistory(const QString& path, qint64* size = nullptr) {
    return SafeFile::openForReading(path, DrawHistory::MaxFileBytes, size);
}

// The record at a zero-based index of an open history file; none when the file ends before it.
std::optional<DrawRecord> readRecord(int fd, qint64 index, const QString& path) {
    DrawRecord record;
    if (SafeFile::readAt(fd, reinterpret_cast<char*>(&record), DrawRecord::Size, index * DrawRecord::Size, path) !=
        DrawRecord::Size)
        return std::nullopt;
    return record;
}

// A failure on a replacement file names only that file, which the player never sees; this says
// which history it was for and that the history itself is unchanged.
QString unchangedNote(const QString& path) {
    return QCoreApplication::translate("DrawHistory", "Die Ziehungen in \"%1\" bleiben unverändert.").arg(path);
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
    const UniqueFd fd = openHistory(m_path, &size);
    return size / DrawRecord::Size;
}

std::vector<DrawRecord> DrawHistory::readAll() const {
    return read().records;
}

DrawHistory::Reading DrawHistory::read() const {
    qint64 size = 0;
    const UniqueFd fd = openHistory(m_path, &size);
    Reading reading;
    reading.trailingBytes = size % DrawRecord::Size;

    const qint64 count = size / DrawRecord::Size;
    // One read straight into the records (about 110 KB for 35 years), no second buffer.
    reading.records.resize(static_cast<size_t>(count));
    auto* bytes = reinterpret_cast<char*>(reading.records.data());
    const qint64 got = SafeFile::readAt(fd.get(), bytes, count * DrawRecord::Size, 0, m_path) / DrawRecord::Size;
    reading.records.resize(static_cast<size_t>(got)); // the file shrank under us
    return reading;
}

std::optional<DrawRecord> DrawHistory::lastRecord() const {
    qint64 size = 0;
    const UniqueFd fd = openHistory(m_path, &size);
    const qint64 count = size / DrawRecord::Size;
    if (count == 0) return std::nullopt;
    return readRecord(fd.get(), count - 1, m_path);
}

void DrawHistory::append(const DrawRecord& record) {
    HistoryAppender(m_path).append(record);
}

void DrawHistory::rewrite(const QString& tempPath, const std::vector<DrawRecord>& records) const {
    const QByteArray bytes(reinterpret_cast<const char*>(records.data()),
                           static_cast<qsizetype>(records.size() * DrawRecord::Size));
    SafeFile::ReplaceOptions options;
    options.tempPath = tempPath;
    options.failureNote = unchangedNote(m_path);
    SafeFile::replace(m_path, bytes, options);
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
    std::vector<DrawRecord> result = readAll();
    std::erase_if(result, [date](const DrawRecord& r) { return r.date == date; });
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
    return inspect(reading.records, reading.trailingBytes);
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
    std::copy_if(records.begin(), records.end(), std::back_inserter(sound), plausible);
    // Date order; of several records of one date the first in the file stays.
    std::stable_sort(sound.begin(), sound.end(),
                     [](const DrawRecord& a, const DrawRecord& b) { return a.date < b.date; });
    for (const DrawRecord& r : sound)
        if (d.good.empty() || d.good.back().date != r.date) d.good.push_back(r);
    return d;
}

void DrawHistory::repair(const QString& backupPath) const {
    const Damage d = inspect();
    const QByteArray old = SafeFile::readAll(m_path, MaxFileBytes);
    SafeFile::ReplaceOptions backup;
    backup.failureNote = unchangedNote(m_path);
    SafeFile::replace(backupPath, old, backup);
    rewrite(insertTempPath(), d.good);
}

void DrawHistory::replaceAll(const std::vector<DrawRecord>& records) {
    rewrite(insertTempPath(), records);
}

HistoryAppender::HistoryAppender(const QString& filePath) : m_path(filePath) {
    // A history created here is only safe from a power cut once its directory is synced too.
    // Without O_NONBLOCK a pipe in the history's place would hold the open until a reader came.
    const QByteArray path = QFile::encodeName(m_path);
    m_fd = UniqueFd(::open(path.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK));
    if (m_fd.get() < 0 && errno == ENOENT) {
        m_fd = UniqueFd(::open(path.constData(), O_RDWR | O_CLOEXEC | O_CREAT | O_EXCL, 0644));
        if (m_fd.get() >= 0) SafeFile::syncDirectoryOf(m_path);
    }
    if (m_fd.get() < 0) throw openError(m_path, errno);
    const qint64 size = SafeFile::requireRegularFile(m_fd.get(), m_path, DrawHistory::MaxFileBytes);
    if (size >= DrawRecord::Size) m_last = readRecord(m_fd.get(), size / DrawRecord::Size - 1, m_path);
}

void HistoryAppender::append(const DrawRecord& record) {
    if (m_fd.get() < 0) throw writeError(m_path, EBADF);
    // At the file's real end now (over a cut-off record), not where it ended when opened.
    const qint64 size = SafeFile::requireRegularFile(m_fd.get(), m_path, std::numeric_limits<qint64>::max());
    SafeFile::writeAt(m_fd.get(), reinterpret_cast<const char*>(&record), DrawRecord::Size,
                      size / DrawRecord::Size * DrawRecord::Size, m_path);
    if (::fdatasync(m_fd.get()) != 0 && errno != EINVAL) throw writeError(m_path, errno);
    m_last = record;
}

void HistoryAppender::close() {
    m_fd.reset();
}
