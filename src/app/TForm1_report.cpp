// The report window: chance beside the historic analysis and the tip test, the rule reports,
// the reduced-system report and the CSV export and import.
#include "app/TForm1.h"
#include "base/Lotto.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "generator/RuleReport.h"
#include "gui/AnalysisReport.h"
#include "history/DrawCsv.h"
#include "history/DrawHistory.h"
#include "history/HistoryStamp.h"
#include "history/PrizeTable.h"
#include "tips/TipCsv.h"
#include "tips/WheelReport.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <cerrno>

void TForm1::connectReport() {
    bind(ui.AnalysisReportButton, &QPushButton::clicked, &TForm1::AnalysisReportClick, true);
}

AnalysisReport* TForm1::report() {
    if (m_report) return m_report;
    auto* r = new AnalysisReport(this);
    m_report = r;
    bind(r->ruleBackTest, &QPushButton::clicked, &TForm1::ruleBackTestClick);
    bind(r->wheelShow, &QPushButton::clicked, &TForm1::wheelShowClick, true);
    bind(r->wheelOpen, &QPushButton::clicked, &TForm1::wheelOpenClick, true);
    bind(r->historyExport, &QPushButton::clicked, &TForm1::historyExportClick);
    bind(r->historyImport, &QPushButton::clicked, &TForm1::historyImportClick);
    bind(r->tipsExport, &QPushButton::clicked, &TForm1::tipsExportClick);
    bind(r->chanceCopy, &QPushButton::clicked, &TForm1::chanceCopyClick, true);
    bind(r->chanceSave, &QPushButton::clicked, &TForm1::chanceSaveClick, true);
    bind(r->ruleCopy, &QPushButton::clicked, &TForm1::ruleCopyClick, true);
    bind(r->ruleSave, &QPushButton::clicked, &TForm1::ruleSaveClick, true);
    // The stop button answers while the simulation keeps every other action waiting.
    connect(r->chanceStop, &QPushButton::clicked, this, [this] { m_chanceStop = true; });

    const QDir vew(m_paths.dataDirectory() + QStringLiteral("vew"));
    for (const QString& file : vew.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        r->wheelCode->addItem(file.chopped(4));
    if (m_reportCounts.candidates > 0) r->showRuleCounts(m_reportCountsTitle, m_reportCounts);
    return r;
}

void TForm1::AnalysisReportClick() {
    AnalysisReport* r = report();
    r->show();
    r->raise();
    r->activateWindow();
}

Chance::TipShape TForm1::tipShape() const {
    Chance::TipShape shape;
    shape.numbers = ui.UpDown18->position();
    if (systemKindOf(ui.selectorValue()) == SystemKind::Reduced) {
        for (int r = 1; r <= std::min(systemTable.rowCount(), SystemTable::Capacity); ++r) {
            const SystemTable::Marks& m = systemTable.marks(r);
            std::uint32_t mask = 0;
            for (int k = 0; k < std::min<int>(m.count, 6); ++k)
                mask |= 1u << m.positions[static_cast<std::size_t>(k)];
            if (mask != 0) shape.rows.push_back(mask);
        }
    }
    return shape;
}

std::optional<double> TForm1::stakePerRow() const {
    const bool both = ui.CheckBox16->isChecked() && ui.CheckBox17->isChecked();
    QString text = (both ? ui.Edit4 : ui.Edit3)->text().trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || value < 0) return std::nullopt;
    // The fee for both days is per week: half of it per draw.
    return both ? value / 2 : value;
}

Chance::Money TForm1::lineMoney(const QString& line, const Chance::Round& round, double stake,
                                const Chance::TipShape& listShape, const DividendSource* dividends) const {
    ParsedTicket ticket;
    ticket.parse(line);
    std::uint64_t tip = 0;
    int count = 0;
    for (int k = 1; k <= ticket.count; ++k) {
        const TicketSlot& slot = ticket.numbers[static_cast<std::size_t>(k)];
        if (!slot.numeric || slot.value < 1 || slot.value > Lotto::HighestNumber || (tip >> slot.value & 1)) continue;
        tip |= std::uint64_t{1} << slot.value;
        ++count;
    }
    if (count < 6) return {};
    Chance::TipShape shape = listShape;
    if (!shape.rows.empty() && count != shape.numbers) shape.rows.clear();
    shape.numbers = count;
    return Chance::ticketMoney(tip, shape, round, stake, dividends);
}

