#include "gui/SlipsWindow.h"

#include "base/Errors.h"
#include "base/SafeFile.h"
#include "gui/BarChartView.h"
#include "tips/SystemTable.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

namespace {

template <class W> W* named(W* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    return w;
}

// A negative balance in the chart: dark red, kept apart from the striped red of the statistics.
constexpr BarColour LossColour = 0xB03030;

enum Column { DateColumn, NameColumn, ColumnsColumn, StakeColumn, TierColumn, WinningsColumn, ColumnCount };

QString numbersHtml(std::uint64_t numbers, std::uint64_t winning) {
    QStringList parts;
    for (int n = 1; n <= 49; ++n) {
        const std::uint64_t bit = std::uint64_t{1} << n;
        if (!(numbers & bit)) continue;
        const QString text = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        parts << ((winning & bit) ? QStringLiteral("<b>%1</b>").arg(text) : text);
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

// The shown rows of the ledger as a table; texts are made when the view asks for them, so the
// window opens at once with thousands of rows.
class SlipTableModel : public QAbstractTableModel {
public:
    // Rows that won stand in the bold form of `font`, the table's.
    SlipTableModel(const SlipsWindow& window, const QFont& font, QObject* parent)
        : QAbstractTableModel(parent), m_window(window), m_bold(font) {
        m_bold.setBold(true);
    }

    // The window changes what the model shows only between these two.
    void beginChange() { beginResetModel(); }
    void endChange() { endResetModel(); }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_window.shownRows().size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : ColumnCount; }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        return SlipLedger::headers().value(section);
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        const SlipLedger::Ledger& ledger = m_window.ledger();
        const SlipLedger::Row& row =
            ledger.rows[static_cast<std::size_t>(m_window.shownRows()[static_cast<std::size_t>(index.row())])];
        if (role == Qt::TextAlignmentRole) {
            const bool right = index.column() == ColumnsColumn || index.column() == StakeColumn ||
                               index.column() == WinningsColumn;
            return QVariant::fromValue(Qt::Alignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
        }
        if (role == Qt::FontRole && SlipLedger::won(ledger, row)) return m_bold;
        if (role == Qt::ToolTipRole && index.column() == NameColumn)
            return m_window.slips()[static_cast<std::size_t>(row.slip)].lines.join(QLatin1Char('\n'));
        if (role != Qt::DisplayRole) return {};
        switch (index.column()) {
        case DateColumn:
            return QLocale().toString(row.date, QLocale::ShortFormat);
        case NameColumn:
            return SlipLedger::slipName(m_window.slips()[static_cast<std::size_t>(row.slip)]);
        case ColumnsColumn:
            return QLocale().toString(row.columns);
        case StakeColumn:
            return Winnings::euros(row.stake);
        case TierColumn:
            return SlipLedger::tierText(ledger, row);
        default:
            return SlipLedger::rowWinningsText(ledger, row);
        }
    }

private:
    const SlipsWindow& m_window;
    QFont m_bold;
};

SlipsWindow::SlipsWindow(Sources sources, std::shared_ptr<Dialogs> dialogs, std::shared_ptr<Printing> printing,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), m_sources(std::move(sources)), m_dialogs(std::move(dialogs)),
      m_printing(std::move(printing)) {
    setObjectName(QStringLiteral("TFormSlips"));
    resize(880, 620);
    auto* box = new QVBoxLayout(this);

    auto* bar = new QHBoxLayout;
    m_filterLabel = new QLabel(this);
    m_filter = named(new QComboBox(this), "SlipFilter");
    for (const SlipLedger::Filter f : {SlipLedger::Filter::All, SlipLedger::Filter::Open,
                                       SlipLedger::Filter::Finished, SlipLedger::Filter::Won})
        m_filter->addItem(QString(), static_cast<int>(f));
    m_filterLabel->setBuddy(m_filter);
    m_edit = named(new QPushButton(this), "SlipEdit");
    m_delete = named(new QPushButton(this), "SlipDelete");
    m_export = named(new QPushButton(this), "SlipExport");
    m_print = named(new QPushButton(this), "SlipPrint");
    bar->addWidget(m_filterLabel);
    bar->addWidget(m_filter);
    bar->addStretch();
    for (QPushButton* b : {m_edit, m_delete, m_export, m_print}) bar->addWidget(b);
    box->addLayout(bar);

    auto* split = new QSplitter(Qt::Vertical, this);
    m_table = named(new QTableView(split), "SlipTable");
    m_model = new SlipTableModel(*this, m_table->font(), m_table);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    QHeaderView* header = m_table->horizontalHeader();
    for (int c = 0; c < ColumnCount; ++c) header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    // The widths follow the first rows; the rest of thousands of rows need not be measured.
    header->setResizeContentsPrecision(200);

    auto* lower = new QSplitter(Qt::Horizontal, split);
    m_detail = named(new QTextBrowser(lower), "SlipDetail");
    m_chart = named(new BarChartView(lower), "SlipBalanceChart");
    m_chart->setMinimumWidth(260);
    lower->setStretchFactor(0, 1);
    lower->setStretchFactor(1, 1);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    box->addWidget(split, 1);

    m_totalsLabel = named(new QLabel(this), "SlipTotals");
    m_totalsLabel->setWordWrap(true);
    m_totalsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_fileNote = named(new QLabel(this), "SlipFileNote");
    m_fileNote->setWordWrap(true);
    m_fileNote->hide();
    box->addWidget(m_totalsLabel);
    box->addWidget(m_fileNote);

    setTexts();
    connect(m_filter, &QComboBox::currentIndexChanged, this, [this] { showRows(); });
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { showDetail(); });
    connect(m_edit, &QPushButton::clicked, this, &SlipsWindow::editClick);
    connect(m_delete, &QPushButton::clicked, this, &SlipsWindow::deleteClick);
    connect(m_export, &QPushButton::clicked, this, &SlipsWindow::exportClick);
    connect(m_print, &QPushButton::clicked, this, &SlipsWindow::printClick);
}

SlipsWindow::~SlipsWindow() {
    // The view may still ask its model while the window's children go; the rows go first.
    m_table->setModel(nullptr);
}

void SlipsWindow::setTexts() {
    setWindowTitle(tr("Meine Scheine"));
    m_filterLabel->setText(tr("&Anzeigen:"));
    const QStringList filters = {tr("Alle Ziehungen"), tr("Offene Scheine"), tr("Abgeschlossene Scheine"),
                                 tr("Gewinne")};
    for (int i = 0; i < filters.size(); ++i) m_filter->setItemText(i, filters[i]);
    m_filter->setToolTip(tr("Offen: Scheine, deren Ziehungen nicht alle gezogen sind; abgeschlossen: "
                            "alle Ziehungen gezogen; Gewinne: Ziehungen mit mindestens einer Gewinnreihe"));
    m_edit->setText(tr("&Bearbeiten …"));
    m_edit->setToolTip(tr("Name, Anzahl der Ziehungen und Preis je Spalte des gewählten Scheins ändern"));
    m_delete->setText(tr("&Löschen"));
    m_delete->setToolTip(tr("Den Schein der gewählten Zeile mit allen seinen Ziehungen löschen"));
    m_export->setText(tr("Als &CSV speichern …"));
    m_export->setToolTip(tr("Die angezeigten Zeilen als CSV-Datei speichern"));
    m_print->setText(tr("&Drucken …"));
    m_print->setToolTip(tr("Druckvorschau der angezeigten Zeilen: drucken oder als PDF speichern"));
    m_detail->setPlaceholderText(tr("Wählen Sie eine Zeile: hier stehen dann die Treffer jeder Spalte, die "
                                    "Gewinnzahlen fett."));
}

void SlipsWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    setTexts();
    // The reset of the rows has the table ask for every text and header again.
    showRows();
}

