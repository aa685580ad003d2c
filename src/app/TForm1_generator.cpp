// The generation run: the preference pool from the chart statistics, the drawing loop with the
// history checks of its candidates, and the options it reads.
#include "app/TForm1.h"
#include "base/Lotto.h"
#include "base/Tr.h"
#include "generator/KeptTips.h"
#include "gui/AnalysisReport.h"
#include "gui/EventPulse.h"
#include "gui/TForm6.h"
#include "history/DrawBrowsing.h"
#include "stats/HistoryRecords.h"
#include "stats/Plot.h"
#include "stats/Statistics.h"

#include <QScopeGuard>

namespace {

// The statistics of the pool phase, computed as their chart buttons do and read back from the
// chart. Nothing is painted before the phase ends: neither the chart page nor each status text.
class ChartPoolSource : public PoolSource {
public:
    ChartPoolSource(TForm1& form, const HistoryRecords& history) : m_form(form), m_history(history) {}

    StatisticBars compute(PoolStatistic statistic) override {
        return computeStatistic(*m_form.controls().Chart1->model(), m_history, m_form.drawFilter(), statistic);
    }

    void status(const QString& text) override { m_status = text; }
    void showStatus() {
        if (!m_status.isEmpty()) m_form.controls().StatusBar1->setPanelText(1, m_status);
        m_status.clear();
    }

private:
    TForm1& m_form;
    const HistoryRecords& m_history;
    QString m_status;
};

} // namespace

// The window's side of the drawing loop. Showing the candidate and taking the user's input cost
// far more than testing one, so they happen at most every event pulse; the random sequence does
// not depend on when they happen.
class GenerationWindowHooks : public GenerationHooks {
public:
    GenerationWindowHooks(TForm1& form, const HistoryRecords& history, int n)
        : m_form(form), m_history(history), m_n(n) {}

    bool candidateDrawn(int t, const CandidateTip& tip, int qs, int, RuleOptions& options) override {
        // Looking at the clock every candidate would cost more than the cheap rules do.
        if (++m_sinceLook < 16) return true;
        m_sinceLook = 0;
        if (!m_pulse.due()) return true;

        m_form.ui.StatusBar1->setPanelText(1, candidateStatusText(t, tip, m_n, qs));
        if (m_lastRejected > 0) m_form.ui.StatusBar1->setPanelText(0, rejectionStatusText(m_lastRejected));
        m_pulse.pass();
        if (m_form.m_closed) return false;
        // The user may have changed an option meanwhile; the rules see the controls as they are.
        options = m_form.ruleOptions();
        return true;
    }

    void rejected(int runCount) override { m_lastRejected = runCount; }

    void pairRuleSwitchedOff() override { m_form.ui.CheckBox8->setChecked(false); }

    void accepted(int, const CandidateTip& tip) override {
        std::array<int, CandidateTip::MaxNumbers> numbers{};
        std::copy_n(tip.pos.begin() + 1, m_n, numbers.begin());
        m_form.ui.ListBox1->addItem(TipLine::makeLine(
            std::span<const int>(numbers.data(), static_cast<std::size_t>(m_n)), m_form.ui.selectorValue()));
    }

    bool allTime(QStringView text, int minHits) override {
        return m_form.historyCheck(m_history, QString::fromRawData(text.data(), text.size()), minHits,
                                   HistoryCheck::historyWindow(m_form.drawFilter()));
    }

    bool recent(QStringView text, int minHits, int drawCount) override {
        return m_form.historyCheck(m_history, QString::fromRawData(text.data(), text.size()), minHits,
                                   HistoryCheck::recentWindow(m_form.drawFilter(), drawCount));
    }

private:
    TForm1& m_form;
    const HistoryRecords& m_history;
    int m_n;
    EventPulse m_pulse;
    int m_sinceLook = 0;
    int m_lastRejected = 0;
};