// The prize tables the update keeps, with the file state they were read in.
struct TForm1::KeptPrizes {
    QString path;
    FileStamp stamp;
    PrizeTable table;
    TierTableDividends<PrizeTable> source{table};
};

const DividendSource* TForm1::dividendSource() const {
    if (m_dividends) return m_dividends;
    const QString path = prizeTablePath();
    // One stat() tells whether the tables kept are still those of the file.
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISDIR(st.st_mode)) return nullptr;
    const FileStamp stamp = FileStamp::of(st);
    if (!m_keptPrizes || m_keptPrizes->path != path || !(m_keptPrizes->stamp == stamp)) {
        auto kept = std::make_shared<KeptPrizes>();
        kept->path = path;
        kept->stamp = stamp;
        try {
            kept->table = PrizeTable::readMending(path);
        } catch (const std::exception&) {
            // An unreadable prize file leaves every dividend unknown; nothing is guessed.
            return nullptr;
        }
        m_keptPrizes = std::move(kept);
    }
    return &m_keptPrizes->source;
}

void TForm1::addChanceRound(ChanceTally& tally, const DrawRecord& played, const DividendSource* dividends) const {
    int tips = 0;
    for (int h = 0; h <= 6; ++h) {
        for (const bool z : {false, true}) {
            tips += hitTally.count(h, z);
            const int level = Chance::levelOf(h, z);
            if (level >= 0) tally.levels[static_cast<std::size_t>(level)] += hitTally.count(h, z);
        }
    }
    tally.rounds.push_back(Chance::roundOf(played, tips));
    const Chance::Money m = listMoney(tally.rounds.back(), dividends);
    tally.money.stake += m.stake;
    tally.money.knownReturn += m.knownReturn;
    tally.money.unknownWins += m.unknownWins;
}

Chance::Money TForm1::listMoney(const Chance::Round& round, const DividendSource* dividends) const {
    Chance::Money total;
    const double stake = stakePerRow().value_or(0);
    const Chance::TipShape shape = tipShape();
    for (const QString& line : tipLines()) {
        if (TipLine::isBlank(line)) continue;
        const Chance::Money m = lineMoney(line, round, stake, shape, dividends);
        total.stake += m.stake;
        total.knownReturn += m.knownReturn;
        total.unknownWins += m.unknownWins;
    }
    return total;
}

