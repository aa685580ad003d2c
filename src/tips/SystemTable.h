#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// The rows of the loaded reduced-system table. Row r (1..Capacity) is line r of a table file
// "vew/<code>.txt": character k stands for the k-th number of the tip line, and a lower-case
// "x" puts that number into the row. After the full system was chosen rowCount is the number
// of rows that system plays, while the rows stay empty.
class SystemTable {
public:
    static constexpr int Capacity = 1000;
    // A tip line has at most this many fields, so only these positions of a row can matter.
    static constexpr int MaxPositions = 26;

    // Zero-based positions below MaxPositions that a row marks, in order.
    struct Marks {
        std::array<std::uint8_t, MaxPositions> positions{};
        std::uint8_t count = 0;
    };

    SystemTable();

    int rowCount() const { return m_rowCount; }
    void setRowCount(int count) { m_rowCount = count; }

    const QString& row(int r) const { return m_rows[static_cast<size_t>(r)]; }
    const Marks& marks(int r) const { return m_marks[static_cast<size_t>(r)]; }
    void setRow(int r, const QString& text);
    void clearRows(); // rowCount stays
    // The highest position (1-based) a row marks: the numbers of a tip line of this table.
    int highestPosition() const;

    // Every line a row, an empty one too; rowCount the rows read. Returns the lines beyond
    // Capacity, which are ignored. Throws FileError.
    int load(const QString& path);

private:
    // Index 0 unused, so that row r is element r.
    std::vector<QString> m_rows;
    std::vector<Marks> m_marks;
    int m_rowCount = 0;
};

// The reduced-system tables that tip lines name by their designation ("610"), each read from
// its file in the vew directory the first time a line asks for it, so a line is never scored
// with whatever table the system selector loaded last.
class SystemTableSet {
public:
    // dataDirectory: where the vew directory lives (Paths::dataDirectory).
    explicit SystemTableSet(QString dataDirectory);

    // Null when the code names no table file that can be read.
    const SystemTable* table(const QString& code);
    // The codes of the table files in the vew directory, in ascending order.
    QStringList codes() const;

private:
    QString m_dataDirectory;
    std::map<QString, std::unique_ptr<SystemTable>> m_tables; // a null entry: no table
};

// The selector of the system kind.
namespace SystemChoice {

// German source; shown through translated() (base/Tr.h).
inline const QString ChooseText = QString::fromUtf8(QT_TRANSLATE_NOOP("SystemChoice", "Wählen Sie Ihre Spielsystem"));

// C(n, 6): the rows one full system of n numbers plays; 0 below 6.
int fullSystemRows(int n);

// Second status panel after a table was loaded ("12Tippreihen pro Tipp!", no blank) and after
// the full system was chosen ("28 Tippreihen pro Tipp!").
QString tableRowsText(int rowCount);
QString fullSystemRowsText(int rowCount);

// The selector entry that fits n numbers per tip, and the tips-per-ticket spin's new state.
struct SizeStep {
    QString entry;
    int ticketsPosition = 0;
    int ticketsMaximum = 0;
};
SizeStep sizeStep(int n, int ticketsPosition);

// dataDirectory + "vew/" + code + ".txt"; none for a code that would leave the vew directory,
// so text typed into the selector never reaches other files.
std::optional<QString> tablePath(const QString& dataDirectory, const QString& code);

// What a change of the selector's text does; the caller clears the first status panel before.
struct ChangeStep {
    std::optional<QString> status; // of the second panel; none: it keeps its text
    bool recheck = false;          // a reduced system was chosen: check the tip list again
    int linesIgnored = 0;          // of an over-long table file
    QString tablePath;
};
// Clears the rows, then: a text with ":" loads the table of the code after the first ":"
// (rowCount 0 when there is none); exactly "Vollsystem" sets rowCount to C(n, 6). Throws
// FileError when an existing table cannot be read; rowCount is then 0.
ChangeStep changeStep(const QString& selectorText, int n, const QString& dataDirectory,
                      SystemTable& table);

QString tooManyLinesText(const QString& path, int linesIgnored);

// One entry of the system selector's list: the designation it stands for ("Normal",
// "Vollsystem", "VEW:610") and the rows one tip of it plays.
struct Entry {
    QString value;
    int rows = 0;
};
// The selector's list for n numbers per tip: the size step's entry, then "VEW:<code>" for every
// table whose highest marked position is n, by code.
std::vector<Entry> entries(int n, SystemTableSet& tables);
QString entryHint(int rows);

} // namespace SystemChoice

// How good a reduced system is: for every count k of winning numbers among its base numbers,
// every choice of those k base numbers is tried, and the best row's hits are counted. The
// guarantee of k is the smallest best-row hit count over all choices.
namespace WheelReport {

struct Profile {
    int k = 0;
    std::int64_t cases = 0;                 // C(base, k)
    int guarantee = 0;                      // minimum best-row hits
    std::array<std::int64_t, 7> reaching{}; // cases whose best row has at least h hits
    // A choice of winning base positions (1-based) that gets only the guarantee.
    std::vector<int> weakest;
};

struct Report {
    int base = 0;                 // base numbers: the length of the longest row
    std::vector<QString> rows;    // the table's rows
    std::vector<Profile> profile; // k = 0 .. min(6, base)
    // The largest k >= 3 for which the guarantee is k itself (every such choice lies in one row).
    int fullGuarantee() const;
};

// The rows of a table file: each must mark exactly six positions with "x" within the first 26
// characters, and there must be one row at least and at most SystemTable::Capacity. Throws
// AppError naming the first bad line.
Report analyse(const QStringList& lines);
Report analyseFile(const QString& path);

// Plain text for the window, from k = 3 on.
QStringList describe(const Report& report);

// Calls f(mask) for every set of `size` positions out of 0..n-1 (as a bit set), in
// lexicographic order of the positions.
template <typename F> void forEachSubset(int n, int size, F&& f) {
    if (size == 0) {
        f(0u);
        return;
    }
    std::vector<int> pick(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) pick[static_cast<std::size_t>(i)] = i;
    for (;;) {
        std::uint32_t mask = 0;
        for (const int p : pick) mask |= 1u << p;
        f(mask);
        int i = size - 1;
        while (i >= 0 && pick[static_cast<std::size_t>(i)] == n - size + i) --i;
        if (i < 0) return;
        ++pick[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < size; ++j)
            pick[static_cast<std::size_t>(j)] = pick[static_cast<std::size_t>(j - 1)] + 1;
    }
}

} // namespace WheelReport
