#pragma once
#include "history/DrawRecord.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

// The draw history file ZahlenGR.dat: DrawRecords back to back, dates strictly ascending.
// Nothing is cached: every operation opens the file, walks it from the first record and closes
// it again. A trailing partial record is never read; the next append writes over it.
//
// Rewrites (insert-or-replace, removal) build the new history in a temporary file beside it,
// flush it to disk and rename it over the history in one step, so that at every moment the
// file holds either the old or the new history. Failures throw FileError and leave the old
// history untouched.
class DrawHistory {
public:
    static constexpr int BlockRecords = 1000;

    explicit DrawHistory(QString filePath);

    const QString& filePath() const { return m_path; }
    // ZahlenGR.dat~ (insert-or-replace) and Zahlen.da~ (removal), in the same directory.
    QString insertTempPath() const;
    QString removeTempPath() const;

    bool exists() const;
    qint64 recordCount() const;

    // ScanRecords: every whole record from the first, read in blocks of BlockRecords.
    // The visitor returns false to stop early.
    void scanRecords(const std::function<bool(const DrawRecord&, qint64 index)>& visit) const;
    std::vector<DrawRecord> readAll() const;

    std::optional<DrawRecord> lastRecord() const;

    struct Position {
        DrawRecord record;
        qint64 recordsRead = 0;
    };
    // The record at a zero-based index, or the last record when the index lies at or beyond
    // the end; none for an empty file.
    std::optional<Position> recordAt(qint64 index) const;

    // Writes one record at the end (over a trailing partial record), creating the file.
    void append(const DrawRecord& record);
    // Puts the record before the first record of an equal or later date, dropping a record of
    // the same date. Returns the newest record afterwards.
    std::optional<DrawRecord> insertOrReplace(const DrawRecord& record);
    // Drops every record of exactly this date.
    void removeDate(double date);
    // Replaces the whole history with these records (dates ascending), in one step.
    void replaceAll(const std::vector<DrawRecord>& records);

private:
    void rewrite(const QString& tempPath, const std::vector<DrawRecord>& records) const;

    QString m_path;
};

// The download keeps the history open for its whole run and appends each draw at once, so a
// stopped or failed run keeps everything received so far.
class HistoryAppender {
public:
    // Opens the file, creating it empty when missing. Throws FileError.
    explicit HistoryAppender(const QString& filePath);
    ~HistoryAppender();
    HistoryAppender(const HistoryAppender&) = delete;
    HistoryAppender& operator=(const HistoryAppender&) = delete;

    std::optional<DrawRecord> lastRecord() const { return m_last; }
    qint64 recordCount() const { return m_count; }
    void append(const DrawRecord& record);
    void close();

private:
    QString m_path;
    int m_fd = -1;
    qint64 m_count = 0;
    std::optional<DrawRecord> m_last;
};