RuleOptions TForm1::ruleOptions() const {
    RuleOptions o;
    o.maxMatchesOn = ui.CheckBox3->isChecked();
    o.maxMatches = ui.UpDown3->position();
    o.minMatchesOn = ui.CheckBox24->isChecked();
    o.minMatches = ui.UpDown1->position();
    o.everyPair = ui.CheckBox27->isChecked();
    o.forcePair = ui.CheckBox8->isChecked();
    o.noRunsOfThree = ui.CheckBox18->isChecked();
    o.crossSumLow = ui.UpDown2->position();
    o.crossSumHigh = ui.UpDown15->position();
    o.recentOn = {ui.CheckBox4->isChecked(), ui.CheckBox5->isChecked(), ui.CheckBox23->isChecked()};
    o.recentAllowance = {ui.UpDown4->position(), ui.UpDown5->position(), ui.UpDown11->position()};
    o.evenOn = ui.CheckBox25->isChecked();
    o.evenMin = ui.UpDown16->position();
    o.oddOn = ui.CheckBox26->isChecked();
    o.oddMin = ui.UpDown17->position();
    o.primesOn = ui.CheckBox22->isChecked();
    o.primesMin = ui.UpDown10->position();
    o.primeWidth = ui.UpDown18->position();
    o.historyOn = ui.CheckBox9->isChecked();
    o.historyHits = ui.UpDown6->position();
    o.recentChecks[0] = {ui.CheckBox30->isChecked(), ui.UpDown19->position(), ui.UpDown20->position()};
    o.recentChecks[1] = {ui.CheckBox31->isChecked(), ui.UpDown21->position(), ui.UpDown22->position()};
    o.maxRuns = m_maxRuns;
    return o;
}

PoolOptions TForm1::poolOptions() const {
    PoolOptions o;
    o.frequentPairs = ui.CheckBox1->isChecked();
    o.rarePairs = ui.CheckBox11->isChecked();
    o.frequentTriples = ui.CheckBox6->isChecked();
    o.rareTriples = ui.CheckBox12->isChecked();
    o.frequentQuads = ui.CheckBox7->isChecked();
    o.rareQuads = ui.CheckBox13->isChecked();
    o.frequentNumbers = ui.CheckBox2->isChecked();
    o.frequentPercent = ui.UpDown12->position();
    o.rareNumbers = ui.CheckBox14->isChecked();
    o.rarePercent = ui.UpDown14->position();
    o.overdue = ui.CheckBox10->isChecked();
    o.overduePercent = ui.UpDown13->position();
    o.lastDrawNeighbours = ui.CheckBox19->isChecked();
    o.onlyPreferred = ui.CheckBox15->isChecked();
    o.numbersPerTip = ui.UpDown18->position();
    o.excludeDraw = {ui.CheckBox4->isChecked() && ui.UpDown4->position() == 0,
                     ui.CheckBox5->isChecked() && ui.UpDown5->position() == 0,
                     ui.CheckBox23->isChecked() && ui.UpDown11->position() == 0};
    return o;
}

void TForm1::Label28Click() {
    generate(nullptr);
}

