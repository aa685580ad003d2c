#include "evaluation/Slips.h"

#include "base/DayCount.h"
#include "base/Errors.h"
#include "base/SafeFile.h"
#include "history/NextDraw.h"
#include "tips/TipLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <algorithm>
#include <bit>
#include <cmath>
#include <map>
#include <set>

namespace Slips {

namespace {

// A line without designation is played by its own size: six numbers a single tip, more a full
// system of them.
const Chance::TipShape OwnSize{};

DrawCheck checkDraw(int index, const Slip& slip, const std::vector<Winnings::PlayedLine>& played,
                    const DrawRecord& record, const DividendSource* dividends) {
    DrawCheck check;
    check.slip = index;
    check.date = DayCount::toDate(record.date);
    const Chance::Round round = Chance::roundOf(record, 0);
    std::copy_n(record.numbers.begin(), 6, check.winning.begin());
    std::sort(check.winning.begin(), check.winning.end());
    check.additionalNumber = round.additional;
    check.lines.reserve(played.size());
    for (qsizetype i = 0; i < slip.lines.size(); ++i) {
        const Winnings::PlayedLine& p = played[static_cast<std::size_t>(i)];
        LineCheck line;
        line.line = slip.lines[i];
        line.missingTable = p.missingTable;
        if (p.ticket) {
            for (const std::uint64_t column : p.ticket->expandedColumns()) {
                ColumnHits c;
                c.numbers = column;
                c.hits = std::popcount(column & round.winning);
                c.additional = round.additional > 0 && (column >> round.additional & 1);
                // Ordered as the tiers pay: 5 + additional above 5, below 6.
                if (c.hits > check.bestHits ||
                    (c.hits == check.bestHits && c.additional && !check.bestAdditional)) {
                    check.bestHits = c.hits;
                    check.bestAdditional = c.additional;
                }
                line.columns.push_back(c);
            }
            line.result = Winnings::result(*p.ticket, round, slip.pricePerColumn, dividends);
            Winnings::addMoney(check.money, line.result.money);
            check.columns += p.ticket->columns();
        }
        check.lines.push_back(std::move(line));
    }
    return check;
}

// The tier of a number of hits, as a player says it.
QString tierText(int hits, bool additional) {
    if (hits == 5 && additional) return QCoreApplication::translate("Slips", "5 + Z");
    return QCoreApplication::translate("Slips", "%1 Richtige").arg(hits);
}

// What one column of six numbers returns on average on a draw: Σ P(tier) × the tier's dividend;
// none when a tier a column can win has no known dividend.
std::optional<double> expectedPerColumn(const QDate& date, bool drawHasAdditional, const DividendSource* dividends) {
    if (!dividends) return std::nullopt;
    double sum = 0;
    for (int hits = 3; hits <= 6; ++hits) {
        for (const bool additional : {false, true}) {
            const double p = Chance::probability(6, hits, additional, drawHasAdditional);
            if (p == 0) continue;
            const std::optional<double> d = dividends->dividend(date, hits, additional);
            if (!d) return std::nullopt;
            sum += p * *d;
        }
    }
    return sum;
}

template <class Keep>
std::vector<DrawCheck> check(const std::vector<Slip>& slips, const std::vector<DrawRecord>& history,
                             const DividendSource* dividends, SystemTableSet& tables, Keep keep) {
    std::vector<DrawCheck> out;
    for (std::size_t i = 0; i < slips.size(); ++i) {
        const std::vector<DrawRecord> draws = coveredDraws(slips[i], history);
        if (std::none_of(draws.begin(), draws.end(), keep)) continue;
        std::vector<Winnings::PlayedLine> played;
        for (const QString& line : slips[i].lines) played.push_back(Winnings::playedLine(line, tables, OwnSize));
        for (const DrawRecord& r : draws)
            if (keep(r)) out.push_back(checkDraw(static_cast<int>(i), slips[i], played, r, dividends));
    }
    return out;
}

} // namespace

int columnsOf(const Slip& slip, SystemTableSet& tables) {
    return static_cast<int>(Winnings::listStake(slip.lines, tables, OwnSize).columns);
}

double stakePerDraw(const Slip& slip, SystemTableSet& tables) {
    return columnsOf(slip, tables) * slip.pricePerColumn;
}

QString DrawCheck::bestTierText() const {
    if (bestHits < 3) return QCoreApplication::translate("Slips", "–");
    return tierText(bestHits, bestAdditional);
}

std::vector<DrawRecord> coveredDraws(const Slip& slip, const std::vector<DrawRecord>& history) {
    std::vector<DrawRecord> out;
    const double first = DayCount::fromDate(slip.firstDraw);
    for (const DrawRecord& r : history) {
        if (static_cast<int>(out.size()) >= slip.draws) break;
        if (r.date >= first) out.push_back(r);
    }
    return out;
}

bool finished(const Slip& slip, const std::vector<DrawRecord>& history) {
    return static_cast<int>(coveredDraws(slip, history).size()) >= slip.draws;
}

QDate nextDrawDate(const std::optional<QDate>& announced, const QDate& newestStored, const QDate& today) {
    const bool afterNewest = announced && announced->isValid() && (!newestStored.isValid() || *announced > newestStored);
    if (afterNewest && *announced >= today) return *announced;
    const QDate yesterday = today.addDays(-1);
    return NextDraw::drawDayAfter(newestStored.isValid() ? std::max(newestStored, yesterday) : yesterday);
}

std::vector<DrawCheck> checkAll(const std::vector<Slip>& slips, const std::vector<DrawRecord>& history,
                                const DividendSource* dividends, SystemTableSet& tables) {
    return check(slips, history, dividends, tables, [](const DrawRecord&) { return true; });
}

std::vector<DrawCheck> checkNew(const std::vector<Slip>& slips, const std::vector<DrawRecord>& history,
                                const std::vector<QDate>& newDates, const DividendSource* dividends,
                                SystemTableSet& tables) {
    const std::set<QDate> fresh(newDates.begin(), newDates.end());
    return check(slips, history, dividends, tables,
                 [&fresh](const DrawRecord& r) { return fresh.count(DayCount::toDate(r.date)) > 0; });
}

QString summaryText(const std::vector<DrawCheck>& checks) {
    if (checks.empty()) return {};
    std::set<int> slips;
    std::array<std::int64_t, Chance::LevelCount> levels{};
    Chance::Money money;
    for (const DrawCheck& c : checks) {
        slips.insert(c.slip);
        Winnings::addMoney(money, c.money);
        for (const LineCheck& l : c.lines)
            for (std::size_t level = 0; level < levels.size(); ++level) levels[level] += l.result.columns[level];
    }
    // The winning columns from the highest tier down.
    QStringList wins;
    for (int level = Chance::LevelCount - 1; level >= 0; --level) {
        const std::int64_t n = levels[static_cast<std::size_t>(level)];
        if (n == 0) continue;
        const auto [hits, additional] = Winnings::Tiers[static_cast<std::size_t>(level)];
        wins << QCoreApplication::translate("Slips", "%1 × %2").arg(n).arg(tierText(hits, additional));
    }
    const QString outcome = wins.isEmpty() ? QCoreApplication::translate("Slips", "kein Gewinn")
                                           : wins.join(QStringLiteral(", ")) + QStringLiteral(", ") +
                                                 Winnings::moneyText(money);
    if (slips.size() == 1) return QCoreApplication::translate("Slips", "1 Schein geprüft: %1").arg(outcome);
    return QCoreApplication::translate("Slips", "%1 Scheine geprüft: %2").arg(slips.size()).arg(outcome);
}

Totals totals(const std::vector<DrawCheck>& checks, const DividendSource* dividends) {
    Totals t;
    t.expectedReturn = 0.0;
    for (const DrawCheck& c : checks) {
        Winnings::addMoney(t.money, c.money);
        if (c.columns == 0 || !t.expectedReturn) continue;
        const std::optional<double> perColumn = expectedPerColumn(c.date, c.additionalNumber > 0, dividends);
        if (perColumn)
            *t.expectedReturn += *perColumn * c.columns;
        else
            t.expectedReturn.reset();
    }
    return t;
}

// ---- The slips file ----

namespace {

const QByteArray Header = QByteArrayLiteral("id;name;firstDraw;draws;price;lines");
const QByteArray LastIdMark = QByteArrayLiteral("#lastId;");
constexpr qint64 MaxFileBytes = 8 * 1024 * 1024;

// Text fields never hold the separators raw: "\" "\\", ";" "\s", "|" "\p", CR "\r", LF "\n".
// Each character of Raw is written as a backslash and the character of Escape at its place.
const QString Raw = QStringLiteral("\\;|\r\n");
const QString Escape = QStringLiteral("\\sprn");

QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const qsizetype k = Raw.indexOf(c);
        if (k >= 0) out += QLatin1Char('\\');
        out += k >= 0 ? Escape[k] : c;
    }
    return out;
}

