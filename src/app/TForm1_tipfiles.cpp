#include "base/Errors.h"
#include "base/Tr.h"
#include "app/TForm1.h"
#include "tips/TipFiles.h"

#include <QFileInfo>

void TForm1::restoreTipList() {
    const QString path = m_paths.tipListPath();
    if (!QFileInfo::exists(path)) return;
    try {
        const QStringList tips = TipFiles::read(path);
        ui.ListBox1->clear();
        ui.ListBox1->addItems(tips);
        m_tipListAsRead = tips;
    } catch (const AppError& e) {
        // The list stays empty; the unreadable file must not be replaced by that empty list at
        // shutdown, or the tips in it would be lost for good.
        m_tipListUnread = true;
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
    const QString proposed = TipFiles::proposedName(ui.DateTimePicker1->date(), m_platform.clock->today());
    const QString path = m_platform.dialogs->saveFileName(
        this, {translated("TipFiles", TipFiles::Filter), TipFiles::Suffix, proposed, m_paths.dialogDirectory()});
    if (path.isEmpty()) return;
    TipFiles::write(path, tipLines());
}

void TForm1::SpeedButton16Click() {
    const QString path = m_platform.dialogs->openFileName(
        this, {translated("TipFiles", TipFiles::Filter), TipFiles::Suffix, {}, m_paths.dialogDirectory()});
    if (!path.isEmpty()) {
        // Read the whole file before touching the lists: a file that cannot be read ends the
        // step with its error and leaves the player's tips and their hits as they were.
        const QStringList tips = TipFiles::read(path);
        ui.ListBox1->clear();
        ui.ListBox2->clear();
        ui.ListBox1->addItems(tips);
    }
    // Cancelled or loaded: the hit list is rebuilt against the draw of the evaluation date.
    SpeedButton5Click();
}

void TForm1::BitBtn7Click() {
    const QStringList text =
        TipFiles::tipText(tipLines(), ui.UpDown8->position(), TipFiles::nextDrawDate(currentDraw.date));
    ui.Memo1->setPlainText(text.join(QLatin1Char('\n')));
    const QString path = m_paths.tipTextPath();
    TipFiles::write(path, text);
    // Whether a viewer opens the file is the system's business; nothing is reported.
    m_platform.shell->open(path);
}

void TForm1::connectTipFiles() {
    bind(ui.SpeedButton15, &QToolButton::clicked, &TForm1::SpeedButton15Click);
    bind(ui.SpeedButton16, &QToolButton::clicked, &TForm1::SpeedButton16Click);
    bind(ui.BitBtn7, &QPushButton::clicked, &TForm1::BitBtn7Click);
}
