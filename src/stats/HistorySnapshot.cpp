#include "stats/HistorySnapshot.h"

#include "base/Errors.h"
#include "history/DrawHistory.h"
#include "stats/Statistics.h"

#include <QFile>
#include <algorithm>
#include <bit>
#include <cerrno>

std::pair<std::size_t, std::size_t> HistoryRecords::candidates(double start, double end) const {
    if (!ascending) return {0, dates.size()};
    const auto first = std::upper_bound(dates.begin(), dates.end(), start);
    const auto last = std::upper_bound(first, dates.end(), end);
    return {static_cast<std::size_t>(first - dates.begin()), static_cast<std::size_t>(last - dates.begin())};
}

HistoryRecords HistoryRecords::of(std::vector<DrawRecord> records) {
    HistoryRecords data;
    data.records = std::move(records);
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
    return data;
}

const HistoryRecords::RunningCounts& HistoryRecords::runningCounts() const {
    std::call_once(*m_counts.once, [this] {
        RunningCounts& c = m_counts.counts;
        if (records.size() >= 65535) return; // more draws than the counts hold
        c.numbers.resize(records.size() + 1);
        c.crossSums.resize(records.size() + 1);
        for (std::size_t i = 0; i < records.size(); ++i) {
            const DrawRecord& r = records[i];
            c.numbers[i + 1] = c.numbers[i];
            for (const std::uint8_t n : r.numbers)
                if (n < Lotto::NumberSlots) ++c.numbers[i + 1][n];
            c.crossSums[i + 1] = c.crossSums[i] + r.crossSum();
        }
    });
    return m_counts.counts;
}

HistorySnapshot::HistorySnapshot(QString path, std::chrono::nanoseconds settleTime)
    : m_path(std::move(path)), m_nativePath(QFile::encodeName(m_path)), m_settle(settleTime) {}

std::shared_ptr<const HistoryRecords> HistorySnapshot::records() {
    if (m_held) return m_held;
    struct stat st {};
    if (::stat(m_nativePath.constData(), &st) != 0) {
        const int error = errno;
        m_data.reset();
        throw openError(m_path, error);
    }
    const bool unchanged = m_data && FileStamp::of(st) == m_stamp;
    // A young reading becomes trusted once the program's writer reports exactly this stamp.
    if (unchanged && !m_settled && OwnWrites::isOwn(m_stamp)) m_settled = true;
    if (!(unchanged && m_settled)) load();
    if (m_holds > 0) m_held = m_data;
    return m_data;
}

void HistorySnapshot::load() {
    m_data.reset();
    // On the clock the file system stamps its times from, taken before the file is looked at:
    // a change after this moment is stamped no earlier than one clock tick before it.
    const std::chrono::nanoseconds readingStarted = std::chrono::system_clock::now().time_since_epoch();
    DrawHistory::Reading reading = DrawHistory(m_path).read();

    auto data = std::make_shared<HistoryRecords>(HistoryRecords::of(std::move(reading.records)));
    data->trailingBytes = static_cast<std::int64_t>(reading.before.size) % DrawRecord::Size;

    m_data = std::move(data);
    m_stamp = reading.before;
    ++m_loads;
    // Changed during the reading, or too recently to tell a further change apart by its
    // time stamp and not the program's own write: do not answer the next call from this
    // reading.
    const timespec& changed = reading.before.changed;
    const auto changedAt = std::chrono::seconds(changed.tv_sec) + std::chrono::nanoseconds(changed.tv_nsec);
    m_settled = reading.after == reading.before &&
                (OwnWrites::isOwn(reading.before) || changedAt + m_settle <= readingStarted);
}
