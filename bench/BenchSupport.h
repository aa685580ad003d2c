#pragma once
// What the window benchmarks share: a fixed clock and a history file written from records.
#include "history/DrawRecord.h"
#include "platform/Platform.h"

#include <QFile>
#include <vector>

class BenchClock : public Clock {
public:
    QDate today() const override { return QDate(2025, 9, 1); }
    std::uint64_t counter() const override { return 1; }
};

inline void writeHistoryFile(const QString& path, const std::vector<DrawRecord>& records) {
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    for (const auto& r : records) {
        const auto b = r.toBytes();
        f.write(reinterpret_cast<const char*>(b.data()), DrawRecord::Size);
    }
}
