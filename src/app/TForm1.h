#pragma once
#include "app/Form1Ui.h"
#include "evaluation/CurrentDraw.h"
#include "evaluation/Matching.h"
#include "generator/ProgramSettings.h"
#include "evaluation/Winnings.h"
#include "generator/TipGenerator.h"
#include "base/Paths.h"
#include "gui/Platform.h"
#include "stats/DrawFilter.h"
#include "stats/ChanceBaseline.h"
#include "stats/HistoryCheck.h"

#include <QMainWindow>
#include <QPointer>
#include <atomic>
#include <optional>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

class TForm6;
struct Plot;
class AnalysisReport;
class SlipsWindow;
class DrawHistory;

// The main window. It owns all working state; every operation is one of its methods, named
// after the control event that starts it. The methods of one subject share a file:
// TForm1_settings.cpp, TForm1_download.cpp, TForm1_generator.cpp, ...
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // A portable program in programDirectory: every file lives there.
    TForm1(const QString& programDirectory, Platform platform, QWidget* parent = nullptr);
    // The files where paths puts them (see Paths::forProgram).
    TForm1(Paths paths, Platform platform, QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls, by their names.
    const Form1Ui& controls() const { return ui; }

    // ---- Application frame (start-up, activation, shutdown, links) ----
    void FormCreate();
    void FormActivate();
    // False when the user chose to keep the program open after a failed save.
    bool FormClose();
    void Beenden1Click();
    void Label43Click();
    void Label52Click(QObject* sender);
    // ---- Help menu ----
    void Handbuch1Click();      // the manual, opened with the desktop's handler
    void UeberQuintara1Click(); // version, licence and data sources
    QString aboutText() const;

    // ---- Settings store ----
    // The controls show the settings; the values only kept are held until they are saved.
    void applySettings(const ProgramSettings& settings);
    // The settings as the controls show them now, with the values only kept.
    ProgramSettings collectSettings() const;

    // ---- Generator options: coupled spin limits, percentage label, attempt limit ----
    void UpDown3MouseDown(); // the maximum of matches caps the minimum
    void UpDown1MouseUp();   // the minimum of matches floors the maximum
    void UpDown16MouseUp();  // even and odd minimums never exceed six together
    void UpDown17MouseUp();
    void UpDown17MouseDown();
    void UpDown12Click(); // Label76 explains the frequency band
    void UpDown14Click();
    void UpDown13Click();
    void UpDown7Changing(); // MaxRuns from the position before the step

    // ---- Draw history ----
    void BitBtn4Click();      // "Löschen": remove the current draw
    void BitBtn8Click();      // "Eingeben": manual draw entry
    void SpeedButton6Click(); // previous draw
    void SpeedButton7Click(); // next draw

    void takeBrowsedDraw(const DrawRecord& record);
    void browse(bool forward);

    // ---- Draw download ----
    void QuintaraClick();     // update the history from the draw results server
    void SpeedButton8Click(); // stop the update at once
    bool downloadRunning() const;
    // scheme://host:port of the draw results server: the command line's, else the setting's.
    QString drawServerAddress() const;
    void setServerOverride(const QString& address) { m_serverOverride = address; }
    void setDownloadTimeout(std::chrono::milliseconds timeout) { m_downloadTimeout = timeout; }
    // The next draw and its jackpot from the stored announcement, in the window's language.
    void showNextDraw();
    // Once the window is shown: offers to leave the old local server for the operator's
    // service (once per installation), then updates when the player wants it and a draw is due.
    void startUpUpdate();
    // The newest stored draw is older than the last draw day before today.
    bool drawMissing() const;

    // ---- Statistics ----
    void SpeedButton2Click();  // number frequencies
    void SpeedButton20Click(); // options shortcut to the frequencies
    void Button2Click();       // pairs
    void Button3Click();       // runs of three
    void Button4Click();       // runs of four
    void Label66Click();
    void Label75Click();
    void Label69Click();
    void Button5Click();       // overdue numbers
    void SpeedButton21Click(); // options shortcut to the overdue numbers
    void SpeedButton9Click();  // cross-sum distribution
    void Label74Click();
    void Button6Click();      // tip distribution
    void SpeedButton4Click(); // tip test over the history; stops the test while it runs
    void showChartPage();
    void DiagrammPNGClick(); // the chart as a PNG picture
    void DiagrammSVGClick(); // the chart as an SVG drawing
    void exportChart(bool svg);
    void DateTimePicker2Change(); // the statistics' start date changed: the statistic shown is drawn again
    void ChartZoomClick();        // the value axis from 0, or zoomed onto the bars
    QStringList tipLines() const;

    // ---- Evaluation ----
    void SpeedButton5Click();              // load the draw of the evaluation date and check the list
    int Komplettcheck();                   // check the whole tip list against the current draw
    void Zettelcheck(const QString& line); // parse one tip line and check it against the current draw
    // Shows a system designation ("Normal", "Vollsystem", "VEW:609") in the selector, the full
    // system in the messages' language, without running its change step.
    void setSelectorText(const QString& text);
    // The tables the checks score with: a line's own code's table, else the selector's.
    SystemTables systemTables() { return {&m_systemTable, &m_systemTables}; }
    // TipListStake: what the tip list costs on one draw.
    void showTipListStake();

    // ---- System bets ----
    void UpDown18Click();   // the system size changed (arrows, or a size typed into Edit5)
    void ComboBox1Change(); // the system selector changed
    void restoreStoredSystem();

    // ---- Lucky number and historic analysis ----
    void SpeedButton13Click(); // set the seed of the random generator
    void BitBtn9Click();       // replay the generator over the history; stops the replay while it runs
    bool analysisRunning() const { return m_analysisRunning; }

    // ---- History checks of single candidate tips ----
    // False when a draw of the analysis window (from < date <= to) reached minHits.
    bool Secheroderfuenfer(const QString& tip, int minHits);
    // False when one of the recent draws reached minHits.
    bool kurzzeitCheck(const QString& tip, int minHits, int drawCount);
    // "DDD dd.mm.yy", the blanks after the date, each number after two blanks, the text before
    // the additional number, the additional number.
    static QString drawText(const CurrentDraw& draw, const QString& afterDate,
                            const QString& beforeAdditional);

    // ---- Tip files and tip text ----
    void SpeedButton15Click(); // save the tip list as a tip file
    void SpeedButton16Click(); // load a tip file into the tip list
    void BitBtn7Click();       // write the tip text Tipp.txt and open it
    void TippDruckClick();     // print preview of the tip text: print, or save as PDF
    // The tip list as the slips take it, grouped by "Tipps pro Schein", for the next draw.
    TipFiles::TipSheet tipSheet() const;
    QStringList tipText() const;
    void restoreTipList();     // start-up: tipps.txt into the tip list
    void saveTipList();        // shutdown: the tip list into tipps.txt; throws FileError

    // ---- Translation ----
    void Deutsch1Click();
    void Englichen1Click();
    void Grichisch1Click();
    void Dateiladen1Click();       // apply the selected translation file to every window
    void InDateispeichern1Click(); // write a translation template of every window
    void applyStartupLanguage();   // the checked language's file, applied to the windows there are
    // The main window, then the windows it owns, in creation order (the number choice window
    // is made for it when not there yet).
    QList<QWidget*> ownedWindows();
    // The same, of the windows made so far.
    QList<QWidget*> windowsMadeSoFar();
    // The selected translation file, applied to the windows made so far, which are named for
    // screen readers in its language; false when no file is selected or it is gone.
    bool applyTranslationFile();

    // ---- Tip generation ----
    void BitBtn19Click(); // "Tipps berechnen"
    void Label28Click();  // the generation run
    // The option controls as the rules and the pool phase read them.
    RuleOptions ruleOptions() const;
    PoolOptions poolOptions() const;
    // The last three draws, stepping back from the draw of the evaluation date; the current
    // draw is that draw again afterwards.
    RecentDraws takeRecentDraws();
    bool generating() const { return m_generating; }

    // The report window: chance beside the results, rule reports, reduced systems, CSV.
    void AnalysisReportClick();
    AnalysisReport* report();
    void ruleBackTestClick();
    void historyExportClick();
    void historyImportClick();
    void tipsExportClick();
    // How one tip of the list is scored for the chance comparison: the size and system of the
    // tip selector, with the rows of the loaded reduced system.
    Chance::TipShape tipShape() const;
    // Price of one row on one draw from the fee fields ("Sa.od.Mi." for one draw day, "Sa u.Mi"
    // for both, per week); none when the field holds no amount.
    std::optional<double> stakePerRow() const;
    // The dividends the money is computed from: the prize tables the update keeps beside the
    // history (read again when the file changed), or the source set here instead. Null when
    // no dividend is known at all.
    const DividendSource* dividendSource() const;
    void setDividendSource(const DividendSource* source) { m_dividends = source; }
    // The random players' settings for a comparison with this seed: stake and prize tables as
    // the window has them now.
    Chance::SimulationSettings chanceSettings(std::uint32_t seed) const;
    // Shows the comparison with chance in the report window: random tips of `shape` on the same
    // rounds. The players are simulated now, or, when `streamed` is given (playing that shape),
    // have been playing the rounds while they were produced and are only waited for.
    void showChanceComparison(const QString& title, const std::vector<Chance::Round>& rounds,
                              const std::array<std::int64_t, Chance::LevelCount>& actual, const Chance::Money& money,
                              std::uint32_t seed, const Chance::TipShape& shape,
                              Chance::StreamedPlayers* streamed = nullptr);
    // Counts of the last run (or, after a historic analysis, of all its runs).
    const RuleCounts& reportedRuleCounts() const { return m_reportCounts; }
    const GenerationState& generation() const { return *m_generation; }

    // ---- Played slips ----
    void SlipSaveButtonClick(); // store the list, or its selected tips, as a slip for the next draw
    // The slips file in the player's directory (evaluation/Slips).
    QString slipsPath() const { return m_paths.slipsPath(); }
    // The draw a slip recorded now starts with: the announced next draw, else the next draw day.
    QDate nextSlipDraw() const;
    // Checks the slips on the draws that are stored now but were not in `before`; plays the win
    // sound for a win. Returns the status line (empty when no slip covers a new draw).
    QString checkSlipsOfNewDraws(const std::vector<DrawRecord>& before);
    // The same, its status line put in front of the first status panel.
    void showSlipChecks(const std::vector<DrawRecord>& before);
    // Every draw of the history; none when it is missing or cannot be read.
    std::vector<DrawRecord> storedDraws() const;

    // ---- Slips window ----
    void SlipsOpenButtonClick(); // "Meine Scheine": the slips window, read anew from the files
    SlipsWindow* slipsWindow();  // made on first use
    // An open slips window shows the book and the draws as they are now.
    void refreshSlipsWindow();

    // ---- Tip list editing ----
    void SpeedEditClick();     // edit the selected tip in the number choice window
    void SpeedButton11Click(); // clear the tip list and the hit list
    void clearTipListWithUndo(); // the bin button: clear, keeping the tips for an undo
    void undoTipListClear();     // the undo button: the cleared tips back
    void forgetClearedTips();
    // A selection made in either list is mirrored in the other.
    void ListBox1MouseDown();
    void ListBox2MouseDown();

    // ---- State ----
    const QString& programDirectory() const { return m_paths.programDirectory(); }
    const Paths& paths() const { return m_paths; }
    QString historyPath() const { return m_paths.historyPath(); }
    // The prize tables of the downloaded draws, beside the history.
    QString prizeTablePath() const;
    // The next draw the operator announced, beside the prize tables.
    QString nextDrawPath() const;
    QString winSoundFile() const { return m_winSoundFile; }
    DrawHistory history() const;
    // The window's cached view of its history file, for the lookups a generation run repeats
    // (draw lookup, pool statistics, history checks). Lives as long as the window; replaced
    // when the history path changes.
    HistorySnapshot& historySnapshot();
    const Platform& platform() const { return m_platform; }
    // The number choice window, made on first use (a generation run may replace it).
    TForm6* form6();
    bool activated() const { return m_activated; }

    // Attempts per tip of a generation run.
    int maxRuns() const { return m_maxRuns; }
    // False while a generation run is in progress: the operations it calls do not check the
    // tip list.
    bool evaluationEnabled() const { return m_evaluationEnabled; }
    void setEvaluationEnabled(bool enabled) { m_evaluationEnabled = enabled; }
    // The translation file, as the open dialog names it.
    const QString& translationFile() const { return m_translationFile; }
    void setTranslationFile(const QString& path) { m_translationFile = path; }

    const CurrentDraw& currentDraw() const { return m_currentDraw; }
    const TicketResult& ticketResult() const { return m_ticketResult; }
    const HitTally& hitTally() const { return m_hitTally; }
    const SystemTable& systemTable() const { return m_systemTable; }
    // The analysis window as the controls set it.
    DrawFilter drawFilter() const;

    // Runs an action, showing an error that ends it in the standard error box.
    bool runAction(const std::function<void()>& action);
    void showError(const QString& text);
    void showMessage(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // Connects a control's signal to an operation; an error the operation raises ends it and is
    // shown in the standard error box, as for every action the user starts.
    // While a long operation runs, other actions are held back (whileBusy: the stop button).
    template <class Sender, class Signal>
    void bind(Sender* sender, Signal signal, void (TForm1::*operation)(), bool whileBusy = false) {
        connect(sender, signal, this, [this, operation, whileBusy] {
            if (m_busy && !whileBusy) return;
            runAction([this, operation] { (this->*operation)(); });
        });
    }

private:
    Form1Ui ui;
    ProgramSettings m_settings; // as read at start-up: the values only kept come from here
    int m_maxRuns = 100000;
    bool m_evaluationEnabled = false;
    QString m_translationFile;
    CurrentDraw m_currentDraw;
    ParsedTicket m_parsedTicket;
    TicketResult m_ticketResult;
    HitTally m_hitTally;
    SystemTable m_systemTable;
    class DownloadView;
    // The end of an update run: the next draw, the outcome in the status bar, an error shown.
    void downloadEnded(const struct DrawDownloadResult& result, const QString& address,
                       const std::vector<DrawRecord>& before);

    // Komplettcheck; `announce`: the win sound of each winning line and the first status panel
    // (not when the lists are only shown again in another language).
    int checkTipList(bool announce);
    void connectControls();
    // Puts a statistic of the analysis window into the chart; `again` draws it anew when the
    // start date changes.
    void showStatistic(const Plot& plot, const std::vector<DrawRecord>& records, void (TForm1::*again)());
    void (TForm1::*m_chartStatistic)() = nullptr;
    void connectOptions();
    void connectGenerator();
    void runSearch(int runLength);
    bool historyCheck(const QString& tip, int minHits, const HistoryCheck::DateWindow& window);

    Paths m_paths;
    Platform m_platform;
    // The reduced-system tables by code, each read once, for the lines that name their system.
    SystemTableSet m_systemTables;
    QString m_winSoundFile;
    TForm6* m_form6 = nullptr;
    bool m_activated = false;
    // A long operation (download, generation run) is going on: other actions wait.
    bool m_busy = false;
    bool m_analysisRunning = false;
    bool m_analysisStop = false;
    bool m_tipTestRunning = false;
    bool m_tipTestStop = false;
    QString m_serverOverride;
    // The question about leaving the old local server was asked (a setting).
    bool m_serverQuestionAsked = false;
    std::chrono::milliseconds m_downloadTimeout{15000};
    std::unique_ptr<HttpGetter> m_http;
    std::shared_ptr<DownloadView> m_downloadView; // lives as long as the window: a run reports to it
    std::unique_ptr<class DrawDownload> m_download;
    std::unique_ptr<HistorySnapshot> m_historySnapshot;
    bool m_closed = false;

    // Tip files and translation.
    void connectTipFiles();
    void connectSlips();
    void connectLanguage();
    void selectLanguage(QAction* item, const QString& file);
    // The messages' language after the selected translation file, applied to what is shown.
    void selectMessageLanguage();
    // tipps.txt existed but could not be read at start-up.
    bool m_tipListUnread = false;
    // The tip list as read from tipps.txt: saved unchanged it is not written again, so a file
    // the program did not write itself keeps its bytes.
    std::optional<QStringList> m_tipListAsRead;
    // Start-up: the history's damage is reported (and a repair offered) once.
    void checkHistoryDamage();
    // Shutdown after a failed save: offers to keep the tips elsewhere. False: stay open.
    bool offerToKeepTips(const QString& failures, bool tipsLost);

    // The report window and what it shows.
    QPointer<AnalysisReport> m_report;
    const DividendSource* m_dividends = nullptr;
    mutable Winnings::PrizeTableFile m_prizeTables;
    RuleCounts m_reportCounts;
    QString m_reportCountsTitle;
    bool m_chanceRunning = false;
    std::atomic<bool> m_chanceStop{false};
    void connectReport();
    QPointer<SlipsWindow> m_slipsWindow;
    void connectSlipsWindow();
    void noteRuleCounts(GenerationResult result);
    RuleCounts m_analysisCounts;

    // Generation run state: the candidate, the ticket table and the attempt count.
    friend class GenerationWindowHooks;
    std::unique_ptr<GenerationState> m_generation = std::make_unique<GenerationState>();
    bool m_generating = false;
    bool m_mirroringSelection = false;
    // Hits of each line in the last whole-list check.
    std::vector<int> m_lastLineHits;
    // The tips the bin button removed last, until the list changes again.
    QStringList m_clearedTips;
};

// Busy mouse cursor for the lifetime of the object.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
