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

const Slips::DrawCheck* checkOf(const Ledger& ledger, const Row& row) {
    if (row.open()) return nullptr;
    return &ledger.checks[static_cast<std::size_t>(row.check)];
}

// "3", "5+ZZ": the tier in the CSV, the same in every language; empty below three hits.
QByteArray csvTier(const Slips::DrawCheck& check) {
    static const std::array<QByteArray, Chance::LevelCount> Tiers{"3", "4", "5", "5+ZZ", "6"};
    const int level = Chance::levelOf(check.bestHits, check.bestAdditional);
    return level < 0 ? QByteArray() : Tiers[static_cast<std::size_t>(level)];
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
    while (day.dayOfWeek() != Qt::Wednesday && day.dayOfWeek() != Qt::Saturday) day = day.addDays(1);
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
        Row row;
        row.slip = static_cast<int>(s);
        row.draw = 0;
        row.slipFinished = Slips::finished(slip, history);
        QDate last;
        for (; next < ledger.checks.size() && ledger.checks[next].slip == row.slip; ++next) {
            const Slips::DrawCheck& c = ledger.checks[next];
            row.check = static_cast<int>(next);
            ++row.draw;
            row.date = c.date;
            row.columns = c.columns;
            row.stake = c.money.stake;
            ledger.rows.push_back(row);
            last = c.date;
        }
        if (row.draw >= slip.draws) continue;
        row.check = -1;
        row.columns = Slips::columnsOf(slip, tables);
        row.stake = Slips::stakePerDraw(slip, tables);
        row.date = nextDrawDay(last.isValid() ? last : slip.firstDraw.addDays(-1));
        while (row.draw < slip.draws) {
            ++row.draw;
            ledger.rows.push_back(row);
            row.date = nextDrawDay(row.date);
        }
    }
    return ledger;
}

bool won(const Ledger& ledger, const Row& row) {
    const Slips::DrawCheck* c = checkOf(ledger, row);
    return c && (c->money.knownReturn > 0 || c->money.unknownWins > 0);
}

std::vector<int> rowsOf(const Ledger& ledger, Filter filter) {
    std::vector<int> kept;
    for (std::size_t i = 0; i < ledger.rows.size(); ++i) {
        const Row& row = ledger.rows[i];
        const bool passes = filter == Filter::Open       ? !row.slipFinished
                            : filter == Filter::Finished ? row.slipFinished
                            : filter == Filter::Won      ? won(ledger, row)
                                                         : true;
        if (passes) kept.push_back(static_cast<int>(i));
    }
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
