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

QByteArray recordBytes(const std::vector<DrawRecord>& records) {
    QByteArray out;
    for (const DrawRecord& r : records) {
        const auto b = r.toBytes();
        out.append(reinterpret_cast<const char*>(b.data()), DrawRecord::Size);
    }
    return out;
}
