#include "evaluation/Winnings.h"

#include "base/Lotto.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <algorithm>
#include <bit>
#include <utility>

namespace Winnings {

Chance::TipShape listShape(int size, SystemKind kind, const SystemTable& table) {
    Chance::TipShape shape;
    shape.numbers = size;
    if (kind != SystemKind::Reduced) return shape;
    for (int r = 1; r <= std::min(table.rowCount(), SystemTable::Capacity); ++r) {
        const SystemTable::Marks& m = table.marks(r);
        std::uint32_t mask = 0;
        for (int k = 0; k < std::min<int>(m.count, 6); ++k) mask |= 1u << m.positions[static_cast<std::size_t>(k)];
        if (mask != 0) shape.rows.push_back(mask);
    }
    return shape;
}

std::vector<std::uint64_t> Ticket::expandedColumns() const {
    std::vector<int> numbersInOrder;
    for (std::uint64_t m = numbers; m; m &= m - 1) numbersInOrder.push_back(std::countr_zero(m));
    const int n = static_cast<int>(numbersInOrder.size());
    const auto columnOf = [&](std::uint32_t positions) {
        std::uint64_t column = 0;
        for (int p = 0; p < n; ++p)
            if (positions >> p & 1) column |= std::uint64_t{1} << numbersInOrder[static_cast<std::size_t>(p)];
        return column;
    };
    std::vector<std::uint64_t> out;
    if (!shape.rows.empty()) {
        for (const std::uint32_t row : shape.rows) out.push_back(columnOf(row));
    } else if (n >= 6) {
        WheelReport::forEachSubset(n, 6, [&](std::uint32_t positions) { out.push_back(columnOf(positions)); });
    }
    return out;
}

std::optional<Ticket> ticketOf(const QString& line, const Chance::TipShape& listShape) {
    Ticket ticket;
    ticket.numbers = TipFiles::plainTip(line).numbers;
    const int count = std::popcount(ticket.numbers);
    if (count < 6) return std::nullopt;
    ticket.shape = listShape;
    if (!ticket.shape.rows.empty() && count != ticket.shape.numbers) ticket.shape.rows.clear();
    ticket.shape.numbers = count;
    return ticket;
}

PlayedLine playedLine(const QString& line, SystemTableSet& tables, const Chance::TipShape& fallback) {
    PlayedLine played;
    ParsedTicket parsed;
    const std::optional<QString> selector = parsed.parse(line);
    if (!selector || systemKindOf(*selector) != SystemKind::Reduced) {
        played.ticket = ticketOf(line, selector ? Chance::TipShape{} : fallback);
        return played;
    }
    if (const SystemTable* table = tables.table(parsed.systemCode))
        played.ticket = ticketOf(line, listShape(parsed.count, SystemKind::Reduced, *table));
    else
        played.missingTable = parsed.systemCode;
    return played;
}

std::vector<Ticket> ticketsOf(const QStringList& lines, SystemTableSet& tables, const Chance::TipShape& fallback) {
    std::vector<Ticket> tickets;
    for (const QString& line : lines)
        if (PlayedLine played = playedLine(line, tables, fallback); played.ticket)
            tickets.push_back(std::move(*played.ticket));
    return tickets;
}

Chance::TipShape listShapeOf(const QStringList& lines, SystemTableSet& tables, const Chance::TipShape& fallback) {
    for (const QString& line : lines)
        if (const PlayedLine played = playedLine(line, tables, fallback); played.ticket) return played.ticket->shape;
    return fallback;
}

ListStake listStake(const QStringList& lines, SystemTableSet& tables, const Chance::TipShape& fallback) {
    ListStake stake;
    for (const QString& line : lines) {
        const PlayedLine played = playedLine(line, tables, fallback);
        if (played.ticket)
            stake.columns += played.ticket->columns();
        else if (!played.missingTable.isEmpty() && !stake.missingTables.contains(played.missingTable))
            stake.missingTables << played.missingTable;
    }
    return stake;
}

QString euros(double amount) {
    return QCoreApplication::translate("Winnings", "%1 €").arg(QLocale().toString(amount, 'f', 2));
}

QString moneyText(const Chance::Money& m) {
    if (m.unknownWins == 0) return euros(m.knownReturn);
    if (m.knownReturn == 0) return QCoreApplication::translate("Winnings", "unbekannt");
    return QCoreApplication::translate("Winnings", "%1 + unbekannt").arg(euros(m.knownReturn));
}

void addMoney(Chance::Money& to, const Chance::Money& m) {
    to.stake += m.stake;
    to.knownReturn += m.knownReturn;
    to.unknownWins += m.unknownWins;
}

QString stakeText(const ListStake& stake, std::optional<double> pricePerColumn) {
    const int columns = static_cast<int>(std::min<std::int64_t>(stake.columns, 0x7fffffff));
    QString text = pricePerColumn
                       ? QCoreApplication::translate("Winnings", "Einsatz je Ziehung: %n Reihe(n) × %1 = %2", nullptr, columns)
                             .arg(euros(*pricePerColumn), euros(static_cast<double>(stake.columns) * *pricePerColumn))
                       : QCoreApplication::translate("Winnings", "Einsatz je Ziehung: %n Reihe(n) × Preis unbekannt", nullptr, columns);
    for (const QString& code : stake.missingTables)
        text += QStringLiteral("; ") + missingTableText(code);
    return text;
}

std::optional<double> pricePerColumn(const QString& feeText, bool bothDays) {
    QString text = feeText.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || value < 0) return std::nullopt;
    return bothDays ? value / 2 : value;
}

