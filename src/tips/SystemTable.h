#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
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

    struct LoadResult {
        int rowsRead = 0;
        int linesIgnored = 0; // lines beyond Capacity
    };
    // Every line a row, an empty one too; rowCount the rows read. Throws FileError.
    LoadResult load(const QString& path);

private:
    // Index 0 unused, so that row r is element r.
    std::vector<QString> m_rows;
    std::vector<Marks> m_marks;
    int m_rowCount = 0;
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

} // namespace SystemChoice