void TForm1::generate(std::shared_ptr<const HistoryRecords> history) {
    if (m_generating) return;
    m_generating = true;
    const bool wasBusy = m_busy;
    m_busy = true;

    const int n = ui.UpDown18->position();
    m_evaluationEnabled = false;
    m_maxRuns = ui.UpDown7->position() * 1000;
    const bool pairWasForced = ui.CheckBox8->isChecked();
    const std::pair<UpDown*, int> spins[] = {{ui.UpDown4, ui.UpDown4->position()},
                                             {ui.UpDown5, ui.UpDown5->position()},
                                             {ui.UpDown6, ui.UpDown6->position()}};
    // Every way out, an error included, undoes what the run changed in the options.
    const auto restore = qScopeGuard([&] {
        m_evaluationEnabled = true;
        if (ui.CheckBox8->isChecked() != pairWasForced) ui.CheckBox8->setChecked(pairWasForced);
        for (const auto& [spin, position] : spins)
            if (spin->position() != position) spin->setPosition(position);
        m_busy = wasBusy;
        m_generating = false;
    });

    std::optional<BusyCursor> busy(std::in_place);
    // The whole run works on one reading of the history file.
    if (!history) history = readDraws(true);
    // The last three draws back from the evaluation date, the current draw first; the two before
    // it step back over switched-off weekdays as the browse button does.
    RecentDraws recent;
    showDrawOfDate(*history);
    for (std::size_t i = 0; i < 8; ++i)
        recent.groups[0][i] = static_cast<std::uint8_t>(m_currentDraw.numbers[i + 1]);
    const std::vector<DrawRecord>& records = history->records;
    const DrawBrowsing::WeekdayRule rule{ui.CheckBox16->isChecked(), ui.CheckBox17->isChecked()};
    qint64 index = m_currentDraw.index;
    for (std::size_t group = 1; group <= 2; ++group) {
        if (const auto step = DrawBrowsing::back(records, index, rule); step.index) index = *step.index;
        if (!records.empty()) recent.groups[group] = records[static_cast<std::size_t>(index)].numberBytes();
    }
    // The history checks move the current draw; the list is evaluated against this one.
    const CurrentDraw chosenDraw = m_currentDraw;

    GenerationState& state = *m_generation;
    state.table.clear();
    int kept = 0;
    if (ui.CheckBox28->isChecked()) {
        SpeedButton11Click();
    } else {
        kept = ui.ListBox1->count();
        fillKeptRows(state.table, tipLines(), n, ui.selectorValue(), m_parsedTicket, m_ticketResult, systemTables(),
                     m_currentDraw);
    }
    state.runCount = 0;

    ChartPoolSource source(*this, *history);
    auto endInPoolPhase = [&](bool tooFew) {
        source.showStatus();
        busy.reset();
        if (tooFew) showMessage(translated("PreferencePool", TooFewNumbersText));
        ui.PageControl1->setCurrentWidget(ui.TabSheet6);
        ui.PageControl2->setCurrentWidget(ui.TabSheet8);
    };
    PreferencePool pool;
    if (buildPool(pool, poolOptions(), recent, source) == PoolOutcome::TooFewNumbers)
        return endInPoolPhase(true);
    if (ui.CheckBox20->isChecked()) {
        ui.PageControl1->setCurrentWidget(ui.TabSheet1);
        // A fresh window each time; it stays the program's number choice window.
        auto* chooser = new TForm6(m_platform, this);
        m_form6 = chooser;
        const std::array<int, Lotto::NumberSlots> weights = pool.weights();
        for (int k = 1; k <= Lotto::HighestNumber; ++k) {
            chooser->box(k)->setChecked(weights[static_cast<std::size_t>(k)] > 0);
            chooser->setHint(k, QString::number(weights[static_cast<std::size_t>(k)]));
        }
        source.showStatus();
        busy.reset();
        const int result = chooser->execute();
        if (result != TForm6::mrOk && result != TForm6::mrRetry) return endInPoolPhase(false);
        std::array<bool, Lotto::NumberSlots> ticked{};
        std::array<QString, Lotto::NumberSlots> texts;
        for (int k = 1; k <= Lotto::HighestNumber; ++k) {
            ticked[static_cast<std::size_t>(k)] = chooser->box(k)->isChecked();
            texts[static_cast<std::size_t>(k)] = chooser->hint(k);
        }
        // OK keeps the computed weights of the numbers left ticked; "Ändern" takes the hints' weights.
        if (result == TForm6::mrRetry)
            pool.rebuild(ticked, texts);
        else
            pool.keepTicked(ticked);
        busy.emplace();
    }
    // Too few numbers for a tip: drawing from them would never end.
    if (pool.distinctCount() < n) return endInPoolPhase(true);

    ui.StatusBar1->setPanelText(1, tr("Beginn der Tippberechnung"));
    ui.PageControl1->setCurrentWidget(ui.TabSheet1);
    m_maxRuns = ui.UpDown7->position() * 1000;
    RuleOptions options = ruleOptions();
    GenerationWindowHooks hooks(*this, *history, n);
    const GenerationResult result =
        generateTips(pool, recent, n, kept, ui.UpDown9->position(), options, state, hooks, Rng::program());

    m_evaluationEnabled = true;
    m_currentDraw = chosenDraw;
    Komplettcheck();
    // The history checks leave the chart empty; it shows the numbers of the new tips instead.
    BarChartModel* chart = ui.Chart1->model();
    if (!m_analysisRunning && chart->series2()->count() == 0)
        applyPlot(chart, Statistics::tipDistributionPlot(Statistics::tipDistribution(tipLines())));
    busy.reset();
    ui.StatusBar1->setPanelText(1,
                                result == GenerationResult::Complete
                                    ? tr("Tipps wurden neu berechnet")
                                    : tr("Ändern Sie die Parameter um alle Tipps zuberechnen"));
    const RuleCounts& counts = state.counts;
    if (m_analysisRunning) {
        // The historic analysis reports the counts of all its runs together.
        m_analysisCounts.candidates += counts.candidates;
        m_analysisCounts.passed += counts.passed;
        for (std::size_t r = 0; r < counts.rejectedBy.size(); ++r) m_analysisCounts.rejectedBy[r] += counts.rejectedBy[r];
        return;
    }
    m_reportCounts = counts;
    m_reportCountsTitle = tr("Letzter Lauf des Generators:");
    if (m_report) m_report->showRuleCounts(m_reportCountsTitle, m_reportCounts);
    if (result == GenerationResult::TipFailed && counts.rejected() > 0)
        showMessage(tr("Nicht alle Tipps konnten berechnet werden. %1\nDie Zahlen je Regel zeigt die Auswertung "
                       "(Seite „Datenbank“).")
                        .arg(counts.failureText()));
}

