#pragma once
#include "evaluation/Slips.h"
#include "gui/Dialogs.h"
#include "gui/Printing.h"
#include "history/DrawRecord.h"

#include <QDate>
#include <QDialog>
#include <QLineEdit>
#include <QSpinBox>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class BarChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTextBrowser;
class SlipTableModel;

// The window "Meine Scheine": every slip the player recorded, one row per draw it covers, with
// totals, the running balance and the hits of the selected row. The book is read from its file
// whenever the window shows it and again before every change, so a slip the main window added
// meanwhile is never lost.
class SlipsWindow : public QWidget {
    Q_OBJECT
public:
    // Where the window takes what it shows from; asked again on every reload.
    struct Sources {
        QString slipsPath;
        QString dataDirectory;   // holds vew/, the reduced-system tables
        QString dialogDirectory; // where file dialogs open
        std::function<std::vector<DrawRecord>()> history;
        std::function<const DividendSource*()> dividends; // null: every dividend unknown
    };

    SlipsWindow(Sources sources, std::shared_ptr<Dialogs> dialogs, std::shared_ptr<Printing> printing,
                QWidget* parent = nullptr);
    ~SlipsWindow() override;

    // Reads the book, the history and the prize tables again and shows the checks anew.
    void reload();

    void deleteClick(); // "SlipDelete": asks, then removes the selected row's slip
    void editClick();   // "SlipEdit": name, draws and price of the selected row's slip
    void exportClick(); // "SlipExport": the rows shown as CSV
    void printClick();  // "SlipPrint": the rows shown in the print preview

    const SlipLedger::Ledger& ledger() const { return m_ledger; }
    const std::vector<Slips::Slip>& slips() const { return m_slips; }
    // The ledger rows the filter shows, in table order.
    const std::vector<int>& shownRows() const { return m_shown; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void setTexts();
    // The rows of the filter, the totals and the chart, from the ledger as it is.
    void showRows();
    void showDetail();
    void showChart();
    // The ledger row of the table's current row; -1 when none is selected.
    int selectedRow() const;
    const Slips::Slip& slipOf(int ledgerRow) const;
    // The book as its file holds it now, and in `index` the place in it of the slip the selected
    // row belongs to. Null after an error was shown, or when that slip is gone from the file
    // (the window then shows the file as it is).
    std::unique_ptr<Slips::SlipBook> bookWithSelected(int& index);
    // Saves the changed book; shows the error, if any, and reloads either way.
    void saveBook(const Slips::SlipBook& book);

    Sources m_sources;
    std::shared_ptr<Dialogs> m_dialogs;
    std::shared_ptr<Printing> m_printing;

    std::vector<Slips::Slip> m_slips;
    SlipLedger::Ledger m_ledger;
    std::vector<int> m_shown;

    QLabel* m_filterLabel = nullptr;
    QComboBox* m_filter = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_print = nullptr;
    QTableView* m_table = nullptr;
    SlipTableModel* m_model = nullptr;
    QTextBrowser* m_detail = nullptr;
    BarChartView* m_chart = nullptr;
    QLabel* m_totalsLabel = nullptr;
    QLabel* m_fileNote = nullptr;
};

// Asks what a slip recorded as played needs besides its tips: for how many draws it is valid
// (1 to 10, from the next draw on) and its name. Shows the first draw and what one draw costs.
class SlipSaveDialog : public QDialog {
    Q_OBJECT
public:
    SlipSaveDialog(const QDate& firstDraw, int columns, double stakePerDraw, QWidget* parent = nullptr);

    int draws() const { return m_draws->value(); }
    QString name() const { return m_name->text().trimmed(); }

private:
    QSpinBox* m_draws = nullptr;
    QLineEdit* m_name = nullptr; // prefilled with the first draw's date
};
