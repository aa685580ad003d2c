#include "tips/SystemTable.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "tips/TipLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <bit>
#include <utility>

SystemTable::SystemTable() : m_rows(Capacity + 1), m_marks(Capacity + 1) {}

void SystemTable::setRow(int r, const QString& text) {
    m_rows[static_cast<size_t>(r)] = text;
    Marks& m = m_marks[static_cast<size_t>(r)];
    m.count = 0;
    const qsizetype n = std::min<qsizetype>(text.size(), MaxPositions);
    for (qsizetype k = 0; k < n; ++k)
        if (text[k] == QLatin1Char('x')) m.positions[m.count++] = static_cast<std::uint8_t>(k);
}

void SystemTable::clearRows() {
    for (QString& row : m_rows) row.clear();
    for (Marks& m : m_marks) m.count = 0;
}

int SystemTable::highestPosition() const {
    int highest = 0;
    for (int r = 1; r <= std::min(m_rowCount, Capacity); ++r) {
        const Marks& m = m_marks[static_cast<size_t>(r)];
        if (m.count > 0) highest = std::max(highest, m.positions[m.count - 1] + 1);
    }
    return highest;
}

int SystemTable::load(const QString& path) {
    clearRows();
    m_rowCount = 0;
    const QStringList lines = TextFile::readLines(path);
    const int rows = static_cast<int>(std::min<qsizetype>(lines.size(), Capacity));
    for (int r = 1; r <= rows; ++r) setRow(r, lines[r - 1]);
    m_rowCount = rows;
    return static_cast<int>(lines.size()) - rows;
}

SystemTableSet::SystemTableSet(QString dataDirectory) : m_dataDirectory(std::move(dataDirectory)) {}

const SystemTable* SystemTableSet::table(const QString& code) {
    const auto found = m_tables.find(code);
    if (found != m_tables.end()) return found->second.get();
    std::unique_ptr<SystemTable> loaded;
    const std::optional<QString> path = SystemChoice::tablePath(m_dataDirectory, code);
    if (path && QFileInfo(*path).isFile()) {
        loaded = std::make_unique<SystemTable>();
        try {
            loaded->load(*path);
        } catch (const AppError&) {
            loaded.reset();
        }
    }
    return m_tables.emplace(code, std::move(loaded)).first->second.get();
}

QStringList SystemTableSet::codes() const {
    QStringList codes;
    const QDir vew(m_dataDirectory + QStringLiteral("vew"));
    for (const QFileInfo& file : vew.entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        codes << file.completeBaseName();
    return codes;
}

namespace SystemChoice {

int fullSystemRows(int n) {
    if (n < 6) return 0;
    // Exact for every n; the multiplicative form keeps each step a whole number.
    long long rows = 1;
    for (int i = 1; i <= 6; ++i) rows = rows * (n - 6 + i) / i;
    return static_cast<int>(std::min<long long>(rows, 0x7fffffff));
}

QString tableRowsText(int rowCount) {
    return QCoreApplication::translate("SystemChoice", "%1Tippreihen pro Tipp!").arg(rowCount);
}

QString fullSystemRowsText(int rowCount) {
    return QCoreApplication::translate("SystemChoice", "%1 Tippreihen pro Tipp!").arg(rowCount);
}

SizeStep sizeStep(int n, int ticketsPosition) {
    SizeStep step;
    // A single tip always gives three tips per ticket; a system keeps a smaller setting.
    step.ticketsPosition = n == 6 ? 3 : n > 6 ? std::min(ticketsPosition, 3) : ticketsPosition;
    step.ticketsMaximum = n > 6 ? 3 : 6;
    step.entry = n == 6 ? TipLine::Normal : TipLine::FullSystem;
    return step;
}

std::optional<QString> tablePath(const QString& dataDirectory, const QString& code) {
    if (code.contains(QLatin1Char('/')) || code.contains(QLatin1Char('\\')) || code.contains(QChar(0)))
        return std::nullopt;
    return dataDirectory + QStringLiteral("vew/") + code + QStringLiteral(".txt");
}

ChangeStep changeStep(const QString& selectorText, int n, const QString& dataDirectory,
                      SystemTable& table) {
    ChangeStep step;
    table.clearRows();
    const qsizetype colon = selectorText.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        const std::optional<QString> path = tablePath(dataDirectory, selectorText.mid(colon + 1));
        table.setRowCount(0);
        if (path && QFileInfo(*path).isFile()) {
            step.tablePath = *path;
            step.linesIgnored = table.load(*path);
        }
        step.status = tableRowsText(table.rowCount());
        step.recheck = true;
    } else if (selectorText == TipLine::FullSystem) {
        table.setRowCount(fullSystemRows(n));
        step.status = fullSystemRowsText(table.rowCount());
    }
    return step;
}

QString tooManyLinesText(const QString& path, int linesIgnored) {
    return QCoreApplication::translate("SystemChoice", "Die Systemtabelle \"%1\" hat mehr als %2 Zeilen; die übrigen %3 Zeilen werden "
                          "nicht verwendet.")
        .arg(path)
        .arg(SystemTable::Capacity)
        .arg(linesIgnored);
}

std::vector<Entry> entries(int n, SystemTableSet& tables) {
    const QString first = sizeStep(n, 0).entry;
    std::vector<Entry> list{{first, first == TipLine::Normal ? 1 : fullSystemRows(n)}};
    for (const QString& code : tables.codes()) {
        const SystemTable* table = tables.table(code);
        if (table && table->highestPosition() == n)
            list.push_back({TipLine::ReducedPrefix + code, table->rowCount()});
    }
    return list;
}

QString entryHint(int rows) {
    return QCoreApplication::translate("SystemChoice", "%n Tippreihe(n) pro Tipp", nullptr, rows);
}

} // namespace SystemChoice

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
            shares << tr("%1er in %2 %").arg(h).arg(locale.toString(
                100.0 * double(p.reaching[static_cast<std::size_t>(h)]) / double(p.cases), 'f', 1));
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
