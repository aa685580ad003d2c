#include "tips/SystemTable.h"

#include "base/TextFile.h"
#include "tips/TipLine.h"

#include <QFileInfo>
#include <algorithm>
#include <QCoreApplication>

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

SystemTable::LoadResult SystemTable::load(const QString& path) {
    clearRows();
    m_rowCount = 0;
    const QStringList lines = TextFile::readLines(path);
    LoadResult result;
    result.rowsRead = static_cast<int>(std::min<qsizetype>(lines.size(), Capacity));
    result.linesIgnored = static_cast<int>(lines.size()) - result.rowsRead;
    for (int r = 1; r <= result.rowsRead; ++r) setRow(r, lines[r - 1]);
    m_rowCount = result.rowsRead;
    return result;
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
            step.linesIgnored = table.load(*path).linesIgnored;
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

} // namespace SystemChoice
