#pragma once
#include "app/Form1Ui.h"
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

// The main window. Its operations are named after the control events that start them; the
// methods of one subject share a file.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // A portable program in programDirectory: every file lives there.
    TForm1(const QString& programDirectory, Platform platform, QWidget* parent = nullptr);
    TForm1(Paths paths, Platform platform, QWidget* parent = nullptr);
    ~TForm1() override;

    const Form1Ui& controls() const { return ui; }

    void FormCreate();
    void FormActivate();
    // False when the user chose to keep the program open after a failed save.
    bool FormClose();
    void Handbuch1Click();
    QString aboutText() const;

    // The values without a control are held until they are saved.
    void applySettings(const ProgramSettings& settings);
    ProgramSettings collectSettings() const;

    void BitBtn4Click();      // "Löschen": remove the current draw
    void BitBtn8Click();      // "Eingeben": manual draw entry
    void browse(bool forward); // the next or previous draw

    void QuintaraClick();     // update the history from the draw results server
    void SpeedButton8Click(); // stop the update at once
    bool downloadRunning() const;
    // scheme://host:port of the draw results server: the command line's, else the setting's.
    QString drawServerAddress() const;
    void setServerOverride(const QString& address) { m_serverOverride = address; }
    void setDownloadTimeout(std::chrono::milliseconds timeout) { m_downloadTimeout = timeout; }
    void showNextDraw();
    // Offers to leave the old local server (once per installation), then updates when the
    // player wants it and a draw is due.
    void startUpUpdate();
    bool drawMissing() const;
    // The date of the newest stored draw; 0 when there is none or the history cannot be read.
    double newestDrawDate() const;

    void SpeedButton2Click();  // number frequencies
    void runSearch(int runLength); // pairs, runs of three or four
    void Button5Click();       // overdue numbers
    void SpeedButton9Click();  // cross-sum distribution
    void Button6Click();       // tip distribution
    void SpeedButton4Click();  // tip test over the history; stops the test while it runs
    void showChartPage();
    void exportChart(bool svg);
    QStringList tipLines() const;

    void SpeedButton5Click(); // load the draw of the evaluation date and check the list
    // Checks the whole tip list against the current draw; `announce`: the win sounds and the
    // first status panel (not when the lists are only shown again in another language).
    int Komplettcheck(bool announce = true);
    void Zettelcheck(const QString& line);
    // Shows a system designation ("Normal", "Vollsystem", "VEW:609") without running the change step.
    void setSelectorText(const QString& text);
    SystemTables systemTables() { return {&m_systemTable, &m_systemTables}; }

    void UpDown18Click();   // the system size changed (arrows, or a size typed into Edit5)
    void ComboBox1Change(); // the system selector changed
    void restoreStoredSystem();

    void SpeedButton13Click(); // the seed of the random generator
    void BitBtn9Click(); // replay the generator over the history; stops the replay while it runs
    bool analysisRunning() const { return m_analysisRunning; }

    // False when a draw of the analysis window (from < date <= to) reached minHits.
    bool Secheroderfuenfer(const QString& tip, int minHits);
    // False when one of the recent draws reached minHits.
    bool kurzzeitCheck(const QString& tip, int minHits, int drawCount);
    // The weekday, afterDate, each number after two blanks, beforeAdditional, the additional number.
    static QString drawText(const CurrentDraw& draw, const QString& afterDate,
                            const QString& beforeAdditional);

    void SpeedButton15Click(); // save the tip list as a tip file
    void SpeedButton16Click(); // load a tip file into the tip list
    void BitBtn7Click();       // write the tip text Tipp.txt and open it
    void TippDruckClick();     // print preview of the tip text: print, or save as PDF
    // The tip list as the slips take it, grouped by "Tipps pro Schein", for the next draw.
    TipFiles::TipSheet tipSheet() const;
    QStringList tipText() const;
    void saveTipList(); // throws FileError

    void Deutsch1Click();
    void Englichen1Click();
    void Grichisch1Click();
    void Dateiladen1Click();       // apply the selected translation file to every window
    void InDateispeichern1Click(); // write a translation template of every window
    // The main window, then the windows it owns, in creation order (the number choice window too).
    QList<QWidget*> ownedWindows();

    void Label28Click(); // the generation run
    RuleOptions ruleOptions() const;
    PoolOptions poolOptions() const;
    bool generating() const { return m_generating; }

    AnalysisReport* report(); // made on first use
    void ruleBackTestClick();
    void historyExportClick();
    void historyImportClick();
    void tipsExportClick();
    Chance::TipShape tipShape() const; // how one tip of the list is scored for chance
    // Price of one row on one draw; none when the fee field holds no amount.
    std::optional<double> stakePerRow() const;
    // The prize tables the update keeps beside the history, or the source set here instead.
    // Null when no dividend is known at all.
    const DividendSource* dividendSource() const;
    void setDividendSource(const DividendSource* source) { m_dividends = source; }
    // Counts of the last run (or, after a historic analysis, of all its runs).
    const RuleCounts& reportedRuleCounts() const { return m_reportCounts; }
    const GenerationState& generation() const { return *m_generation; }

    void SlipSaveButtonClick(); // store the list, or its selected tips, as a slip for the next draw
    QString slipsPath() const { return m_paths.slipsPath(); }
    // The announced next draw, else the next draw day.
    QDate nextSlipDraw() const;

    void SlipsOpenButtonClick(); // "Meine Scheine": the slips window, read anew from the files
    SlipsWindow* slipsWindow();  // made on first use

    void SpeedEditClick();       // edit the selected tip in the number choice window
    void SpeedButton11Click();   // clear the tip list and the hit list
    void clearTipListWithUndo(); // the bin button: clear, keeping the tips for an undo
    void undoTipListClear();

    const QString& programDirectory() const { return m_paths.programDirectory(); }
    const Paths& paths() const { return m_paths; }
    QString historyPath() const { return m_paths.historyPath(); }
    QString prizeTablePath() const;
    QString nextDrawPath() const;
    QString winSoundFile() const { return m_paths.winSoundPath(); }
    DrawHistory history() const;
    const Platform& platform() const { return m_platform; }
    // The number choice window, made on first use (a generation run may replace it).
    TForm6* form6();
    bool activated() const { return m_activated; }

    int maxRuns() const { return m_maxRuns; } // attempts per tip of a generation run
    // False while a generation run is in progress: the tip list is not checked.
    bool evaluationEnabled() const { return m_evaluationEnabled; }
    void setEvaluationEnabled(bool enabled) { m_evaluationEnabled = enabled; }
    const QString& translationFile() const { return m_translationFile; }
    void setTranslationFile(const QString& path) { m_translationFile = path; }

    const CurrentDraw& currentDraw() const { return m_currentDraw; }
    const TicketResult& ticketResult() const { return m_ticketResult; }
    const HitTally& hitTally() const { return m_hitTally; }
    const SystemTable& systemTable() const { return m_systemTable; }
    DrawFilter drawFilter() const; // the analysis window

    // Runs an action, showing an error that ends it in the standard error box.
    bool runAction(const std::function<void()>& action);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // Connects a control's signal to an operation whose error is shown in the standard error box.
    // While a long operation runs, other actions are held back (whileBusy: the stop button).
    template <class Sender, class Signal>
    void bind(Sender* sender, Signal signal, std::function<void()> operation, bool whileBusy = false) {
        connect(sender, signal, this, [this, operation = std::move(operation), whileBusy] {
            if (m_busy && !whileBusy) return;
            runAction(operation);
        });
    }
    template <class Sender, class Signal>
    void bind(Sender* sender, Signal signal, void (TForm1::*operation)(), bool whileBusy = false) {
        bind(sender, signal, [this, operation] { (this->*operation)(); }, whileBusy);
    }

