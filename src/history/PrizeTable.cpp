#include "history/PrizeTable.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "history/OperatorResults.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cmath>

const QString PrizeTable::Header = QStringLiteral("date,drawId,category,hits,additional,dividend,winners,fixed,jackpot");

namespace {

QString amountText(double value) {
    // The shortest text that reads back as the same double.
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

bool readFlag(const QString& text, bool& flag) {
    if (text == QLatin1String("0") || text == QLatin1String("1")) {
        flag = text == QLatin1String("1");
        return true;
    }
    return false;
}

// The `fixed` column: an amount with a decimal point, or the 0/1 flag of an earlier version.
bool readFixed(const QString& text, double dividend, double& value, bool& oldFlag) {
    oldFlag = text == QLatin1String("0") || text == QLatin1String("1");
    if (oldFlag) {
        value = text == QLatin1String("1") ? dividend : 0;
        return true;
    }
    if (!text.contains(QLatin1Char('.'))) return false;
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value) && value >= 0;
}

bool readAmount(const QString& text, double& value) {
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value) && value >= 0;
}

} // namespace

QString PrizeTable::companionPath(const QString& historyPath) {
    const QFileInfo info(historyPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".quoten.csv"));
}

PrizeTable PrizeTable::read(const QString& path) {
    PrizeTable table;
    if (!QFileInfo::exists(path)) return table;
    const QStringList lines = TextFile::readLines(path);
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || (i == 0 && line == Header)) continue;
        const QStringList f = line.split(QLatin1Char(','));
        PrizeTier tier;
        QDate date;
        qint64 drawId = 0;
        bool ok = f.size() == 9;
        bool oldFlag = false;
        if (ok) {
            date = QDate::fromString(f[0], Qt::ISODate);
            bool a = false, b = false, c = false, d = false;
            drawId = f[1].toLongLong(&a);
            tier.category = f[2].toInt(&b);
            tier.hits = f[3].toInt(&c);
            tier.winners = f[6].toLongLong(&d);
            ok = date.isValid() && a && b && c && d && drawId >= 0 && tier.hits >= 0 && tier.hits <= 6 &&
                 tier.winners >= 0 && readFlag(f[4], tier.additional) && readAmount(f[5], tier.dividend) &&
                 readFixed(f[7], tier.dividend, tier.fixed, oldFlag) && readAmount(f[8], tier.jackpot);
        }
        if (!ok) {
            ++table.m_damaged;
            continue;
        }
        DrawPrizes& draw = table.m_draws[date.toJulianDay()];
        if (draw.date.isValid() && draw.drawId != drawId) {
            // Two draw ids on one date: the lines contradict each other.
            ++table.m_damaged;
            continue;
        }
        // The hits follow from the category id, whatever the line says.
        const auto place = OperatorResults::tierOf(tier.category);
        const PrizeTier asRead = tier;
        tier.hits = place ? place->hits : 0;
        tier.additional = place && place->additional;
        if (oldFlag || tier.hits != asRead.hits || tier.additional != asRead.additional) ++table.m_mended;
        draw.date = date;
        draw.drawId = drawId;
        draw.tiers.push_back(tier);
    }
    return table;
}

PrizeTable PrizeTable::readMending(const QString& path) {
    PrizeTable table = read(path);
    // Damaged lines would be lost by writing; such a file is mended in memory only.
    if (table.m_mended == 0 || table.m_damaged > 0) return table;
    try {
        table.write(path);
        table.m_mended = 0;
    } catch (const FileError&) {
        // Read-only or full: the table in memory is mended all the same.
    }
    return table;
}

void PrizeTable::write(const QString& path) const {
    QStringList lines{Header};
    for (const auto& [day, draw] : m_draws) {
        const QString date = draw.date.toString(Qt::ISODate);
        for (const PrizeTier& t : draw.tiers)
            lines << QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9")
                         .arg(date)
                         .arg(draw.drawId)
                         .arg(t.category)
                         .arg(t.hits)
                         .arg(t.additional ? 1 : 0)
                         .arg(amountText(t.dividend))
                         .arg(t.winners)
                         .arg(QString::number(t.fixed, 'f', 2))
                         .arg(amountText(t.jackpot));
    }
    TextFile::writeLinesAtomic(path, lines);
}

void PrizeTable::merge(const DrawPrizes& draw) {
    if (!draw.date.isValid()) return;
    m_draws[draw.date.toJulianDay()] = draw;
}

const DrawPrizes* PrizeTable::find(const QDate& date) const {
    const auto it = m_draws.find(date.toJulianDay());
    return it == m_draws.end() ? nullptr : &it->second;
}

std::optional<double> PrizeTable::dividend(const QDate& date, int hits, bool additional) const {
    const DrawPrizes* draw = find(date);
    if (!draw || hits <= 0) return std::nullopt;
    for (const PrizeTier& t : draw->tiers)
        if (t.hits == hits && t.additional == additional) return t.dividend;
    return std::nullopt;
}

std::vector<DrawPrizes> PrizeTable::draws() const {
    std::vector<DrawPrizes> out;
    out.reserve(m_draws.size());
    for (const auto& [day, draw] : m_draws) out.push_back(draw);
    return out;
}
