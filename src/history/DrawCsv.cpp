#include "history/DrawCsv.h"

#include "base/DayCount.h"
#include "base/Errors.h"
#include "base/Lotto.h"
#include "base/SafeFile.h"
#include "history/DrawDownload.h"
#include "history/DrawHistory.h"

#include <QCoreApplication>
#include <map>

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
            if (!ok || n < 1 || n > Lotto::HighestNumber) throw fail("Zahl außerhalb von 1 bis 49");
            r.numbers[i] = static_cast<std::uint8_t>(n);
        }
        const QByteArray extra = f[7].trimmed();
        if (!extra.isEmpty()) {
            bool ok = false;
            const int n = extra.toInt(&ok);
            if (!ok || n < 0 || n > Lotto::HighestNumber) throw fail("Zusatzzahl außerhalb von 0 bis 49");
            r.additional = static_cast<std::uint8_t>(n);
        }
        if (!DrawHistory::plausible(r)) throw fail("keine Ziehung, die die Ziehungsdatei aufnimmt");
        if (!records.empty() && records.back().date >= r.date) throw fail("Datum nicht aufsteigend");
        records.push_back(r);
    }
    return records;
}

QByteArray readText(const QString& path) {
    return SafeFile::readAll(path, MaxFileBytes);
}

std::vector<DrawRecord> readFile(const QString& path) {
    return parse(readText(path));
}

QByteArray format(const std::vector<DrawRecord>& records) {
    QByteArray out = "date,n1,n2,n3,n4,n5,n6,additional\n";
    out.reserve(static_cast<qsizetype>(records.size()) * 32 + 40);
    for (const DrawRecord& r : records) {
        out += DayCount::toDate(r.date).toString(Qt::ISODate).toLatin1();
        for (const std::uint8_t n : r.numbers) out += ',' + QByteArray::number(n);
        out += ',';
        if (r.additional != 0) out += QByteArray::number(r.additional);
        out += '\n';
    }
    return out;
}

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("DrawCsv", text);
}

// One line of an import: the record, or the reason it is refused.
QString readLine(const QByteArray& line, DrawRecord& r) {
    const QList<QByteArray> f = line.split(',');
    if (f.size() != 8) return tr("acht Felder erwartet, %1 gefunden").arg(f.size());
    const QDate date = QDate::fromString(QString::fromLatin1(f[0].trimmed()), Qt::ISODate);
    if (!date.isValid()) return tr("„%1“ ist kein Datum (JJJJ-MM-TT)").arg(QString::fromLatin1(f[0].trimmed()));
    DrawAnswer answer;
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        answer.numbers[static_cast<std::size_t>(i)] = f[i + 1].trimmed().toInt(&ok);
        if (!ok && answer.unreadableField == 0) answer.unreadableField = i + 1;
    }
    const QByteArray extra = f[7].trimmed();
    if (!extra.isEmpty()) {
        bool ok = false;
        answer.additional = extra.toInt(&ok);
        if (!ok) return tr("die Zusatzzahl „%1“ ist keine Zahl").arg(QString::fromLatin1(extra));
    }
    if (const QString why = answer.invalidReason(); !why.isEmpty()) return why;
    r = DrawRecord{};
    r.date = DayCount::fromDate(date);
    for (int i = 0; i < 6; ++i) r.numbers[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(answer.numbers[static_cast<std::size_t>(i)]);
    r.additional = static_cast<std::uint8_t>(answer.additional);
    // The same rule as the history's own check, so that no import makes it "damaged".
    if (!DrawHistory::plausible(r))
        return tr("das Datum %1 liegt nicht zwischen %2 und %3")
            .arg(date.toString(Qt::ISODate), DayCount::toDate(DrawHistory::FirstDay).toString(Qt::ISODate),
                 DayCount::toDate(DrawHistory::EndDay - 1).toString(Qt::ISODate));
    return {};
}

} // namespace

ImportPlan planImport(const std::vector<DrawRecord>& history, const QByteArray& text) {
    ImportPlan plan;
    std::map<double, DrawRecord> byDate;
    for (const DrawRecord& r : history) byDate[r.date] = r;
    std::map<double, int> seen; // date -> line of the import that gave it
    const QList<QByteArray> lines = text.split('\n');
    int lineNo = 0;
    for (QByteArray line : lines) {
        ++lineNo;
        line = line.trimmed();
        if (line.isEmpty() || (lineNo == 1 && line.startsWith("date,"))) continue;
        DrawRecord r;
        QString why = readLine(line, r);
        if (why.isEmpty() && seen.contains(r.date))
            why = tr("das Datum steht schon in Zeile %1").arg(seen[r.date]);
        if (!why.isEmpty()) {
            plan.refused << tr("Zeile %1: %2").arg(lineNo).arg(why);
            continue;
        }
        seen[r.date] = lineNo;
        const auto [it, isNew] = byDate.try_emplace(r.date, r);
        if (isNew) {
            ++plan.added;
            continue;
        }
        // The numbers decide; the bytes the CSV does not carry stay as stored.
        DrawRecord merged = it->second;
        merged.numbers = r.numbers;
        merged.additional = r.additional;
        if (merged == it->second) {
            ++plan.unchanged;
        } else {
            ++plan.replaced;
            it->second = merged;
        }
    }
    plan.merged.reserve(byDate.size());
    for (const auto& [date, r] : byDate) plan.merged.push_back(r);
    return plan;
}

QString importSummary(const ImportPlan& plan) {
    QString text = tr("%1 Ziehungen hinzugefügt, %2 ersetzt, %3 unverändert, %4 Zeilen abgelehnt.")
                       .arg(plan.added)
                       .arg(plan.replaced)
                       .arg(plan.unchanged)
                       .arg(plan.refused.size());
    const int shown = std::min<int>(10, static_cast<int>(plan.refused.size()));
    for (int i = 0; i < shown; ++i) text += QLatin1Char('\n') + plan.refused[i];
    if (plan.refused.size() > shown) text += QLatin1Char('\n') + tr("… und %1 weitere.").arg(plan.refused.size() - shown);
    return text;
}

} // namespace DrawCsv
