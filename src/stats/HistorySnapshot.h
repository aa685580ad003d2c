#pragma once
#include "base/Lotto.h"
#include "history/DrawRecord.h"
#include "history/HistoryStamp.h"

#include <QString>
#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

// The records of a history file as they are on disk, prepared for the history checks that
// the generator runs for every candidate tip (hundreds of thousands of times in one run).
struct HistoryRecords {
    std::vector<DrawRecord> records; // file order
    std::vector<double> dates;       // dates[i] == records[i].date, packed for searching
    // Bit n set for each winning number n of the record (see Statistics::winningMask).
    std::vector<std::uint64_t> winningMasks;
    // Every record holds six different winning numbers below 64, as every draw written by
    // this program does. Then the hits of a tip of different numbers are exactly
    // popcount(winningMasks[i] & tipMask); otherwise count number by number.
    bool masksExact = true;
    // Dates strictly ascending, as every writer of the history keeps them; lets a date
    // window be found by binary search. A file from elsewhere may break the order, then
    // every record is tested one by one.
    bool ascending = true;
    // Bytes of a cut-off record after the last whole one when the file was read.
    std::int64_t trailingBytes = 0;

    // Running counts for the statistics of every weekday: numbers[i][n] is how often n (0 to
    // 49, as the statistics count) appears among records [0, i), crossSums[i] the sum of their
    // cross sums. size() + 1 entries; empty for a file of more draws than the counts hold.
    struct RunningCounts {
        std::vector<std::array<std::uint16_t, Lotto::NumberSlots>> numbers;
        std::vector<long long> crossSums;
    };

    static HistoryRecords of(std::vector<DrawRecord> records);

    std::size_t size() const { return records.size(); }
    // [first, last) of the records that can lie in start < date <= end: exact when ascending,
    // the whole file otherwise.
    std::pair<std::size_t, std::size_t> candidates(double start, double end) const;

    // Worked out on the first call and kept: only the pool statistics of a generation need them
    // (about 350 KB for 35 years of draws). Safe to call from several threads at once; the
    // records must not change after the first call, a copy works out its own counts again.
    const RunningCounts& runningCounts() const;

private:
    struct LazyCounts {
        LazyCounts() = default;
        LazyCounts(const LazyCounts&) {}
        LazyCounts& operator=(const LazyCounts&) {
            once = std::make_unique<std::once_flag>();
            counts = {};
            return *this;
        }
        std::unique_ptr<std::once_flag> once = std::make_unique<std::once_flag>();
        RunningCounts counts;
    };
    mutable LazyCounts m_counts;
};

// A cache of one history file that is never stale: every records() call checks the file
// with stat() and reads it again when its stamp (device, inode, size, modification time,
// change time) differs from what was read, or when the file may have changed unseen (below).
//
// Timestamps advance in ticks of the file system's clock (a few milliseconds, up to two
// seconds on some file systems), so a rewrite of the same size in the same tick as an
// earlier change would leave every compared field alone. A reading is therefore trusted when
// either
//  - the stamp is the one the program's own writer left after its last write of the file
//    (OwnWrites): the content is what the program wrote, however young the file; or
//  - the file's change time lay at least `settleTime` before the moment it was read: any
//    later change then stamps a change time past the recorded one, which stat() sees.
// Any other file changed within settleTime of reading (changed by another program) is read
// again on every call until it has been quiet that long. The change time cannot be set by
// programs, and an append, a rewrite in place and a replacement by rename all update it (the
// latter also the inode).
//
// Not covered: another program rewriting the file in place with the same size within one clock
// tick of the program's own write; the clock stepped back; network file systems with stale
// attribute caches. None applies to the program's own directory on a local disk. The snapshot
// is used from one thread.
class HistorySnapshot {
public:
    static constexpr std::chrono::nanoseconds DefaultSettleTime = std::chrono::seconds(2);

    explicit HistorySnapshot(QString path, std::chrono::nanoseconds settleTime = DefaultSettleTime);

    const QString& path() const { return m_path; }

    // The file's records as they are now. Throws FileError when the file is missing, is a
    // directory or cannot be read. The records stay valid as long as the caller holds them,
    // whatever later calls read.
    std::shared_ptr<const HistoryRecords> records();

    // How often the file has been read; lets tests tell a cached answer from a fresh one.
    std::uint64_t loadCount() const { return m_loads; }

    // One generation run asks for the records hundreds of times and must see one history
    // throughout: while a Hold lives, every records() call after the first answers with the
    // first one's reading without looking at the file. Holds nest.
    class Hold {
    public:
        explicit Hold(HistorySnapshot& snapshot) : m_snapshot(snapshot) { ++m_snapshot.m_holds; }
        ~Hold() {
            if (--m_snapshot.m_holds == 0) m_snapshot.m_held.reset();
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        HistorySnapshot& m_snapshot;
    };

private:
    void load();

    QString m_path;
    QByteArray m_nativePath;
    std::chrono::nanoseconds m_settle;
    std::shared_ptr<const HistoryRecords> m_data;
    FileStamp m_stamp;
    bool m_settled = false;
    std::uint64_t m_loads = 0;
    int m_holds = 0;
    std::shared_ptr<const HistoryRecords> m_held; // the reading the holds answer with
};
