// The report window's parts that need the main window: chance, the rule back-test, CSV files.
#include "app/TForm1.h"
#include "base/TextFile.h"
#include "generator/RuleReport.h"
#include "gui/AnalysisReport.h"
#include "gui/EventPulse.h"
#include "history/DrawCsv.h"
#include "history/DrawHistory.h"
#include "tips/TipFiles.h"

AnalysisReport* TForm1::report() {
    if (m_report) return m_report;
    auto* r = new AnalysisReport(m_paths, m_platform.dialogs, this);
    m_report = r;
    bind(r->ruleBackTest, &QPushButton::clicked, &TForm1::ruleBackTestClick);
    bind(r->historyExport, &QPushButton::clicked, &TForm1::historyExportClick);
    bind(r->historyImport, &QPushButton::clicked, &TForm1::historyImportClick);
    bind(r->tipsExport, &QPushButton::clicked, &TForm1::tipsExportClick);
    // The stop button answers while the simulation keeps every other action waiting.
    connect(r->chanceStop, &QPushButton::clicked, this, [this] { m_chanceStop = true; });
    if (m_reportCounts.candidates > 0) r->showRuleCounts(m_reportCountsTitle, m_reportCounts);
    return r;
}

Chance::TipShape TForm1::tipShape() const {
    return Winnings::listShape(ui.UpDown18->position(), systemKindOf(ui.selectorValue()), m_systemTable);
}

std::optional<double> TForm1::stakePerRow() const {
    const bool both = ui.CheckBox16->isChecked() && ui.CheckBox17->isChecked();
    return Winnings::pricePerColumn((both ? ui.Edit4 : ui.Edit3)->text(), both);
}

const DividendSource* TForm1::dividendSource() const {
    return m_dividends ? m_dividends : m_prizeTables.dividends(prizeTablePath());
}

Chance::SimulationSettings TForm1::chanceSettings(std::uint32_t seed) const {
    Chance::SimulationSettings settings;
    settings.players = 1000;
    settings.seed = seed;
    settings.stakePerRow = stakePerRow().value_or(0);
    settings.dividends = dividendSource();
    return settings;
}

void TForm1::showChanceComparison(const QString& title, const std::vector<Chance::Round>& rounds,
                                  const std::array<std::int64_t, Chance::LevelCount>& actual,
                                  const Chance::Money& money, std::uint32_t seed, const Chance::TipShape& shape,
                                  Chance::StreamedPlayers* streamed) {
    if (m_chanceRunning || m_closed) return;
    m_chanceRunning = true;
    m_chanceStop = false;
    const bool wasBusy = m_busy;
    m_busy = true;
    AnalysisReport* r = report();
    r->show();

    const Chance::SimulationSettings settings = chanceSettings(seed);
    r->startChance(title, settings.players);

    AnalysisReport::ChanceView view;
    view.title = title;
    view.actual = actual;
    view.expected = Chance::expectation(rounds, shape);
    view.draws = static_cast<int>(rounds.size());
    view.money = money;
    view.withMoney = stakePerRow().has_value();
    EventPulse pulse;
    const auto progress = [&](int done, int) {
        if (m_report) m_report->chanceProgress->setValue(done);
        if (pulse.due()) pulse.pass();
        if (m_closed) m_chanceStop = true;
    };
    view.simulation = streamed ? streamed->finish(progress, &m_chanceStop)
                               : Chance::simulate(rounds, shape, settings, progress, &m_chanceStop);
    m_chanceRunning = false;
    m_busy = wasBusy;
    if (m_report) m_report->showChance(view);
}

void TForm1::ruleBackTestClick() {
    BusyCursor busy;
    const DrawHistory file = history();
    const std::vector<DrawRecord> records = file.exists() ? file.readAll() : std::vector<DrawRecord>{};
    report()->showBackTest(RuleReport::backTest(records, drawFilter(), ruleOptions()));
}

void TForm1::historyExportClick() {
    const QString path = m_platform.dialogs->saveFile(
        this, {tr("CSV-Datei|*.csv"), QStringLiteral("csv"), QStringLiteral("ziehungen.csv"), m_paths.dialogDirectory()});
    if (path.isEmpty()) return;
    const DrawHistory file = history();
    const std::vector<DrawRecord> records = file.exists() ? file.readAll() : std::vector<DrawRecord>{};
    TextFile::writeBytesAtomic(path, DrawCsv::format(records));
    report()->dataText->setText(tr("%1 Ziehungen nach %2 exportiert.").arg(records.size()).arg(path));
}

void TForm1::historyImportClick() {
    const QString path =
        m_platform.dialogs->openFileName(this, {tr("CSV-Datei|*.csv"), QStringLiteral("csv"), {}, m_paths.dialogDirectory()});
    if (path.isEmpty()) return;
    const QByteArray text = DrawCsv::readText(path);
    DrawHistory file = history();
    const std::vector<DrawRecord> before = file.exists() ? file.readAll() : std::vector<DrawRecord>{};
    const DrawCsv::ImportPlan plan = DrawCsv::planImport(before, text);
    const QString summary = DrawCsv::importSummary(plan);
    if (plan.replaced > 0 &&
        m_platform.dialogs->question(
            this, tr("%n gespeicherte Ziehung(en) würden durch die Datei ersetzt. Importieren?", nullptr,
                     plan.replaced)) != Dialogs::Answer::Yes) {
        report()->dataText->setText(tr("Import abgebrochen; die Ziehungen bleiben unverändert."));
        return;
    }
    if (plan.changes()) {
        file.replaceAll(plan.merged);
        SpeedButton5Click();
        showSlipChecks(before);
    }
    report()->dataText->setText(summary);
    showMessage(summary);
}

void TForm1::tipsExportClick() {
    const QString path = m_platform.dialogs->saveFile(
        this, {tr("CSV-Datei|*.csv"), QStringLiteral("csv"), QStringLiteral("tipps.csv"), m_paths.dialogDirectory()});
    if (path.isEmpty()) return;
    TextFile::writeBytesAtomic(path, TipFiles::csv(tipLines()));
    report()->dataText->setText(tr("Tippliste nach %1 exportiert.").arg(path));
}
