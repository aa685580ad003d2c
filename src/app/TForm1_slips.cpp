// The slips the player recorded as played: stored from the tip list, checked on every new draw.
#include "app/TForm1.h"
#include "base/DayCount.h"
#include "evaluation/Slips.h"
#include "gui/SlipsWindow.h"
#include "history/DrawHistory.h"
#include "history/NextDraw.h"
#include "tips/TipLine.h"

#include <QFileInfo>
#include <algorithm>
#include <set>

std::vector<DrawRecord> TForm1::storedDraws() const {
    try {
        const DrawHistory file = history();
        if (file.exists()) return file.readAll();
    } catch (const std::exception&) {
        // An unreadable history has no draws to date or check slips by; its own reader reports it.
    }
    return {};
}

QDate TForm1::nextSlipDraw() const {
    const std::vector<DrawRecord> draws = storedDraws();
    const QDate newest = draws.empty() ? QDate() : DayCount::toDate(draws.back().date);
    std::optional<QDate> announced;
    if (const std::optional<NextDraw> next = NextDraw::read(nextDrawPath()))
        announced = OperatorResults::greekTime(next->draw.drawTime).date();
    return Slips::nextDrawDate(announced, newest, m_platform.clock->today());
}

void TForm1::SlipSaveButtonClick() {
    QStringList lines;
    const QList<QListWidgetItem*> selected = ui.ListBox1->selectedItems();
    for (int i = 0; i < ui.ListBox1->count(); ++i) {
        const QListWidgetItem* item = ui.ListBox1->item(i);
        if ((selected.isEmpty() || item->isSelected()) && !TipLine::isBlank(item->text()))
            lines << item->text().trimmed();
    }
    if (lines.isEmpty()) {
        showMessage(tr("Es gibt keine Tipps, die als gespielt gespeichert werden können."));
        return;
    }
    Slips::Slip slip;
    slip.lines = lines;
    slip.firstDraw = nextSlipDraw();
    slip.pricePerColumn = stakePerRow().value_or(0);
    SystemTableSet tables(m_paths.dataDirectory());
    SlipSaveDialog dialog(slip.firstDraw, Slips::columnsOf(slip, tables), Slips::stakePerDraw(slip, tables), this);
    if (m_platform.dialogs->showModal(&dialog) != QDialog::Accepted) return;
    slip.draws = dialog.draws();
    slip.name = dialog.name();

    Slips::SlipBook book;
    const Slips::SlipBook::LoadResult loaded = book.load(slipsPath());
    if (!loaded.error.isEmpty()) {
        showError(tr("Der Schein wurde nicht gespeichert.\n%1").arg(loaded.error));
        return;
    }
    if (!loaded.damagedLines.isEmpty())
        showMessage(tr("Unlesbare Zeilen in der Datei %1: %2. Sie bleiben unverändert in der Datei.")
                        .arg(QFileInfo(slipsPath()).fileName())
                        .arg(loaded.damagedLines.size()));
    book.add(slip);
    if (const QString error = book.save(slipsPath()); !error.isEmpty()) {
        showError(tr("Der Schein wurde nicht gespeichert.\n%1").arg(error));
        return;
    }
    const QString first = slip.firstDraw.toString(QStringLiteral("dd.MM.yyyy"));
    ui.StatusBar1->setPanelText(0, tr("Schein „%1“ gespeichert: ab %2, Ziehungen: %3")
                                       .arg(slip.name.isEmpty() ? first : slip.name, first)
                                       .arg(slip.draws));
    refreshSlipsWindow();
}

QString TForm1::checkSlipsOfNewDraws(const std::vector<DrawRecord>& before) {
    if (!QFileInfo::exists(slipsPath())) return {};
    const std::vector<DrawRecord> after = storedDraws();
    std::set<double> known;
    for (const DrawRecord& r : before) known.insert(r.date);
    std::vector<QDate> added;
    for (const DrawRecord& r : after)
        if (!known.contains(r.date)) added.push_back(DayCount::toDate(r.date));
    if (added.empty()) return {};

    Slips::SlipBook book;
    const Slips::SlipBook::LoadResult loaded = book.load(slipsPath());
    if (!loaded.error.isEmpty()) return tr("Scheine nicht geprüft: %1").arg(loaded.error);
    SystemTableSet tables(m_paths.dataDirectory());
    const std::vector<Slips::DrawCheck> checks = Slips::checkNew(book.slips(), after, added, dividendSource(), tables);
    if (std::any_of(checks.begin(), checks.end(), [](const Slips::DrawCheck& c) { return c.bestHits >= 3; }))
        m_platform.sound->play(winSoundFile());
    QString text = Slips::summaryText(checks);
    if (!loaded.damagedLines.isEmpty())
        text += QLatin1Char(' ') + tr("(unlesbare Zeilen in %1: %2)")
                                       .arg(QFileInfo(slipsPath()).fileName())
                                       .arg(loaded.damagedLines.size());
    return text;
}

void TForm1::showSlipChecks(const std::vector<DrawRecord>& before) {
    const QString text = checkSlipsOfNewDraws(before);
    refreshSlipsWindow();
    if (text.isEmpty()) return;
    const QString shown = ui.StatusBar1->panelText(0);
    ui.StatusBar1->setPanelText(0, shown.isEmpty() ? text : text + QStringLiteral("   ") + shown);
}

SlipsWindow* TForm1::slipsWindow() {
    if (m_slipsWindow) return m_slipsWindow;
    SlipsWindow::Sources sources;
    sources.slipsPath = slipsPath();
    sources.dataDirectory = m_paths.dataDirectory();
    sources.dialogDirectory = m_paths.dialogDirectory();
    sources.history = [this] { return storedDraws(); };
    sources.dividends = [this] { return dividendSource(); };
    m_slipsWindow = new SlipsWindow(std::move(sources), m_platform.dialogs, m_platform.printing, this);
    return m_slipsWindow;
}

void TForm1::SlipsOpenButtonClick() {
    SlipsWindow* window = slipsWindow();
    window->reload();
    window->show();
    window->raise();
    window->activateWindow();
}

void TForm1::refreshSlipsWindow() {
    if (m_slipsWindow && m_slipsWindow->isVisible()) m_slipsWindow->reload();
}
