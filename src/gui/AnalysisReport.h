#pragma once
#include "base/Paths.h"
#include "generator/RuleReport.h"
#include "generator/TipGenerator.h"
#include "stats/ChanceBaseline.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class Dialogs;

// The report window: what chance would have done beside the last historic analysis or tip
// test, how the rules of the generator fared, how good a reduced system is, and the data in and
// out as CSV. The main window fills it and answers the buttons that need its history, tip list
// or options; the window answers the others itself (copying and saving what it shows, the
// reduced-system report), asking for files through `dialogs` in the directories of `paths`.
class AnalysisReport : public QWidget {
    Q_OBJECT
public:
    AnalysisReport(const Paths& paths, std::shared_ptr<Dialogs> dialogs, QWidget* parent = nullptr);

    QTabWidget* tabs = nullptr;

    QWidget* chancePage = nullptr;
    QLabel* chanceTitle = nullptr;
    QTableWidget* chanceTable = nullptr;
    QPlainTextEdit* chanceText = nullptr;
    QProgressBar* chanceProgress = nullptr;
    QPushButton* chanceStop = nullptr;
    QPushButton* chanceCopy = nullptr;
    QPushButton* chanceSave = nullptr;

    QWidget* rulePage = nullptr;
    QLabel* ruleTitle = nullptr;
    QTableWidget* ruleTable = nullptr;
    QPushButton* ruleBackTest = nullptr;
    QPushButton* ruleCopy = nullptr;
    QPushButton* ruleSave = nullptr;

    QWidget* wheelPage = nullptr;
    QComboBox* wheelCode = nullptr;
    QPushButton* wheelShow = nullptr;
    QPushButton* wheelOpen = nullptr;
    QPlainTextEdit* wheelText = nullptr;

    QWidget* dataPage = nullptr;
    QPushButton* historyExport = nullptr;
    QPushButton* historyImport = nullptr;
    QPushButton* tipsExport = nullptr;
    QLabel* dataText = nullptr;

    // What the chance page shows.
    struct ChanceView {
        QString title; // what was compared ("Historische Analyse ab 01.01.2015, 6 Tipps je Ziehung")
        std::array<std::int64_t, Chance::LevelCount> actual{};
        std::optional<std::array<double, Chance::LevelCount>> expected;
        Chance::SimulationResult simulation;
        int draws = 0;
        // Money of the tips played, and whether it was asked for.
        Chance::Money money;
        bool withMoney = false;
    };
    void startChance(const QString& title, int players);
    void showChance(const ChanceView& view);
    const ChanceView& chance() const { return m_chance; }
    QByteArray chanceCsv() const {
        return Chance::toCsv(m_chance.actual, m_chance.expected, m_chance.simulation);
    }

    void showRuleCounts(const QString& title, const RuleCounts& counts);
    void showBackTest(const RuleReport::BackTest& test);
    QByteArray ruleCsv() const;

    // The report of a reduced system: a code of vew/ (ownTable false) or a table file the
    // player chose. A faulty table is named on the page; throws AppError then.
    void showWheel(const QString& codeOrPath, bool ownTable);

    // After a switch of the messages' language: the window's own texts and the results it shows
    // in the new language. The titles and the data page's outcome came from outside; shownText
    // gives them in the new language.
    void retranslate(const std::function<QString(const QString&)>& shownText);

    // Shows the window in front, the first time centred over `over` and wholly inside the
    // screen's free area (smaller where the screen is); afterwards it opens where the player
    // left it.
    void showInside(const QWidget* over);

protected:
    // Escape closes the window, as it closes a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setTexts();
    // Runs what one of the window's own buttons does; a failure is shown in the error box.
    void reported(const std::function<void()>& action);
    void saveCsv(const QByteArray& csv, const QString& proposedName);

    Paths m_paths;
    std::shared_ptr<Dialogs> m_dialogs;
    std::optional<std::pair<QString, bool>> m_wheelShown; // what showWheel() showed last

    bool m_placed = false; // showInside() placed the window once
    QLabel* m_wheelLabel = nullptr;
    QString m_dataHelp;
    bool m_chanceStarted = false; // a comparison was started: its title replaced the placeholder
    bool m_chanceShown = false;   // ... and its result is shown
    std::optional<QString> m_countsTitle; // set once the rule counts are shown
    ChanceView m_chance;
    RuleCounts m_counts;
    std::optional<RuleReport::BackTest> m_backTest;
};
