#include "history/DrawCsv.h"

#include "base/SafeFile.h"

#include "base/DayCount.h"
#include "base/Errors.h"

#include <QFile>

namespace DrawCsv {

std::vector<DrawRecord> parse(const QByteArray& text) {
    std::vector<DrawRecord> records;
    const QList<QByteArray> lines = text.split('\n');
    int lineNo = 0;
    for (QByteArray line : lines) {
        ++lineNo;
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith("date,")) continue;
        const QList<QByteArray> f = line.split(',');
        auto fail = [&](const char* why) {
            return AppError(QStringLiteral("Zeile %1: %2").arg(lineNo).arg(QString::fromLatin1(why)));
        };
        if (f.size() != 8) throw fail("acht Felder erwartet");
        const QDate date = QDate::fromString(QString::fromLatin1(f[0]), Qt::ISODate);
        if (!date.isValid()) throw fail("ungültiges Datum");
        DrawRecord r;
        r.date = DayCount::fromDate(date);
        for (int i = 0; i < 6; ++i) {
            bool ok = false;
            const int n = f[i + 1].trimmed().toInt(&ok);
            if (!ok || n < 1 || n > 49) throw fail("Zahl außerhalb von 1 bis 49");
            r.numbers[i] = static_cast<std::uint8_t>(n);
        }
        const QByteArray extra = f[7].trimmed();
        if (!extra.isEmpty()) {
            bool ok = false;
            const int n = extra.toInt(&ok);
            if (!ok || n < 0 || n > 49) throw fail("Zusatzzahl außerhalb von 0 bis 49");
            r.additional = static_cast<std::uint8_t>(n);
        }
        if (!records.empty() && records.back().date >= r.date) throw fail("Datum nicht aufsteigend");
        records.push_back(r);
    }
    return records;
}

std::vector<DrawRecord> readFile(const QString& path) {
    // A results file of every draw since 1958 is well below a megabyte.
    return parse(SafeFile::readAll(path, 64 * 1024 * 1024));
}

} // namespace DrawCsv
