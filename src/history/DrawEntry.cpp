#include "history/DrawEntry.h"

#include "base/DayCount.h"
#include "base/Rounding.h"
#include "history/NextDraw.h"

#include <QCoreApplication>
#include <algorithm>

namespace DrawEntry {

Start begin(const DrawHistory& history) {
    if (!history.exists()) HistoryAppender(history.filePath()).close();
    Start start;
    start.newest = history.lastRecord();
    if (start.newest) {
        start.working = *start.newest;
        start.lastDate = start.newest->date;
    }
    return start;
}

QDate proposedDate(const DrawRecord& newest, const QDate& today) {
    const QDate next = NextDraw::drawDayAfter(DayCount::toDate(newest.date));
    return next <= today ? next : NextDraw::drawDayOnOrBefore(today);
}

std::optional<FieldProblem> checkDate(const QDate& date, const QDate& today) {
    if (!today.isValid() || date <= today) return std::nullopt;
    return FieldProblem{0, QCoreApplication::translate("DrawEntry", "Die Ziehung vom %1 liegt nach dem heutigen Tag "
                                                                    "(%2) und kann noch nicht eingegeben werden.")
                               .arg(date.toString(QStringLiteral("dd.MM.yyyy")),
                                    today.toString(QStringLiteral("dd.MM.yyyy")))};
}

void sortNumbers(DrawRecord& record) {
    std::sort(record.numbers.begin(), record.numbers.end());
}

double store(DrawHistory& history, const DrawRecord& entered, double lastDate) {
    if (static_cast<double>(roundHalfEven(lastDate)) >= entered.date) {
        const std::optional<DrawRecord> newest = history.insertOrReplace(entered);
        return newest ? newest->date : entered.date;
    }
    history.append(entered);
    return entered.date;
}

std::optional<FieldProblem> check(const std::array<QString, 6>& numberTexts, int additional) {
    const auto tr = [](const char* text) { return QCoreApplication::translate("DrawEntry", text); };
    std::array<int, 6> numbers{};
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        numbers[i] = numberTexts[i].trimmed().toInt(&ok);
        if (!ok) return FieldProblem{i + 1, tr("Die %1. Zahl fehlt. Tragen Sie eine Zahl von 1 bis 49 ein.").arg(i + 1)};
    }
    const auto problem = checkDrawNumbers(numbers, additional);
    if (!problem) return std::nullopt;
    const int field = problem->field;
    const int value = problem->value;
    const int earlier = problem->earlierField;
    switch (problem->kind) {
    case DrawNumbersProblem::Kind::NumberOutOfRange:
        return FieldProblem{field, tr("Die %1. Zahl (%2) liegt nicht zwischen 1 und 49.").arg(field).arg(value)};
    case DrawNumbersProblem::Kind::NumberRepeated:
        return FieldProblem{field, tr("Die %1. Zahl (%2) steht schon als %3. Zahl da. "
                                      "Eine Ziehung hat sechs verschiedene Zahlen.")
                                       .arg(field)
                                       .arg(value)
                                       .arg(earlier)};
    case DrawNumbersProblem::Kind::AdditionalOutOfRange:
        return FieldProblem{field, tr("Die Zusatzzahl (%1) liegt nicht zwischen 0 und 49.").arg(value)};
    case DrawNumbersProblem::Kind::AdditionalAmongNumbers:
        return FieldProblem{field, tr("Die Zusatzzahl (%1) steht schon als %2. Zahl da. "
                                      "Zusatzzahl und Gewinnzahlen sind verschieden.")
                                       .arg(value)
                                       .arg(earlier)};
    }
    return std::nullopt;
}

std::optional<DrawRecord> storedDraw(const DrawHistory& history, double date) {
    if (!history.exists()) return std::nullopt;
    for (const DrawRecord& r : history.readAll())
        if (r.date == date) return r;
    return std::nullopt;
}

QString numbersText(const DrawRecord& record) {
    QStringList numbers;
    for (auto n : record.numbers) numbers << QString::number(n);
    if (record.additional == 0) return numbers.join(QStringLiteral(", "));
    return QCoreApplication::translate("DrawEntry", "%1 (Zusatzzahl %2)")
        .arg(numbers.join(QStringLiteral(", ")))
        .arg(record.additional);
}

} // namespace DrawEntry
