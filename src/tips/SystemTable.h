#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The rows of the loaded reduced-system table. Row r (1..Capacity) is line r of a table file
// "vew/<code>.txt": character k stands for the k-th number of the tip line, and a lower-case
// "x" puts that number into the row. rowCount is the number of rows the table has; after the
// full system was chosen it is the number of rows that system plays, while the rows stay empty.
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

    // r from 1 to Capacity.
    const QString& row(int r) const { return m_rows[static_cast<size_t>(r)]; }
    const Marks& marks(int r) const { return m_marks[static_cast<size_t>(r)]; }
    void setRow(int r, const QString& text);
    // Every row empty; rowCount stays.
    void clearRows();
    // The highest position (1-based) a row of 1..rowCount marks: the number of numbers a tip
    // line of this table has. 0 when no row marks anything.
    int highestPosition() const;

    struct LoadResult {
        int rowsRead = 0;     // lines taken as rows (at most Capacity)
        int linesIgnored = 0; // lines beyond Capacity that were dropped
    };
    // Reads the file into rows 1, 2, ... (every line a row, an empty one too) and sets
    // rowCount to the rows read. A file of more than Capacity lines keeps its first Capacity
    // lines and reports the rest as ignored. Throws FileError when the file cannot be read.
    LoadResult load(const QString& path);

private:
    // Index 0 unused, so that row r is element r.
    std::vector<QString> m_rows;
    std::vector<Marks> m_marks;
    int m_rowCount = 0;
};

// The selector logic of the system kind: which entry fits a tip size, what a change of the
// selector's text does to the table, and the texts the status bar shows.
namespace SystemChoice {

// German source; shown through translated() (base/Tr.h).
inline const QString ChooseText = QString::fromUtf8(QT_TRANSLATE_NOOP("SystemChoice", "Wählen Sie Ihre Spielsystem"));

// C(n, 6): the rows one full system of n numbers plays (7, 28, 84, 210, 462, 924 for
// n = 7..12; 1 for 6; 0 below 6).
int fullSystemRows(int n);

// Second status panel after a table was loaded ("12Tippreihen pro Tipp!", no blank) and after
// the full system was chosen ("28 Tippreihen pro Tipp!").
QString tableRowsText(int rowCount);
QString fullSystemRowsText(int rowCount);

// The size step: the one selector entry that fits n numbers per tip, and the new position
// and maximum of the tips per ticket.
struct SizeStep {
    QString entry;
    int ticketsPosition = 0;
    int ticketsMaximum = 0;
};
SizeStep sizeStep(int n, int ticketsPosition);

// File of a reduced-system code: dataDirectory + "vew/" + code + ".txt", where dataDirectory
// holds the files shipped with the program (Paths::dataDirectory). None for a code
// that would leave the vew directory (a path separator, or a NUL character), so text typed
// into the selector never reaches other files.
std::optional<QString> tablePath(const QString& dataDirectory, const QString& code);

// The change step for the selector text t with n numbers per tip. The caller clears the first
// status panel before and then applies the outcome.
struct ChangeStep {
    // New text of the second status panel; none when the panel keeps its text.
    std::optional<QString> status;
    // The tip list must be checked again (a reduced system was chosen).
    bool recheck = false;
    // Lines of an over-long table file that were not loaded (0 normally).
    int linesIgnored = 0;
    QString tablePath;
};
// Clears the rows, then: a text with ":" loads the table of the code after the first ":"
// (rowCount 0 when there is no such file); exactly "Vollsystem" sets rowCount to C(n, 6);
// any other text leaves rowCount as it is. Throws FileError when an existing table cannot be
// read; the rows are then empty and rowCount is 0.
ChangeStep changeStep(const QString& selectorText, int n, const QString& dataDirectory,
                      SystemTable& table);

// A warning for the user when a table file was longer than the table can hold.
QString tooManyLinesText(const QString& path, int linesIgnored);

} // namespace SystemChoice
