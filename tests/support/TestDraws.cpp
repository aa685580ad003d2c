#include "support/TestDraws.h"

#include "base/DayCount.h"
#include "history/DrawCsv.h"

DrawRecord makeDraw(const QDate& date, std::array<int, 6> numbers, int additional, int eighth) {
    DrawRecord r;
    r.date = DayCount::fromDate(date);
    for (int i = 0; i < 6; ++i) r.numbers[i] = static_cast<std::uint8_t>(numbers[i]);
    r.additional = static_cast<std::uint8_t>(additional);
    r.eighth = static_cast<std::uint8_t>(eighth);
    return r;
}

std::vector<DrawRecord> realHistory() {
    static const std::vector<DrawRecord> records =
        DrawCsv::readFile(QStringLiteral(QUINTARA_SOURCE_DIR "/data/greek-lotto-6-49.csv"));
    return records;
}

std::vector<DrawRecord> twelveDraws() {
    std::vector<DrawRecord> records;
    QDate date(2011, 1, 5);
    for (int i = 0; i < 12; ++i) {
        records.push_back(makeDraw(date, {1 + i, 10 + i, 19 + i, 28 + i % 5, 37 + i % 7, 49 - i % 3}, 0));
        date = date.addDays(date.dayOfWeek() == Qt::Wednesday ? 3 : 4);
    }
    return records;
}

QByteArray recordBytes(const std::vector<DrawRecord>& records) {
    QByteArray out;
    for (const DrawRecord& r : records) {
        const auto b = r.toBytes();
        out.append(reinterpret_cast<const char*>(b.data()), DrawRecord::Size);
    }
    return out;
}
