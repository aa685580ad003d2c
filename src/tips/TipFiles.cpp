#include "tips/TipFiles.h"

#include "base/DayCount.h"
#include "base/SafeFile.h"
#include "base/TextFile.h"

#include <QFileInfo>

#include <algorithm>

namespace TipFiles {

QStringList read(const QString& path) {
    // A run makes at most 960 tips and a full system 462; tip lines are a few dozen characters.
    // Far beyond that a file is no tip list, and reading it would stall the window.
    TextFile::Limits limits;
    limits.maxBytes = 2 * 1024 * 1024;
    limits.maxLines = 50000;
    limits.maxLineLength = 1024;
    return TextFile::readLines(path, limits);
}

void write(const QString& path, const QStringList& tips) {
    // A save killed midway leaves its temporary file (the program's own name) in the folder the
    // player chose; the next save there takes it away, before it writes its own.
    SafeFile::removeStaleTemporaries(QFileInfo(SafeFile::writeTarget(path)).absolutePath());
    TextFile::writeLinesAtomic(path, tips);
}

QString proposedName(const QDate& chosenDraw, const QDate& today) {
    QDate nameDate = today;
    switch (DayCount::weekday(chosenDraw)) {
    case DayCount::Sunday:
    case DayCount::Wednesday:
        nameDate = chosenDraw.addDays(3);
        break;
    case DayCount::Saturday:
        nameDate = chosenDraw.addDays(4);
        break;
    default:
        break;
    }
    return fileName(nameDate);
}

QString fileName(const QDate& drawDay) {
    return drawDay.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('.') + Suffix;
}

double nextDrawDate(double drawDate) {
    return drawDate + (DayCount::weekday(drawDate) == DayCount::Wednesday ? 3 : 4);
}

QStringList tipText(const QStringList& tips, int tipsPerTicket, double nextDraw) {
    // The spin never goes below one; a smaller value would leave no ticket to start.
    const int perTicket = std::max(1, tipsPerTicket);
    QStringList text;
    text << QStringLiteral("Quintara Tipp für ") + DayCount::longWeekdayText(nextDraw);
    text << QString(39, QLatin1Char('~'));
    int number = 0;
    for (int p = 1; p <= tips.size(); ++p) {
        if ((p - 1) % perTicket == 0) {
            text << QStringLiteral(" ");
            text << QString::number((p - 1) / perTicket + 1) + QStringLiteral(". Lotto-Schein");
            number = 0;
        }
        ++number;
        text << QStringLiteral("%1. Tipp:  ").arg(number, 2) + tips.at(p - 1);
    }
    return text;
}

} // namespace TipFiles