void SlipsWindow::reload() {
    const int keptRow = selectedRow();
    const QString keptId = keptRow >= 0 ? slipOf(keptRow).id : QString();
    const QDate keptDate = keptRow >= 0 ? m_ledger.rows[static_cast<std::size_t>(keptRow)].date : QDate();

    Slips::SlipBook book;
    const Slips::SlipBook::LoadResult loaded = book.load(m_sources.slipsPath);
    const int damagedLines = static_cast<int>(loaded.damagedLines.size());
    if (!loaded.error.isEmpty()) {
        m_fileNote->setText(tr("Die Scheindatei %1 konnte nicht gelesen werden: %2")
                                .arg(QDir::toNativeSeparators(m_sources.slipsPath), loaded.error));
    } else if (damagedLines > 0) {
        m_fileNote->setText(tr("%n Zeile(n) der Scheindatei sind beschädigt: sie bleiben in der Datei, "
                               "werden aber nicht angezeigt.",
                               nullptr, damagedLines));
    }
    m_fileNote->setVisible(!loaded.error.isEmpty() || damagedLines > 0);
    SystemTableSet tables(m_sources.dataDirectory);
    m_model->beginChange();
    m_slips = book.slips();
    m_ledger = SlipLedger::build(m_slips, m_sources.history(), m_sources.dividends(), tables);
    m_shown.clear();
    m_model->endChange();
    showRows();
    // The row shown before stays selected when it is still there.
    const auto kept = std::find_if(m_shown.begin(), m_shown.end(), [&](int r) {
        return !keptId.isEmpty() && slipOf(r).id == keptId &&
               m_ledger.rows[static_cast<std::size_t>(r)].date == keptDate;
    });
    if (kept != m_shown.end()) m_table->selectRow(static_cast<int>(kept - m_shown.begin()));
}

