#include "evaluation/SlipLedger.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <map>

namespace SlipLedger {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("SlipLedger", text);
}

bool isDrawDay(const QDate& date) {
    return date.dayOfWeek() == Qt::Wednesday || date.dayOfWeek() == Qt::Saturday;
}

const Slips::DrawCheck* checkOf(const Ledger& ledger, const Row& row) {
    if (row.open()) return nullptr;
    return &ledger.checks[static_cast<std::size_t>(row.check)];
}

// "3", "5+ZZ": the tier in the CSV, the same in every language; empty below three hits.
QByteArray csvTier(const Slips::DrawCheck& check) {
    switch (Chance::levelOf(check.bestHits, check.bestAdditional)) {
    case Chance::Three:
        return "3";
    case Chance::Four:
        return "4";
    case Chance::Five:
        return "5";
    case Chance::FiveAdditional:
        return "5+ZZ";
    case Chance::Six:
        return "6";
    default:
        return {};
    }
}

QByteArray csvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text.toUtf8();
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return '"' + quoted.toUtf8() + '"';
}

} // namespace

QDate nextDrawDay(const QDate& date) {
    QDate day = date.addDays(1);
    while (!isDrawDay(day)) day = day.addDays(1);
    return day;
}

Ledger build(const std::vector<Slips::Slip>& slips, const std::vector<DrawRecord>& history,
             const DividendSource* dividends, SystemTableSet& tables) {
    Ledger ledger;
    ledger.checks = Slips::checkAll(slips, history, dividends, tables);
    // checkAll lists the pairs in slip order, so each slip's checks follow one another.
    std::size_t next = 0;
    for (std::size_t s = 0; s < slips.size(); ++s) {
        const Slips::Slip& slip = slips[s];
        const int slipIndex = static_cast<int>(s);
        const bool finished = Slips::finished(slip, history);
        int draw = 0;
        QDate last;
        for (; next < ledger.checks.size() && ledger.checks[next].slip == slipIndex; ++next) {
            const Slips::DrawCheck& c = ledger.checks[next];
            Row row;
            row.slip = slipIndex;
            row.check = static_cast<int>(next);
            row.draw = ++draw;
            row.date = c.date;
            row.columns = c.columns;
            row.stake = c.money.stake;
            row.slipFinished = finished;
            ledger.rows.push_back(row);
            last = c.date;
        }
        if (draw >= slip.draws) continue;
        const int columns = Slips::columnsOf(slip, tables);
        const double stake = Slips::stakePerDraw(slip, tables);
        QDate due = last.isValid()         ? nextDrawDay(last)
                    : isDrawDay(slip.firstDraw) ? slip.firstDraw
                                                : nextDrawDay(slip.firstDraw);
        while (draw < slip.draws) {
            Row row;
            row.slip = slipIndex;
            row.draw = ++draw;
            row.date = due;
            row.columns = columns;
            row.stake = stake;
            row.slipFinished = finished;
            ledger.rows.push_back(row);
            due = nextDrawDay(due);
        }
    }
    return ledger;
}

bool won(const Ledger& ledger, const Row& row) {
    const Slips::DrawCheck* c = checkOf(ledger, row);
    return c && (c->money.knownReturn > 0 || c->money.unknownWins > 0);
}

bool passes(const Ledger& ledger, const Row& row, Filter filter) {
    switch (filter) {
    case Filter::Open:
        return !row.slipFinished;
    case Filter::Finished:
        return row.slipFinished;
    case Filter::Won:
        return won(ledger, row);
    case Filter::All:
        break;
    }
    return true;
}

std::vector<int> rowsOf(const Ledger& ledger, Filter filter) {
    std::vector<int> kept;
    for (std::size_t i = 0; i < ledger.rows.size(); ++i)
        if (passes(ledger, ledger.rows[i], filter)) kept.push_back(static_cast<int>(i));
    return kept;
}

std::vector<Slips::DrawCheck> checksOf(const Ledger& ledger, const std::vector<int>& rows) {
    std::vector<Slips::DrawCheck> checks;
    for (const int r : rows)
        if (const Slips::DrawCheck* c = checkOf(ledger, ledger.rows[static_cast<std::size_t>(r)])) checks.push_back(*c);
    return checks;
}

std::vector<BalancePoint> runningBalance(const Ledger& ledger, const std::vector<int>& rows) {
    std::map<QDate, double> byDate;
    for (const int r : rows)
        if (const Slips::DrawCheck* c = checkOf(ledger, ledger.rows[static_cast<std::size_t>(r)]))
            byDate[c->date] += c->money.balance();
    std::vector<BalancePoint> points;
    double balance = 0;
    for (const auto& [date, change] : byDate) {
        balance += change;
        points.push_back({date, balance});
    }
    return points;
}

