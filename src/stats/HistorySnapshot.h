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

// The records of a history file, prepared for the history checks of every candidate tip.
struct HistoryRecords {
    std::vector<DrawRecord> records; // file order
    std::vector<double> dates;       // dates[i] == records[i].date, packed for searching
    std::vector<std::uint64_t> winningMasks; // Statistics::winningMask of each record
    // Every record holds six different winning numbers below 64: then the hits of a tip are
    // exactly popcount(winningMasks[i] & tipMask); otherwise count number by number.
    bool masksExact = true;
    // Dates strictly ascending, as every writer keeps them: date windows by binary search.
    bool ascending = true;
    // Bytes of a cut-off record after the last whole one when the file was read.
    std::int64_t trailingBytes = 0;

    // numbers[i][n]: how often n (0 to 49) appears among records [0, i); crossSums[i] the sum
    // of their cross sums. size() + 1 entries; empty for more draws than the counts hold.
    struct RunningCounts {
        std::vector<std::array<std::uint16_t, Lotto::NumberSlots>> numbers;
        std::vector<long long> crossSums;
    };

    static HistoryRecords of(std::vector<DrawRecord> records);

    std::size_t size() const { return records.size(); }
    // [first, last) of the records that can lie in start < date <= end: exact when ascending,
    // the whole file otherwise.
    std::pair<std::size_t, std::size_t> candidates(double start, double end) const;

    // Worked out on the first call and kept (only the pool statistics need them). Safe from
    // several threads; the records must not change after the first call.
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
// change time) differs from what was read, or when the file may have changed unseen.
//
// Timestamps advance in ticks of the file system's clock (up to two seconds), so a rewrite of
// the same size in the same tick as an earlier change would leave every compared field alone.
// A reading is therefore trusted only when its stamp is the one the program's own writer left
// (OwnWrites), or when the file's change time lay at least `settleTime` before the reading:
// any later change then stamps a later change time, which programs cannot set.
//
// Not covered: another program rewriting the file in place with the same size within one clock
// tick of the program's own write; the clock stepped back; network file systems with stale
// attribute caches. The snapshot is used from one thread.
class HistorySnapshot {
public:
    static constexpr std::chrono::nanoseconds DefaultSettleTime = std::chrono::seconds(2);

    explicit HistorySnapshot(QString path, std::chrono::nanoseconds settleTime = DefaultSettleTime);

    const QString& path() const { return m_path; }

    // The file's records as they are now; throws FileError when it cannot be read.
    std::shared_ptr<const HistoryRecords> records();

    // How often the file has been read.
    std::uint64_t loadCount() const { return m_loads; }

    // While a Hold lives, every records() call after the first answers with the first one's
    // reading without looking at the file, so one run sees one history. Holds nest.
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