Result result(const Ticket& ticket, const Chance::Round& round, double pricePerColumn,
              const DividendSource* dividends) {
    Result r;
    const std::array<double, Chance::LevelCount> won = Chance::winningColumns(ticket.numbers, ticket.shape, round);
    for (std::size_t l = 0; l < won.size(); ++l) r.columns[l] = static_cast<std::int64_t>(won[l]);
    r.money = Chance::ticketMoney(ticket.numbers, ticket.shape, round, pricePerColumn, dividends);
    return r;
}

Chance::Money listMoney(const std::vector<Ticket>& tickets, const Chance::Round& round, double pricePerColumn,
                        const DividendSource* dividends) {
    Chance::Money total;
    for (const Ticket& t : tickets)
        addMoney(total, Chance::ticketMoney(t.numbers, t.shape, round, pricePerColumn, dividends));
    return total;
}

Chance::Round roundOf(const CurrentDraw& draw, int tips) {
    DrawRecord played;
    played.date = draw.date;
    for (int i = 0; i < 6; ++i)
        played.numbers[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(draw.numbers[static_cast<std::size_t>(i + 1)]);
    played.additional = static_cast<std::uint8_t>(draw.numbers[7]);
    return Chance::roundOf(played, tips);
}

QString winningText(const Chance::Money& m) {
    const QString amount = QLocale().toString(m.knownReturn, 'f', 2);
    if (m.unknownWins == 0) return QCoreApplication::translate("Winnings", "Gewinn: %1 €").arg(amount);
    if (m.knownReturn == 0) return QCoreApplication::translate("Winnings", "Gewinn: Quote unbekannt");
    const int unknown = static_cast<int>(m.unknownWins);
    return QCoreApplication::translate(
               "Winnings", "Gewinn: mindestens %1 € (für %n Gewinnreihe(n) ist die Quote unbekannt)", nullptr, unknown)
        .arg(amount);
}

bool prizesKnown(const DividendSource* dividends, const QDate& date) {
    return dividends && std::any_of(Tiers.begin(), Tiers.end(), [&](const std::pair<int, bool>& tier) {
               return dividends->dividend(date, tier.first, tier.second).has_value();
           });
}

QString tierText(const Result& r) {
    QStringList tiers;
    for (int level = Chance::LevelCount - 1; level >= 0; --level) {
        const std::int64_t columns = r.columns[static_cast<std::size_t>(level)];
        if (columns > 0)
            tiers << QCoreApplication::translate("Winnings", "%1 × %2").arg(columns).arg(Chance::levelName(level));
    }
    return QCoreApplication::translate("Winnings", "%1 = %2")
        .arg(tiers.join(QStringLiteral(", ")), moneyText(r.money));
}

QString listWinText(const Chance::Money& m, bool priceKnown) {
    if (!priceKnown) return QCoreApplication::translate("Winnings", "Gewinn: %1").arg(moneyText(m));
    return QCoreApplication::translate("Winnings", "Gewinn: %1 (Einsatz %2)").arg(moneyText(m), euros(m.stake));
}

void Tally::add(const Chance::Round& drawn, const HitTally& hits, const std::vector<Ticket>& tickets,
                double pricePerColumn, const DividendSource* dividends) {
    int tips = 0;
    for (int h = 0; h <= 6; ++h) {
        for (const bool z : {false, true}) {
            tips += hits.count(h, z);
            const int level = Chance::levelOf(h, z);
            if (level >= 0) levels[static_cast<std::size_t>(level)] += hits.count(h, z);
        }
    }
    Chance::Round round = drawn;
    round.tips = tips;
    rounds.push_back(round);
    addMoney(money, listMoney(tickets, round, pricePerColumn, dividends));
}

struct PrizeTableFile::Kept {
    QString path;
    FileStamp stamp;
    PrizeTable table;
    TierTableDividends<PrizeTable> source{table};
};

const DividendSource* PrizeTableFile::dividends(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISDIR(st.st_mode)) return nullptr;
    const FileStamp stamp = FileStamp::of(st);
    if (!m_kept || m_kept->path != path || !(m_kept->stamp == stamp)) {
        auto kept = std::make_shared<Kept>();
        kept->path = path;
        kept->stamp = stamp;
        try {
            kept->table = PrizeTable::readMending(path);
        } catch (const std::exception&) {
            return nullptr;
        }
        m_kept = std::move(kept);
    }
    return &m_kept->source;
}

} // namespace Winnings