QStringList headers() {
    return {tr("Datum"), tr("Schein"), tr("Spalten"), tr("Einsatz"), tr("Gewinnklasse"), tr("Gewinn")};
}

QString euro(double amount) {
    return tr("%1 €").arg(QLocale().toString(amount, 'f', 2));
}

QString winningsText(const Chance::Money& money) {
    if (money.unknownWins == 0) return euro(money.knownReturn);
    if (money.knownReturn == 0) return tr("unbekannt");
    return tr("%1 + unbekannt").arg(euro(money.knownReturn));
}

QString slipName(const Slips::Slip& slip) {
    if (!slip.name.trimmed().isEmpty()) return slip.name;
    return tr("Schein %1").arg(slip.id);
}

QString tierText(const Ledger& ledger, const Row& row) {
    const Slips::DrawCheck* c = checkOf(ledger, row);
    return c ? c->bestTierText() : tr("offen");
}

QString rowWinningsText(const Ledger& ledger, const Row& row) {
    const Slips::DrawCheck* c = checkOf(ledger, row);
    return c ? winningsText(c->money) : tr("offen");
}

QString totalsText(const Slips::Totals& totals, int openDraws, double openStake) {
    const Chance::Money& m = totals.money;
    QString text = tr("Einsatz %1, Gewinn %2, Saldo %3")
                       .arg(euro(m.stake), winningsText(m), euro(m.balance()));
    const int unknown = static_cast<int>(m.unknownWins);
    if (unknown > 0)
        text += QCoreApplication::translate("SlipLedger", " (ohne %n Gewinnreihe(n) unbekannter Quote)", nullptr, unknown);
    text += QStringLiteral(" · ");
    text += tr("derselbe Einsatz bringt im Mittel %1")
                .arg(totals.expectedReturn ? euro(*totals.expectedReturn) : tr("unbekannt"));
    if (openDraws > 0)
        text += QStringLiteral(" · ") + QCoreApplication::translate("SlipLedger", "%n Ziehung(en) offen, Einsatz %1",
                                                                   nullptr, openDraws)
                                              .arg(euro(openStake));
    return text;
}

QByteArray toCsv(const Ledger& ledger, const std::vector<int>& rows, const std::vector<Slips::Slip>& slips) {
    QByteArray out = "datum,schein,spalten,einsatz,gewinnklasse,gewinn,ohne_quote\r\n";
    for (const int r : rows) {
        const Row& row = ledger.rows[static_cast<std::size_t>(r)];
        const Slips::DrawCheck* c = checkOf(ledger, row);
        out += row.date.toString(Qt::ISODate).toLatin1() + ',' +
               csvField(slipName(slips[static_cast<std::size_t>(row.slip)])) + ',' + QByteArray::number(row.columns) +
               ',' + QByteArray::number(row.stake, 'f', 2) + ',' + (c ? csvTier(*c) : QByteArray("offen")) + ',' +
               (c ? QByteArray::number(c->money.knownReturn, 'f', 2) : QByteArray()) + ',' +
               QByteArray::number(c ? static_cast<qlonglong>(c->money.unknownWins) : 0) + "\r\n";
    }
    return out;
}

QStringList printText(const QString& title, const Ledger& ledger, const std::vector<int>& rows,
                      const std::vector<Slips::Slip>& slips, const QString& totalsLine) {
    const QLocale locale;
    // Each column as wide as its widest entry; the amounts aligned to the right.
    QList<QStringList> table;
    table << headers();
    for (const int r : rows) {
        const Row& row = ledger.rows[static_cast<std::size_t>(r)];
        table << QStringList{locale.toString(row.date, QLocale::ShortFormat),
                             slipName(slips[static_cast<std::size_t>(row.slip)]),
                             QString::number(row.columns),
                             euro(row.stake),
                             tierText(ledger, row),
                             rowWinningsText(ledger, row)};
    }
    std::vector<qsizetype> widths(6, 0);
    for (const QStringList& line : table)
        for (qsizetype c = 0; c < line.size(); ++c)
            widths[static_cast<std::size_t>(c)] = std::max(widths[static_cast<std::size_t>(c)], line[c].size());
    QStringList text{title, QString()};
    for (const QStringList& line : table) {
        QStringList cells;
        for (qsizetype c = 0; c < line.size(); ++c) {
            const int width = static_cast<int>(widths[static_cast<std::size_t>(c)]);
            const bool right = c == 2 || c == 3 || c == 5;
            cells << (right ? line[c].rightJustified(width) : line[c].leftJustified(width));
        }
        text << cells.join(QStringLiteral("  ")).trimmed();
    }
    text << QString() << totalsLine;
    return text;
}

} // namespace SlipLedger