bool TForm1::historyCheck(const HistoryRecords& history, const QString& tip, int minHits,
                          const HistoryCheck::DateWindow& window) {
    ui.Chart1->model()->prepareStatistic();

    // A candidate is scored by its designation; a reduced system by its code's table (none: no
    // rows, nothing reached).
    QString selector = ui.selectorValue();
    const SystemTable* table = &m_systemTable;
    static const SystemTable noRows;
    if (auto shown = m_parsedTicket.parse(tip)) {
        selector = *shown;
        if (systemKindOf(selector) == SystemKind::Reduced) {
            table = m_systemTables.table(m_parsedTicket.systemCode);
            if (!table) table = &noRows;
        }
    }
    const SystemKind kind = systemKindOf(selector);

    // Single tips and full systems of different numbers count their hits with one AND of bit masks.
    std::optional<std::uint64_t> mask;
    if (kind != SystemKind::Reduced && history.masksExact) mask = HistoryCheck::tipMask(m_parsedTicket);
    const HistoryCheck::ScanResult scan =
        mask ? HistoryCheck::firstInWindowReachingMask(history, window, minHits, *mask)
             : HistoryCheck::firstInWindowReaching(
                   history, window, minHits, [&](const DrawRecord& r, std::size_t) {
                       m_currentDraw.take(r);
                       return static_cast<int>(checkTicket(m_parsedTicket, kind, *table, m_currentDraw).hits);
                   });
    // The current draw and the result stay on the last draw examined, as a draw-by-draw walk leaves them.
    if (scan.lastExamined) {
        m_currentDraw.take(history.records[*scan.lastExamined]);
        m_ticketResult = checkTicket(m_parsedTicket, kind, *table, m_currentDraw);
    }
    return !scan.reached;
}

bool TForm1::Secheroderfuenfer(const QString& tip, int minHits) {
    return historyCheck(*HistoryRecords::read(historyPath()), tip, minHits, HistoryCheck::historyWindow(drawFilter()));
}

bool TForm1::kurzzeitCheck(const QString& tip, int minHits, int drawCount) {
    return historyCheck(*HistoryRecords::read(historyPath()), tip, minHits,
                        HistoryCheck::recentWindow(drawFilter(), drawCount));
}