QString TForm1::winningLineMoneyText(const QString& line) const {
    DrawRecord played;
    played.date = currentDraw.date;
    for (int i = 0; i < 6; ++i)
        played.numbers[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(currentDraw.numbers[static_cast<std::size_t>(i + 1)]);
    played.additional = static_cast<std::uint8_t>(currentDraw.numbers[7]);
    const Chance::Money m = lineMoney(line, Chance::roundOf(played, 1), 0, tipShape(), dividendSource());
    const QString amount = QLocale().toString(m.knownReturn, 'f', 2);
    if (m.unknownWins == 0) return tr("Gewinn: %1 €").arg(amount);
    if (m.knownReturn == 0) return tr("Gewinn: Quote unbekannt");
    return tr("Gewinn: mindestens %1 € (für %n Gewinnreihe(n) ist die Quote unbekannt)", nullptr,
              static_cast<int>(m.unknownWins))
        .arg(amount);
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
                                  const Chance::Money& money, std::uint32_t seed,
                                  Chance::StreamedPlayers* streamed) {
    if (m_chanceRunning || m_closed) return;
    m_chanceRunning = true;
    m_chanceStop = false;
    // Every other action waits while the players run; the stop button answers.
    const bool wasBusy = m_busy;
    m_busy = true;
    AnalysisReport* r = report();
    r->show();

    const Chance::TipShape shape = streamed ? streamed->shape() : tipShape();
    const Chance::SimulationSettings settings = chanceSettings(seed);
    r->startChance(title, settings.players);

    AnalysisReport::ChanceView view;
    view.title = title;
    view.actual = actual;
    view.expected = Chance::expectation(rounds, shape);
    view.draws = static_cast<int>(rounds.size());
    view.money = money;
    view.withMoney = stakePerRow().has_value();
    const auto progress = [&](int done, int) {
        if (m_report) m_report->progressChance(done);
        QCoreApplication::processEvents();
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

void TForm1::wheelShowClick() {
    const QString code = report()->wheelCode->currentText();
    if (code.isEmpty()) return;
    showWheel(code, false);
}

void TForm1::showWheel(const QString& code, bool ownTable) {
    AnalysisReport* r = report();
    m_wheelShown = {code, ownTable};
    if (ownTable) {
        const QString& path = code;
        try {
            const WheelReport::Report w = WheelReport::analyseFile(path);
            QStringList text = WheelReport::describe(w);
            text.prepend(path);
            r->wheelText->setPlainText(text.join(QLatin1Char('\n')));
        } catch (const AppError& e) {
            r->wheelText->setPlainText(tr("%1: Tabelle fehlerhaft. %2").arg(path, e.message()));
            throw;
        }
        return;
    }
    const std::optional<QString> path = SystemChoice::tablePath(m_paths.dataDirectory(), code);
    if (!path) return;
    try {
        const WheelReport::Report w = WheelReport::analyseFile(*path);
        QStringList text = WheelReport::describe(w);
        text.prepend(tr("VEW %1 (%2)").arg(code, *path));
        text << QString() << tr("Reihen:");
        for (std::size_t i = 0; i < w.rows.size(); ++i)
            text << QStringLiteral("%1  %2").arg(i + 1, 4).arg(w.rows[i]);
        r->wheelText->setPlainText(text.join(QLatin1Char('\n')));
    } catch (const AppError& e) {
        r->wheelText->setPlainText(tr("VEW %1: Tabelle fehlerhaft. %2").arg(code, e.message()));
        throw;
    }
}

void TForm1::wheelOpenClick() {
    const QString path =
        m_platform.dialogs->openFileName(this, {tr("VEW-Tabelle|*.txt"), QStringLiteral("txt"), {}, m_paths.dialogDirectory()});
    if (path.isEmpty()) return;
    showWheel(path, true);
}

void TForm1::retranslateReport(const std::function<QString(const QString&)>& shownText) {
    if (!m_report) return;
    m_report->retranslate(shownText);
    m_report->dataText->setText(shownText(m_report->dataText->text()));
    // The reduced-system report is made again, from the table it describes.
    if (m_wheelShown) {
        try {
            showWheel(m_wheelShown->first, m_wheelShown->second);
        } catch (const AppError&) {
            // The page names the fault in the new language; it was reported when first shown.
        }
    }
}

void TForm1::historyExportClick() {
    const QString path = m_platform.dialogs->saveFileName(
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
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) throw openError(path, ENOENT);
    const QByteArray text = in.readAll();
    DrawHistory file = history();
    const DrawCsv::ImportPlan plan =
        DrawCsv::planImport(file.exists() ? file.readAll() : std::vector<DrawRecord>{}, text);
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
        // The current draw and its hits follow the new history.
        SpeedButton5Click();
    }
    report()->dataText->setText(summary);
    showMessage(summary);
}

void TForm1::tipsExportClick() {
    const QString path = m_platform.dialogs->saveFileName(
        this, {tr("CSV-Datei|*.csv"), QStringLiteral("csv"), QStringLiteral("tipps.csv"), m_paths.dialogDirectory()});
    if (path.isEmpty()) return;
    TextFile::writeBytesAtomic(path, TipCsv::format(tipLines()));
    report()->dataText->setText(tr("Tippliste nach %1 exportiert.").arg(path));
}

void TForm1::chanceCopyClick() {
    QGuiApplication::clipboard()->setText(QString::fromUtf8(report()->chanceCsv()));
}

void TForm1::chanceSaveClick() {
    const QString path = m_platform.dialogs->saveFileName(
        this, {tr("CSV-Datei|*.csv"), QStringLiteral("csv"), QStringLiteral("zufallsvergleich.csv"), m_paths.dialogDirectory()});
    if (!path.isEmpty()) TextFile::writeBytesAtomic(path, report()->chanceCsv());
}

void TForm1::ruleCopyClick() {
    QGuiApplication::clipboard()->setText(QString::fromUtf8(report()->ruleCsv()));
}

void TForm1::ruleSaveClick() {
    const QString path = m_platform.dialogs->saveFileName(
        this, {tr("CSV-Datei|*.csv"), QStringLiteral("csv"), QStringLiteral("regeln.csv"), m_paths.dialogDirectory()});
    if (!path.isEmpty()) TextFile::writeBytesAtomic(path, report()->ruleCsv());
}
