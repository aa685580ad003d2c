#include "history/NextDraw.h"

#include "base/DayCount.h"
#include "base/Errors.h"
#include "base/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

const QString NextDraw::Header = QStringLiteral("fetched,drawId,drawTime,jackpot");

QString NextDraw::companionPath(const QString& historyPath) {
    const QFileInfo info(historyPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".naechste.csv"));
}

std::optional<NextDraw> NextDraw::read(const QString& path) {
    QStringList lines;
    try {
        lines = TextFile::readLines(path, {64 * 1024, 10, 1024});
    } catch (const FileError&) {
        return std::nullopt;
    }
    if (lines.size() != 2 || lines[0].trimmed() != Header) return std::nullopt;
    const QStringList f = lines[1].trimmed().split(QLatin1Char(','));
    if (f.size() != 4) return std::nullopt;
    NextDraw next;
    bool idOk = false, timeOk = false;
    next.fetched = QDate::fromString(f[0], Qt::ISODate);
    next.draw.drawId = f[1].toLongLong(&idOk);
    next.draw.drawTime = f[2].toLongLong(&timeOk);
    if (!next.fetched.isValid() || !idOk || !timeOk || next.draw.drawId < 0) return std::nullopt;
    if (!f[3].isEmpty()) {
        bool ok = false;
        const double jackpot = f[3].toDouble(&ok);
        if (!ok || !std::isfinite(jackpot) || jackpot <= 0) return std::nullopt;
        next.draw.jackpot = jackpot;
    }
    return next;
}

void NextDraw::write(const QString& path) const {
    const QString jackpot = draw.jackpot ? QString::number(*draw.jackpot, 'f', 2) : QString();
    TextFile::writeLinesAtomic(path, {Header, QStringLiteral("%1,%2,%3,%4")
                                                  .arg(fetched.toString(Qt::ISODate))
                                                  .arg(draw.drawId)
                                                  .arg(draw.drawTime)
                                                  .arg(jackpot)});
}

namespace {

bool isDrawDay(const QDate& day) {
    return day.dayOfWeek() == Qt::Wednesday || day.dayOfWeek() == Qt::Saturday;
}

} // namespace

QDate NextDraw::drawDayAfter(const QDate& day) {
    QDate next = day.addDays(1);
    while (!isDrawDay(next)) next = next.addDays(1);
    return next;
}

QDate NextDraw::drawDayOnOrBefore(const QDate& day) {
    QDate last = day;
    while (!isDrawDay(last)) last = last.addDays(-1);
    return last;
}

QDate NextDraw::expectedDay(const std::optional<NextDraw>& announced, double newestStored, const QDate& today) {
    if (announced) {
        const QDate day = OperatorResults::greekTime(announced->draw.drawTime).date();
        if (day.isValid() && day >= today) return day;
    }
    QDate after = today.addDays(-1);
    if (newestStored > 0) after = std::max(after, DayCount::toDate(newestStored));
    return drawDayAfter(after);
}
