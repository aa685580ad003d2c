#include "tips/WheelReport.h"

#include "base/Errors.h"
#include "base/TextFile.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <bit>

namespace WheelReport {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("WheelReport", text);
}

} // namespace

int Report::fullGuarantee() const {
    int best = 0;
    for (const Profile& p : profile)
        if (p.k >= 3 && p.guarantee == p.k) best = p.k;
    return best;
}

Report analyse(const QStringList& lines) {
    if (lines.isEmpty()) throw AppError(tr("Die Tabelle enthält keine Zeile."));
    if (lines.size() > SystemTable::Capacity)
        throw AppError(
            tr("Zeile %1: mehr als %2 Zeilen.").arg(SystemTable::Capacity + 1).arg(SystemTable::Capacity));
    Report report;
    std::vector<std::uint32_t> rows;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        std::uint32_t mask = 0;
        for (qsizetype k = 0; k < line.size(); ++k) {
            if (line[k] != QLatin1Char('x')) continue;
            if (k >= SystemTable::MaxPositions)
                throw AppError(tr("Zeile %1: ein „x“ an Stelle %2, ein Tipp hat höchstens %3 Zahlen.")
                                   .arg(i + 1)
                                   .arg(k + 1)
                                   .arg(SystemTable::MaxPositions));
            mask |= 1u << k;
        }
        const int marks = std::popcount(mask);
        if (marks != 6) throw AppError(tr("Zeile %1: %2 Zahlen markiert statt 6.").arg(i + 1).arg(marks));
        report.base = std::max<int>(
            report.base, static_cast<int>(std::min<qsizetype>(line.size(), SystemTable::MaxPositions)));
        rows.push_back(mask);
        report.rows.push_back(line);
    }

    for (int k = 0; k <= std::min(6, report.base); ++k) {
        Profile p;
        p.k = k;
        p.guarantee = 7;
        std::uint32_t weakest = 0;
        forEachSubset(report.base, k, [&](std::uint32_t winning) {
            int best = 0;
            for (const std::uint32_t row : rows) best = std::max(best, std::popcount(row & winning));
            ++p.cases;
            for (int h = 0; h <= best; ++h) ++p.reaching[static_cast<std::size_t>(h)];
            if (best < p.guarantee) {
                p.guarantee = best;
                weakest = winning;
            }
        });
        for (int b = 0; b < 32; ++b)
            if (weakest >> b & 1) p.weakest.push_back(b + 1);
        report.profile.push_back(p);
    }
    return report;
}

Report analyseFile(const QString& path) {
    return analyse(TextFile::readLines(path));
}

QStringList describe(const Report& report) {
    QStringList out;
    const QLocale locale;
    out << tr("%1 Reihen aus %2 Basiszahlen.").arg(report.rows.size()).arg(report.base);
    for (const Profile& p : report.profile) {
        if (p.k < 3) continue;
        out << tr("%1 richtige unter den Basiszahlen: mindestens %2 Treffer in einer Reihe")
                   .arg(p.k)
                   .arg(p.guarantee);
        QStringList shares;
        for (int h = 3; h <= p.k; ++h)
            shares << tr("%1er in %2 %").arg(h).arg(locale.toString(100.0 * p.share(h), 'f', 1));
        out << tr("    von %1 Fällen: %2")
                   .arg(locale.toString(static_cast<qlonglong>(p.cases)), shares.join(QStringLiteral(", ")));
        if (p.guarantee < 3) {
            QStringList positions;
            for (const int v : p.weakest) positions << QString::number(v);
            out << tr("    Lücke: mit den Basiszahlen %1 hat keine Reihe mehr als %2 Treffer.")
                       .arg(positions.join(QStringLiteral(", ")))
                       .arg(p.guarantee);
        }
    }
    return out;
}

} // namespace WheelReport