std::optional<QString> unescaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\')) {
            out += text[i];
            continue;
        }
        const qsizetype k = ++i < text.size() ? Escape.indexOf(text[i]) : -1;
        if (k < 0) return std::nullopt;
        out += Raw[k];
    }
    return out;
}

// The lines of the file as bytes, so a damaged line (even one that is no valid UTF-8) is
// written back byte for byte. CR, LF and CR LF end a line; a final line end starts none.
QList<QByteArray> rawLines(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    QList<QByteArray> lines = bytes.replace("\r\n", "\n").replace('\r', '\n').split('\n');
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

std::optional<Slip> parseSlip(const QByteArray& raw) {
    const QString text = QString::fromUtf8(raw);
    if (text.toUtf8() != raw) return std::nullopt; // not valid UTF-8
    const QStringList f = text.split(QLatin1Char(';'));
    if (f.size() != 6) return std::nullopt;
    Slip s;
    bool drawsOk = false, priceOk = false;
    const std::optional<QString> id = unescaped(f[0]);
    const std::optional<QString> name = unescaped(f[1]);
    s.firstDraw = QDate::fromString(f[2], Qt::ISODate);
    s.draws = f[3].toInt(&drawsOk);
    s.pricePerColumn = f[4].toDouble(&priceOk);
    if (!id || id->isEmpty() || !name || !s.firstDraw.isValid() || !drawsOk || s.draws < 1 ||
        s.draws > MaxDraws || !priceOk || !std::isfinite(s.pricePerColumn) || s.pricePerColumn < 0 || f[5].isEmpty())
        return std::nullopt;
    s.id = *id;
    s.name = *name;
    for (const QString& field : f[5].split(QLatin1Char('|'))) {
        const std::optional<QString> line = unescaped(field);
        if (!line || TipLine::isBlank(*line)) return std::nullopt;
        s.lines << *line;
    }
    return s;
}

QByteArray slipLine(const Slip& s) {
    QStringList lines;
    for (const QString& l : s.lines) lines << escaped(l);
    return QStringList{escaped(s.id), escaped(s.name), s.firstDraw.toString(Qt::ISODate), QString::number(s.draws),
                       QString::number(s.pricePerColumn, 'g', 12), lines.join(QLatin1Char('|'))}
        .join(QLatin1Char(';'))
        .toUtf8();
}

// The number an id of the form the book gives ("7") stands for; 0 for any other id.
int idNumber(const QByteArray& id) {
    bool ok = false;
    const int n = id.toInt(&ok);
    return ok && n > 0 ? n : 0;
}

} // namespace

