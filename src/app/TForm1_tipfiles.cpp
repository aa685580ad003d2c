// The tip list: its lines, one tip edited in the number choice window, clearing it, tip files
// and the tip text.
#include "base/Errors.h"
#include "base/Log.h"
#include "base/Lotto.h"
#include "base/Tr.h"
#include "app/TForm1.h"
#include "evaluation/Winnings.h"
#include "gui/TForm6.h"
#include "gui/Printing.h"
#include "history/NextDraw.h"
#include "tips/TipFiles.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>

QStringList TForm1::tipLines() const {
    QStringList lines;
    for (int i = 0; i < ui.ListBox1->count(); ++i) lines << ui.ListBox1->item(i)->text();
    return lines;
}

void TForm1::SpeedButton11Click() {
    ui.ListBox1->clear();
    ui.ListBox2->clear();
    ui.HitListTotal->clear();
    showTipListStake();
}

void TForm1::SpeedEditClick() {
    const int index = ui.ListBox1->currentRow();
    if (index < 0) {
        showMessage(tr("Wählen Sie zuerst einen Tipp aus"));
        return;
    }
    const QString edited = ui.ListBox1->item(index)->text();
    try {
        Zettelcheck(edited);
    } catch (const std::exception&) {
        // A tip that does not parse whole opens with the numbers read before the fault.
    }

    TForm6* chooser = form6();
    chooser->BitBtn3->hide();
    chooser->BitBtn4->show();
    chooser->PickCount = m_parsedTicket.count;
    for (int k = 1; k <= Lotto::HighestNumber; ++k) {
        chooser->box(k)->setChecked(false);
        chooser->setBoxColour(k, TForm6::BoxColour::Neutral);
    }
    // Marking stops at the first field that is no number of 1..49; nothing is reported.
    for (int slot = 1; slot <= m_parsedTicket.count; ++slot) {
        const TicketSlot& field = m_parsedTicket.numbers[static_cast<std::size_t>(slot)];
        if (!field.numeric || field.value < 0 || field.value > Lotto::HighestNumber) break;
        if (field.value == 0) continue;
        chooser->box(field.value)->setChecked(true);
        chooser->setBoxColour(field.value, TForm6::BoxColour::Picked);
    }

    if (chooser->execute() == TForm6::mrOk) {
        // At most twelve numbers, the lowest ones.
        std::array<int, 12> numbers{};
        int taken = 0;
        for (int k = 1; k <= Lotto::HighestNumber && taken < 12; ++k)
            if (chooser->box(k)->isChecked()) numbers[static_cast<std::size_t>(taken++)] = k;
        // The tip keeps its own system; a line without one takes the selector's.
        const QString system = edited.contains(QLatin1Char(':'))
                                   ? TipLine::selectorTextForCode(m_parsedTicket.systemCode)
                                   : ui.selectorValue();
        const QString line =
            TipLine::makeLine(std::span<const int>(numbers.data(), static_cast<std::size_t>(taken)), system);
        delete ui.ListBox1->takeItem(index);
        ui.ListBox1->insertItem(index, line);
    }

    chooser->BitBtn3->show();
    chooser->BitBtn4->hide();
    for (int k = 1; k <= Lotto::HighestNumber; ++k) chooser->setBoxColour(k, TForm6::BoxColour::Neutral);
    chooser->setWindowTitle(tr("Zahlen für Berechnung wählen"));
    Komplettcheck();
}

void TForm1::restoreTipList() {
    const QString path = m_paths.tipListPath();
    if (!QFileInfo::exists(path)) return;
    try {
        const QStringList tips = TipFiles::read(path);
        ui.ListBox1->clear();
        ui.ListBox1->addItems(tips);
        m_tipListAsRead = tips;
    } catch (const AppError& e) {
        // The unreadable file must not be replaced by the empty list at shutdown.
        m_tipListUnread = true;
        logShownFailure(e);
        showError(e.message());
    }
}

void TForm1::saveTipList() {
    const QStringList tips = tipLines();
    if (m_tipListUnread && tips.isEmpty()) return;
    // Unchanged since start-up: the file already holds the list, byte for byte as it was.
    if (m_tipListAsRead && *m_tipListAsRead == tips && QFileInfo::exists(m_paths.tipListPath())) return;
    TipFiles::write(m_paths.tipListPath(), tips);
}

