#pragma once
#include "base/UniqueFd.h"
#include "history/DrawRecord.h"

#include <QString>
#include <optional>
#include <vector>

// The draw history file ZahlenGR.dat: DrawRecords back to back, dates strictly ascending.
// Nothing is cached: every operation opens the file and closes it again. A trailing partial
// record is never read; the next append writes over it.
//
// Rewrites go through SafeFile::replace, so the file always holds either the old or the new
// history. Failures throw FileError and leave the old history untouched.
class DrawHistory {
public:
    // A real history is below 1 MB (100,000 draws would be 3.2 MB); a larger file is refused
    // whole by every reader and by the appender rather than held in memory.
    static constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

    explicit DrawHistory(QString filePath);

    const QString& filePath() const { return m_path; }
    // ZahlenGR.dat~ (insert-or-replace) and Zahlen.da~ (removal), in the same directory.
    QString insertTempPath() const;
    QString removeTempPath() const;

    bool exists() const;
    qint64 recordCount() const;

    std::vector<DrawRecord> readAll() const;

    // The whole records of the file and the bytes of a cut-off record after them.
    struct Reading {
        std::vector<DrawRecord> records;
        qint64 trailingBytes = 0;
    };
    Reading read() const;

    std::optional<DrawRecord> lastRecord() const;

    void append(const DrawRecord& record);
    // Puts the record before the first record of an equal or later date, dropping a record of
    // the same date. Returns the newest record afterwards.
    std::optional<DrawRecord> insertOrReplace(const DrawRecord& record);
    // Adds, in date order and one rewrite, each record whose date the history does not hold.
    // Returns how many went in; without any the file is not touched.
    int insertMissing(const std::vector<DrawRecord>& records);
    // Drops every record of exactly this date.
    void removeDate(double date);
    // Replaces the whole history with these records (dates ascending), in one step.
    void replaceAll(const std::vector<DrawRecord>& records);

    // What is wrong with the file as the program would read it: records that are not
    // plausible(), dates out of order or repeated, and a cut-off record at the end.
    struct Damage {
        qint64 records = 0;      // whole records in the file
        qint64 damaged = 0;      // records that are no draw, or break the order
        qint64 firstDamaged = -1; // zero-based position of the first of those, or of the cut record
        qint64 trailingBytes = 0; // bytes of a cut-off record at the end
        std::vector<DrawRecord> good; // the sound draws in date order, one per date
        bool any() const { return damaged > 0 || trailingBytes > 0; }
    };
    Damage inspect() const;
    // The same check on the whole records of the file in file order and the bytes after them.
    static Damage inspect(const std::vector<DrawRecord>& records, qint64 trailingBytes);
    static Damage inspect(const Reading& reading);
    // Keeps the file as it is under backupPath and replaces the history with the sound draws.
    void repair(const QString& backupPath) const;
    // The one rule of what a record of the history may hold: a whole day from FirstDay to before
    // EndDay, six different numbers 1 to 49, an additional number up to 49. Every way into the
    // history that does not come from the draw entry checks it.
    static bool plausible(const DrawRecord& record);
    // 1900-01-01 and 2200-01-01.
    static constexpr double FirstDay = 2.0;
    static constexpr double EndDay = 109575.0;

private:
    void rewrite(const QString& tempPath, const std::vector<DrawRecord>& records) const;

    QString m_path;
};

// The download keeps the history open for its whole run and appends each draw at once, so a
// stopped or failed run keeps everything received so far. Each append goes to the file's end
// as it is at that moment.
class HistoryAppender {
public:
    // Opens the file, creating it empty when missing.
    explicit HistoryAppender(const QString& filePath);

    std::optional<DrawRecord> lastRecord() const { return m_last; }
    void append(const DrawRecord& record);
    void close();

private:
    QString m_path;
    UniqueFd m_fd;
    std::optional<DrawRecord> m_last;
};