void SlipsWindow::showRows() {
    const auto filter = static_cast<SlipLedger::Filter>(m_filter->currentData().toInt());
    m_model->beginChange();
    m_shown = SlipLedger::rowsOf(m_ledger, filter);
    m_model->endChange();

    int openDraws = 0;
    double openStake = 0;
    for (const int r : m_shown) {
        const SlipLedger::Row& row = m_ledger.rows[static_cast<std::size_t>(r)];
        if (!row.open()) continue;
        ++openDraws;
        openStake += row.stake;
    }
    if (m_slips.empty())
        m_totalsLabel->setText(tr("Noch keine Scheine gespeichert: „Als gespielt speichern“ neben der Tippliste "
                                  "speichert die Tipps als Schein für die nächste Ziehung."));
    else
        m_totalsLabel->setText(SlipLedger::totalsText(
            Slips::totals(SlipLedger::checksOf(m_ledger, m_shown), m_sources.dividends()), openDraws, openStake));
    m_export->setEnabled(!m_shown.empty());
    m_print->setEnabled(!m_shown.empty());
    showDetail();
    showChart();
}

void SlipsWindow::showChart() {
    BarChartModel* model = m_chart->model();
    model->prepareStatistic();
    const std::vector<SlipLedger::BalancePoint> points = SlipLedger::runningBalance(m_ledger, m_shown);
    QVector<Bar> bars;
    bars.reserve(static_cast<qsizetype>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        bars.push_back({static_cast<double>(i + 1), points[i].balance, {},
                        points[i].balance < 0 ? LossColour : BarColours::Green});
    model->series2()->addBars(bars);
    const QLocale locale;
    model->setBottomTitle(points.empty()
                              ? tr("Saldo nach jeder Ziehung (€): noch keine Ziehung geprüft")
                              : tr("Saldo nach jeder Ziehung (€), %1 bis %2")
                                    .arg(locale.toString(points.front().date, QLocale::ShortFormat),
                                         locale.toString(points.back().date, QLocale::ShortFormat)));
}

const Slips::Slip& SlipsWindow::slipOf(int r) const {
    return m_slips[static_cast<std::size_t>(m_ledger.rows[static_cast<std::size_t>(r)].slip)];
}

int SlipsWindow::selectedRow() const {
    const QModelIndexList selected = m_table->selectionModel()->selectedRows();
    if (selected.isEmpty() || selected.first().row() >= static_cast<int>(m_shown.size())) return -1;
    return m_shown[static_cast<std::size_t>(selected.first().row())];
}

void SlipsWindow::showDetail() {
    const int r = selectedRow();
    m_edit->setEnabled(r >= 0);
    m_delete->setEnabled(r >= 0);
    if (r < 0) {
        m_detail->clear();
        return;
    }
    const QLocale locale;
    const SlipLedger::Row& row = m_ledger.rows[static_cast<std::size_t>(r)];
    const Slips::Slip& slip = m_slips[static_cast<std::size_t>(row.slip)];
    QString html = QStringLiteral("<p><b>%1</b> – %2</p>")
                       .arg(SlipLedger::slipName(slip).toHtmlEscaped(),
                            tr("Ziehung %1 von %2").arg(row.draw).arg(slip.draws));
    if (row.open()) {
        html += QStringLiteral("<p>%1</p>").arg(tr("Die Ziehung am %1 steht noch aus.")
                                                    .arg(locale.toString(row.date, QLocale::ShortFormat)));
        for (const QString& line : slip.lines) html += QStringLiteral("<p>%1</p>").arg(line.toHtmlEscaped());
        m_detail->setHtml(html);
        return;
    }
    const Slips::DrawCheck& check = m_ledger.checks[static_cast<std::size_t>(row.check)];
    std::uint64_t winning = 0;
    for (const int n : check.winning) winning |= std::uint64_t{1} << n;
    QString numbers = tr("Gewinnzahlen vom %1: %2")
                          .arg(locale.toString(check.date, QLocale::ShortFormat), numbersHtml(winning, 0));
    if (check.additionalNumber > 0)
        numbers += QStringLiteral(", ") + tr("Zusatzzahl %1").arg(check.additionalNumber, 2, 10, QLatin1Char('0'));
    html += QStringLiteral("<p>%1<br>%2: %3</p>")
                .arg(numbers.toHtmlEscaped(), SlipLedger::headers().value(WinningsColumn).toHtmlEscaped(),
                     Winnings::moneyText(check.money).toHtmlEscaped());
    const std::uint64_t additional = check.additionalNumber > 0 ? std::uint64_t{1} << check.additionalNumber : 0;
    for (const Slips::LineCheck& line : check.lines) {
        html += QStringLiteral("<p><b>%1</b>").arg(line.line.toHtmlEscaped());
        if (!line.missingTable.isEmpty()) {
            html += QStringLiteral("<br>") +
                    tr("Die Tabelle des Systems %1 fehlt: diese Reihe kann nicht geprüft werden.")
                        .arg(line.missingTable)
                        .toHtmlEscaped() +
                    QStringLiteral("</p>");
            continue;
        }
        html += QStringLiteral("</p><table cellspacing=\"0\" cellpadding=\"1\">");
        for (std::size_t c = 0; c < line.columns.size(); ++c) {
            const Slips::ColumnHits& col = line.columns[c];
            QString hits = tr("%1 Richtige").arg(col.hits);
            if (col.additional) hits += QStringLiteral(" + ") + tr("Z");
            html += QStringLiteral("<tr><td align=\"right\">%1.&nbsp;</td><td>%2</td><td>&nbsp;&nbsp;%3%4</td></tr>")
                        .arg(c + 1)
                        .arg(numbersHtml(col.numbers, winning | (col.additional ? additional : 0)),
                             col.hits >= 3 ? QStringLiteral("<b>") : QString(), hits.toHtmlEscaped());
        }
        html += QStringLiteral("</table>");
    }
    m_detail->setHtml(html);
}

std::unique_ptr<Slips::SlipBook> SlipsWindow::bookWithSelected(int& index) {
    index = -1;
    auto book = std::make_unique<Slips::SlipBook>();
    const Slips::SlipBook::LoadResult loaded = book->load(m_sources.slipsPath);
    if (!loaded.error.isEmpty()) {
        m_dialogs->error(this, loaded.error);
        return nullptr;
    }
    const int r = selectedRow();
    if (r >= 0) {
        const QString id = slipOf(r).id;
        const std::vector<Slips::Slip>& slips = book->slips();
        for (std::size_t i = 0; i < slips.size(); ++i)
            if (slips[i].id == id) index = static_cast<int>(i);
    }
    if (index < 0) {
        reload();
        return nullptr;
    }
    return book;
}

void SlipsWindow::saveBook(const Slips::SlipBook& book) {
    const QString error = book.save(m_sources.slipsPath);
    if (!error.isEmpty()) m_dialogs->error(this, error);
    reload();
}

void SlipsWindow::deleteClick() {
    const int r = selectedRow();
    if (r < 0) return;
    const Slips::Slip& shown = slipOf(r);
    const QString question =
        tr("Den Schein „%1“ mit allen seinen Ziehungen löschen?").arg(SlipLedger::slipName(shown)) +
        QStringLiteral("\n\n") + shown.lines.join(QLatin1Char('\n'));
    if (m_dialogs->question(this, question) != Dialogs::Answer::Yes) return;
    int index = -1;
    const std::unique_ptr<Slips::SlipBook> book = bookWithSelected(index);
    if (!book) return;
    book->remove(index);
    saveBook(*book);
}

void SlipsWindow::editClick() {
    int index = -1;
    const std::unique_ptr<Slips::SlipBook> book = bookWithSelected(index);
    if (!book) return;
    Slips::Slip slip = book->slips()[static_cast<std::size_t>(index)];

    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("SlipEditDialog"));
    dialog.setWindowTitle(tr("Schein bearbeiten"));
    auto* form = new QFormLayout(&dialog);
    auto* name = named(new QLineEdit(slip.name, &dialog), "SlipEditName");
    auto* draws = named(new QSpinBox(&dialog), "SlipEditDraws");
    draws->setRange(1, Slips::MaxDraws);
    draws->setValue(slip.draws);
    auto* price = named(new QDoubleSpinBox(&dialog), "SlipEditPrice");
    price->setRange(0, 1000);
    price->setDecimals(2);
    price->setSingleStep(0.1);
    price->setSuffix(QStringLiteral(" €"));
    price->setValue(slip.pricePerColumn);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(tr("&Name:"), name);
    form->addRow(tr("&Ziehungen (1 bis %1):").arg(Slips::MaxDraws), draws);
    form->addRow(tr("&Preis je Spalte und Ziehung:"), price);
    form->addRow(new QLabel(tr("Die Ziehungen zählen ab dem %1; die Prüfungen werden danach neu berechnet.")
                                .arg(QLocale().toString(slip.firstDraw, QLocale::ShortFormat)),
                            &dialog));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (m_dialogs->showModal(&dialog) != QDialog::Accepted) return;

    slip.name = name->text().trimmed();
    slip.draws = draws->value();
    slip.pricePerColumn = price->value();
    book->replace(index, slip);
    saveBook(*book);
}