SlipBook::LoadResult SlipBook::load(const QString& path) {
    LoadResult result;
    m_slips.clear();
    m_damaged.clear();
    m_lastId = 0;
    QByteArray bytes;
    try {
        if (!QFile::exists(path)) return result;
        bytes = SafeFile::readAll(path, MaxFileBytes);
    } catch (const FileError& e) {
        result.error = e.message();
        return result;
    }
    std::set<QString> ids;
    const QList<QByteArray> lines = rawLines(bytes);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& raw = lines[i];
        if (raw.trimmed().isEmpty() || (i == 0 && raw == Header)) continue;
        if (raw.startsWith(LastIdMark)) {
            m_lastId = std::max(m_lastId, idNumber(raw.mid(LastIdMark.size())));
            continue;
        }
        // Every id the file holds stays taken, a damaged line's too.
        m_lastId = std::max(m_lastId, idNumber(raw.left(raw.indexOf(';'))));
        std::optional<Slip> slip = parseSlip(raw);
        if (!slip || !ids.insert(slip->id).second) {
            m_damaged << raw;
            result.damagedLines << QString::fromUtf8(raw);
            continue;
        }
        m_slips.push_back(std::move(*slip));
    }
    return result;
}

QString SlipBook::save(const QString& path) const {
    QByteArray bytes = Header + "\r\n" + LastIdMark + QByteArray::number(m_lastId) + "\r\n";
    for (const Slip& s : m_slips) bytes += slipLine(s) + "\r\n";
    for (const QByteArray& raw : m_damaged) bytes += raw + "\r\n";
    try {
        SafeFile::replace(path, bytes);
    } catch (const FileError& e) {
        return e.message();
    }
    return {};
}