void TForm1::SpeedButton15Click() {
    // Named after the draw the tips are for: the next one, whatever draw the window shows.
    const QDate next =
        NextDraw::expectedDay(NextDraw::read(nextDrawPath()), newestDrawDate(), m_platform.clock->today());
    const QString path = m_platform.dialogs->saveFile(this, {translated("TipFiles", TipFiles::Filter), TipFiles::Suffix,
                                                             TipFiles::fileName(next), m_paths.dialogDirectory()});
    if (path.isEmpty()) return;
    TipFiles::write(path, tipLines());
}

void TForm1::SpeedButton16Click() {
    const QString path = m_platform.dialogs->openFileName(
        this, {translated("TipFiles", TipFiles::Filter), TipFiles::Suffix, {}, m_paths.dialogDirectory()});
    if (!path.isEmpty()) {
        // Read whole before touching the lists: an unreadable file leaves them as they were.
        const QStringList tips = TipFiles::read(path);
        ui.ListBox1->clear();
        ui.ListBox2->clear();
        ui.ListBox1->addItems(tips);
    }
    // Cancelled or loaded: the hit list is rebuilt against the draw of the evaluation date.
    SpeedButton5Click();
}

TipFiles::TipSheet TForm1::tipSheet() const {
    // Each line by its own system, whatever the selector loaded last.
    SystemTableSet tables(m_paths.dataDirectory());
    return TipFiles::sheet(SlipTips::of(tipLines(), tables, tipShape(), stakePerRow()), ui.UpDown8->position(),
                           TipFiles::nextDrawDate(m_currentDraw.date));
}

QStringList TForm1::tipText() const {
    return TipFiles::text(tipSheet());
}

void TForm1::BitBtn7Click() {
    const QStringList text = tipText();
    ui.Memo1->setPlainText(text.join(QLatin1Char('\n')));
    const QString path = m_paths.tipTextPath();
    TipFiles::write(path, text);
    // Without a viewer for text files the button would seem to do nothing.
    if (!m_platform.shell->open(path))
        showMessage(tr("Der Tipp wurde in %1 gespeichert, aber das System hat kein Programm, das die "
                       "Datei öffnet.\nÜber „Druck“ können Sie den Tipp ansehen, drucken oder als PDF "
                       "speichern.")
                        .arg(QDir::toNativeSeparators(path)));
}

void TForm1::TippDruckClick() {
    const TipFiles::TipSheet sheet = tipSheet();
    const Printing::Preview preview = m_platform.printing->tipPreview(sheet, this);
    QDialog* dialog = preview.dialog.get();
    if (preview.savePdf)
        connect(preview.savePdf, &QAction::triggered, dialog, [this, dialog, sheet] {
            const QString path = m_platform.dialogs->saveFile(
                dialog, {tr("PDF-Dokument|*.pdf"), QStringLiteral("pdf"),
                         QFileInfo(Paths::TipTextName).completeBaseName() + QStringLiteral(".pdf"),
                         m_paths.dialogDirectory()});
            if (path.isEmpty()) return;
            if (!m_platform.printing->saveTipPdf(sheet, path))
                showError(tr("Die PDF-Datei %1 konnte nicht geschrieben werden.").arg(QDir::toNativeSeparators(path)));
        });
    m_platform.dialogs->showModal(dialog);
}

void TForm1::clearTipListWithUndo() {
    const QStringList removed = tipLines();
    SpeedButton11Click();
    if (removed.isEmpty()) return;
    // One click empties the list; the tips stay at hand until the list is filled again.
    m_clearedTips = removed;
    ui.TippsZurueck->setToolTip(tr("Die eben gelöschten %n Tipps wiederherstellen (Rückgängig)", nullptr,
                                   static_cast<int>(removed.size())));
    ui.TippsZurueck->show();
}

void TForm1::undoTipListClear() {
    const QStringList tips = m_clearedTips;
    forgetClearedTips();
    if (tips.isEmpty() || ui.ListBox1->count() > 0) return;
    ui.ListBox1->addItems(tips);
    Komplettcheck();
}

void TForm1::forgetClearedTips() {
    m_clearedTips.clear();
    ui.TippsZurueck->hide();
}