void SlipsWindow::exportClick() {
    const QString path = m_dialogs->saveFile(
        this, {tr("CSV-Datei|*.csv"), QStringLiteral("csv"), QStringLiteral("scheine.csv"), m_sources.dialogDirectory});
    if (path.isEmpty()) return;
    try {
        SafeFile::replace(path, SlipLedger::toCsv(m_ledger, m_shown, m_slips));
    } catch (const std::exception& e) {
        m_dialogs->error(this, errorText(e));
    }
}

void SlipsWindow::printClick() {
    const QStringList text =
        SlipLedger::printText(tr("Meine Scheine – %1").arg(m_filter->currentText()), m_ledger, m_shown, m_slips,
                              m_totalsLabel->text());
    const Printing::Preview preview = m_printing->textPreview(text, this);
    QDialog* dialog = preview.dialog.get();
    dialog->setWindowTitle(tr("Druckvorschau: Meine Scheine"));
    if (preview.savePdf)
        connect(preview.savePdf, &QAction::triggered, dialog, [this, dialog, text] {
            const QString path = m_dialogs->saveFile(
                dialog, {tr("PDF-Dokument|*.pdf"), QStringLiteral("pdf"), QStringLiteral("scheine.pdf"),
                         m_sources.dialogDirectory});
            if (path.isEmpty()) return;
            if (!m_printing->saveTextPdf(text, path))
                m_dialogs->error(dialog, tr("Die PDF-Datei %1 konnte nicht geschrieben werden.")
                                             .arg(QDir::toNativeSeparators(path)));
        });
    m_dialogs->showModal(dialog);
}

SlipSaveDialog::SlipSaveDialog(const QDate& firstDraw, int columns, double stakePerDraw, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("SlipSaveDialog"));
    setWindowTitle(tr("Als gespielt speichern"));
    auto* box = new QVBoxLayout(this);
    const QLocale locale;
    auto* info = new QLabel(tr("Erste Ziehung: %1, %2 Spalten, %3 € pro Ziehung")
                                .arg(locale.toString(firstDraw, QStringLiteral("ddd dd.MM.yyyy")))
                                .arg(columns)
                                .arg(locale.toString(stakePerDraw, 'f', 2)),
                            this);
    box->addWidget(named(info, "SlipInfo"));

    auto* form = new QFormLayout;
    m_draws = named(new QSpinBox(this), "SlipDraws");
    m_draws->setRange(1, Slips::MaxDraws);
    m_draws->setValue(1);
    m_name = named(new QLineEdit(firstDraw.toString(QStringLiteral("dd.MM.yyyy")), this), "SlipName");
    form->addRow(tr("Anzahl der Ziehungen:"), m_draws);
    form->addRow(tr("Name:"), m_name);
    box->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("SlipButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    box->addWidget(buttons);
}
