#include "history/PrizeTable.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "history/OperatorResults.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

const QString PrizeTable::Header = QStringLiteral("date,drawId,category,hits,additional,dividend,winners,fixed,jackpot");

namespace {

QString amountText(double value) {
    // The shortest text that reads back as the same double.
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

bool readFlag(const QString& text, bool& flag) {
    flag = text == QLatin1String("1");
    return flag || text == QLatin1String("0");
}

bool readAmount(const QString& text, double& value) {
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value) && value >= 0;
}

// The `fixed` column: an amount with a decimal point, or the 0/1 flag of an earlier version.
bool readFixed(const QString& text, double dividend, double& value, bool& oldFlag) {
    bool fixed = false;
    oldFlag = readFlag(text, fixed);
    if (oldFlag) {
        value = fixed ? dividend : 0;
        return true;
    }
    return text.contains(QLatin1Char('.')) && readAmount(text, value);
}

// Moves the file (or whatever stands at path) to the first free name of "<path>.defekt",
// "<path>.defekt2", ... beside it, never over another file. Returns the new path; empty with
// error set when it cannot be moved.
QString moveAside(const QString& path, int& error) {
    const QByteArray from = QFile::encodeName(path);
    for (int n = 1; n <= 999; ++n) {
        const QString aside = path + QStringLiteral(".defekt") + (n == 1 ? QString() : QString::number(n));
        const QByteArray to = QFile::encodeName(aside);
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) return aside;
        if (errno == EEXIST) continue;
        if (errno == EINVAL || errno == ENOSYS) {
            // A file system that cannot refuse a replacement: look first.
            struct stat st {};
            if (::lstat(to.constData(), &st) == 0) continue;
            if (::rename(from.constData(), to.constData()) == 0) return aside;
        }
        error = errno;
        return {};
    }
    error = EEXIST;
    return {};
}

} // namespace

QString PrizeTable::companionPath(const QString& historyPath) {
    const QFileInfo info(historyPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".quoten.csv"));
}

PrizeTable PrizeTable::read(const QString& path) {
    PrizeTable table;
    if (!QFileInfo::exists(path)) return table;
    const QStringList lines = TextFile::readLines(path, {MaxFileBytes, MaxFileLines});
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
        // Two draw ids on one date contradict each other: the first stands, the other line is
        // left for the player to mend. So is a tier beyond the cap.
        DrawPrizes* draw = ok ? &table.m_draws[date.toJulianDay()] : nullptr;
        if (!draw || (draw->date.isValid() && (draw->drawId != drawId || int(draw->tiers.size()) >= MaxTiers))) {
            if (table.m_unread.isEmpty()) table.m_firstUnreadLine = i + 1;
            table.m_unread << lines[i];
            continue;
        }
        // The hits follow from the category id, whatever the line says.
        const auto place = OperatorResults::tierOf(tier.category);
        const PrizeTier asRead = tier;
        tier.hits = place ? place->hits : 0;
        tier.additional = place && place->additional;
        if (oldFlag || tier.hits != asRead.hits || tier.additional != asRead.additional) ++table.m_mended;
        draw->date = date;
        draw->drawId = drawId;
        draw->tiers.push_back(tier);
    }
    if (!table.m_unread.isEmpty())
        table.m_notes << QCoreApplication::translate("PrizeTable",
                                                     "Die Quotendatei \"%1\" hat %2 unlesbare Zeilen, die erste ist Zeile %3; "
                                                     "sie bleiben unverändert am Ende der Datei erhalten.")
                             .arg(QDir::toNativeSeparators(path))
                             .arg(table.m_unread.size())
                             .arg(table.m_firstUnreadLine);
    return table;
}

PrizeTable PrizeTable::readMending(const QString& path) {
    PrizeTable table = read(path);
    if (table.m_mended == 0) return table;
    try {
        table.write(path);
        table.m_mended = 0;
    } catch (const FileError&) {
        // Read-only or full: the table in memory is mended all the same.
    }
    return table;
}

PrizeTable PrizeTable::readForUpdate(const QString& path) {
    try {
        return readMending(path);
    } catch (const FileError& e) {
        PrizeTable table;
        int error = 0;
        table.m_setAside = moveAside(path, error);
        if (table.m_setAside.isEmpty()) {
            table.m_writable = false;
            table.m_notes << QCoreApplication::translate("PrizeTable",
                                                         "Die Quotendatei lässt sich weder lesen noch beiseitelegen (%1), "
                                                         "die Quoten dieser Aktualisierung werden nicht gespeichert: %2")
                                 .arg(systemErrorText(error), e.message());
        } else {
            table.m_notes << QCoreApplication::translate("PrizeTable",
                                                         "Die Quotendatei war unbrauchbar und liegt jetzt unter \"%1\", "
                                                         "die Quoten beginnen neu: %2")
                                 .arg(QDir::toNativeSeparators(table.m_setAside), e.message());
        }
        return table;
    }
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
    lines << m_unread;
    TextFile::writeLinesAtomic(path, lines);
}

void PrizeTable::merge(const DrawPrizes& draw) {
    if (!draw.date.isValid()) return;
    DrawPrizes& kept = m_draws[draw.date.toJulianDay()];
    kept.date = draw.date;
    kept.drawId = draw.drawId;
    const size_t taken = std::min(draw.tiers.size(), size_t(MaxTiers));
    kept.tiers.assign(draw.tiers.begin(), draw.tiers.begin() + std::ptrdiff_t(taken));
    if (taken < draw.tiers.size())
        m_notes << QCoreApplication::translate("PrizeTable", "Die Ziehung vom %1 kam mit %2 Gewinnklassen, gespeichert sind die ersten %3.")
                       .arg(draw.date.toString(QStringLiteral("dd.MM.yyyy")))
                       .arg(draw.tiers.size())
                       .arg(MaxTiers);
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