namespace SlipTips {

std::vector<TipFiles::SlipTip> of(const QStringList& lines, SystemTableSet& tables, const Chance::TipShape& fallback,
                                  std::optional<double> pricePerRow) {
    std::vector<TipFiles::SlipTip> out;
    for (const QString& line : lines) {
        const Winnings::PlayedLine played = Winnings::playedLine(line, tables, fallback);
        if (!played.ticket || played.ticket->shape.rows.empty()) {
            TipFiles::SlipTip tip = TipFiles::plainTip(line);
            if (!played.missingTable.isEmpty())
                tip.note = QCoreApplication::translate("SlipTips", "Tabelle %1 fehlt: das System kann nicht "
                                                                   "aufgeschrieben werden")
                               .arg(played.missingTable);
            else if (played.ticket && played.ticket->shape.numbers > Lotto::DrawnNumbers) {
                const int rows = played.ticket->columns();
                const QString stake = pricePerRow ? QLocale().toString(rows * *pricePerRow, 'f', 2) + QStringLiteral(" €")
                                                  : QCoreApplication::translate("SlipTips", "unbekannt");
                tip.note = QCoreApplication::translate("SlipTips", "Vollsystem: %n Reihen, Einsatz %1", nullptr, rows)
                               .arg(stake);
            }
            out.push_back(tip);
            continue;
        }
        const std::vector<std::uint64_t> rows = played.ticket->expandedColumns();
        const int count = static_cast<int>(rows.size());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            TipFiles::SlipTip row;
            row.numbers = rows[r];
            std::vector<int> numbers;
            for (std::uint64_t m = rows[r]; m; m &= m - 1) numbers.push_back(std::countr_zero(m));
            row.line = TipLine::makeLine(numbers, TipLine::Normal);
            // The first row says where the rows come from.
            if (r == 0)
                row.note = QCoreApplication::translate("SlipTips", "%n Reihen aus %1", nullptr, count).arg(line);
            out.push_back(row);
        }
    }
    return out;
}

} // namespace SlipTips