QString SlipBook::add(Slip slip) {
    slip.id = QString::number(++m_lastId);
    m_slips.push_back(std::move(slip));
    return m_slips.back().id;
}

void SlipBook::replace(int index, Slip slip) {
    Slip& kept = m_slips.at(static_cast<std::size_t>(index));
    slip.id = kept.id;
    kept = std::move(slip);
}

void SlipBook::remove(int index) {
    m_slips.erase(m_slips.begin() + index);
}

} // namespace Slips

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
        for (; next < ledger.checks.size() && ledger.checks[next].slip == row.slip; ++next) {
            const Slips::DrawCheck& c = ledger.checks[next];
            row.check = static_cast<int>(next);
            ++row.draw;
            row.date = c.date;
            row.columns = c.columns;
            row.stake = c.money.stake;
            ledger.rows.push_back(row);
        }
        if (row.draw >= slip.draws) continue;
        row.check = -1;
        row.columns = Slips::columnsOf(slip, tables);
        row.stake = row.columns * slip.pricePerColumn;
        row.date = NextDraw::drawDayAfter(row.date.isValid() ? row.date : slip.firstDraw.addDays(-1));
        while (row.draw < slip.draws) {
            ++row.draw;
            ledger.rows.push_back(row);
            row.date = NextDraw::drawDayAfter(row.date);
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
    return c ? Winnings::moneyText(c->money) : tr("offen");
}

QString totalsText(const Slips::Totals& totals, int openDraws, double openStake) {
    const Chance::Money& m = totals.money;
    QString text = tr("Einsatz %1, Gewinn %2, Saldo %3")
                       .arg(Winnings::euros(m.stake), Winnings::moneyText(m), Winnings::euros(m.balance()));
    const int unknown = static_cast<int>(m.unknownWins);
    if (unknown > 0)
        text += QCoreApplication::translate("SlipLedger", " (ohne %n Gewinnreihe(n) unbekannter Quote)", nullptr, unknown);
    text += QStringLiteral(" · ");
    text += tr("derselbe Einsatz bringt im Mittel %1")
                .arg(totals.expectedReturn ? Winnings::euros(*totals.expectedReturn) : tr("unbekannt"));
    if (openDraws > 0)
        text += QStringLiteral(" · ") + QCoreApplication::translate("SlipLedger", "%n Ziehung(en) offen, Einsatz %1",
                                                                   nullptr, openDraws)
                                              .arg(Winnings::euros(openStake));
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
                             Winnings::euros(row.stake),
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