private:
    Form1Ui ui;
    ProgramSettings m_settings; // as read at start-up: the values without a control come from here
    int m_maxRuns = 100000;
    bool m_evaluationEnabled = false;
    QString m_translationFile;
    CurrentDraw m_currentDraw;
    ParsedTicket m_parsedTicket;
    TicketResult m_ticketResult;
    HitTally m_hitTally;
    SystemTable m_systemTable;
    class DownloadView;
    void downloadEnded(const struct DrawDownloadResult& result, const QString& address,
                       const std::vector<DrawRecord>& before);

    void connectControls();
    void showError(const QString& text);
    void showMessage(const QString& text);
    // `again` draws the statistic anew when the start date changes.
    void showStatistic(const Plot& plot, const std::vector<DrawRecord>& records, std::function<void()> again);
    std::function<void()> m_chartStatistic;
    bool historyCheck(const HistoryRecords& history, const QString& tip, int minHits,
                      const HistoryCheck::DateWindow& window);
    // The history file as it is now, for an action on the draw of the evaluation date. A missing
    // file is told to the player first; then `mustExist` throws FileError, else the answer is null.
    std::shared_ptr<const HistoryRecords> readDraws(bool mustExist);
    void showDrawOfDate(const HistoryRecords& history); // SpeedButton5Click on a reading
    // Label28Click on the reading of a run that goes on around it; null: reads the file.
    void generate(std::shared_ptr<const HistoryRecords> history);
    void showTipListStake();
    void restoreTipList();
    void applyStartupLanguage();
    QList<QWidget*> windowsMadeSoFar();
    // The selected translation file, applied to the windows made so far; false when there is none.
    bool applyTranslationFile();
    Chance::SimulationSettings chanceSettings(std::uint32_t seed) const;
    // The comparison with random tips of `shape` on the same rounds; `streamed` players have been
    // playing the rounds meanwhile and are only waited for.
    void showChanceComparison(const QString& title, const std::vector<Chance::Round>& rounds,
                              const std::array<std::int64_t, Chance::LevelCount>& actual, const Chance::Money& money,
                              std::uint32_t seed, const Chance::TipShape& shape,
                              Chance::StreamedPlayers* streamed = nullptr);
    // The slips checked on the draws stored now but not in `before`: the status line.
    QString checkSlipsOfNewDraws(const std::vector<DrawRecord>& before);
    // The same, its status line put in front of the first status panel.
    void showSlipChecks(const std::vector<DrawRecord>& before);
    std::vector<DrawRecord> storedDraws() const; // none when missing or unreadable
    void refreshSlipsWindow(); // an open slips window shows the book and draws as they are
    void forgetClearedTips();

    Paths m_paths;
    Platform m_platform;
    SystemTableSet m_systemTables; // the reduced-system tables by code, each read once
    TForm6* m_form6 = nullptr;
    bool m_activated = false;
    // A long operation (download, generation run) is going on: other actions wait.
    bool m_busy = false;
    bool m_analysisRunning = false;
    bool m_analysisStop = false;
    bool m_tipTestRunning = false;
    bool m_tipTestStop = false;
    QString m_serverOverride;
    std::chrono::milliseconds m_downloadTimeout{15000};
    std::unique_ptr<HttpGetter> m_http;
    std::shared_ptr<DownloadView> m_downloadView; // lives as long as the window: a run reports to it
    std::unique_ptr<class DrawDownload> m_download;
    bool m_closed = false;

    void selectLanguage(QAction* item, const QString& file);
    void selectMessageLanguage();
    bool m_tipListUnread = false; // tipps.txt existed but could not be read at start-up
    // The tip list as read from tipps.txt: saved unchanged it is not written again.
    std::optional<QStringList> m_tipListAsRead;
    void checkHistoryDamage();
    // Shutdown after a failed save: offers to keep the tips elsewhere. False: stay open.
    bool offerToKeepTips(const QString& failures, bool tipsLost);

    QPointer<AnalysisReport> m_report;
    const DividendSource* m_dividends = nullptr;
    mutable Winnings::PrizeTableFile m_prizeTables;
    RuleCounts m_reportCounts;
    QString m_reportCountsTitle;
    bool m_chanceRunning = false;
    std::atomic<bool> m_chanceStop{false};
    QPointer<SlipsWindow> m_slipsWindow;
    RuleCounts m_analysisCounts;

    friend class GenerationWindowHooks;
    std::unique_ptr<GenerationState> m_generation = std::make_unique<GenerationState>();
    bool m_generating = false;
    bool m_mirroringSelection = false;
    std::vector<int> m_lastLineHits; // of each line in the last whole-list check
    // The tips the bin button removed last, until the list changes again.
    QStringList m_clearedTips;
};

// The busy mouse cursor while the object lives.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
