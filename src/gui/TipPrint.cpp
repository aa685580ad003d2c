#include "gui/TipPrint.h"

#include "base/Lotto.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPrinter>
#include <QTextCursor>
#include <QTextTable>
#include <QTextDocument>
#include <QToolBar>
#include <utility>

namespace TipPrint {

namespace {

// In the document's units: a grid of seven cells and its tip's text below it; three tips side
// by side stay inside the text width of an A4 page with its margins (482 units).
constexpr double GridCell = 20;
constexpr double TipWidth = 155;
constexpr int TipsPerRow = 3;

// The 49 numbers in rows of seven; the marked ones filled.
void insertGrid(QTextCursor& cursor, std::uint64_t numbers, const QTextCharFormat& body) {
    constexpr int rows = (Lotto::HighestNumber + GridColumns - 1) / GridColumns;
    QTextTableFormat format;
    format.setBorder(0.5);
    format.setBorderBrush(QColor(90, 90, 90));
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(1);
    format.setColumnWidthConstraints(QList<QTextLength>(GridColumns, QTextLength(QTextLength::FixedLength, GridCell)));
    QTextTable* grid = cursor.insertTable(rows, GridColumns, format);
    QTextCharFormat open = body;
    open.setFontPointSize(8);
    open.setForeground(QColor(70, 70, 70));
    QTextCharFormat marked = open;
    marked.setForeground(Qt::white);
    marked.setFontWeight(QFont::Bold);
    for (int n = 1; n <= Lotto::HighestNumber; ++n) {
        QTextTableCell cell = grid->cellAt((n - 1) / GridColumns, (n - 1) % GridColumns);
        const bool on = (numbers >> n & 1) != 0;
        if (on) {
            QTextTableCellFormat filled = cell.format().toTableCellFormat();
            filled.setBackground(Qt::black);
            cell.setFormat(filled);
        }
        QTextCursor inCell = cell.firstCursorPosition();
        QTextBlockFormat centred = inCell.blockFormat();
        centred.setAlignment(Qt::AlignHCenter);
        inCell.setBlockFormat(centred);
        inCell.insertText(QString::number(n), on ? marked : open);
    }
    cursor = grid->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
}

// One ticket: its tips side by side, TipsPerRow to a row.
void insertTicket(QTextCursor& cursor, const std::vector<TipFiles::SlipTip>& tips, const QTextCharFormat& body) {
    const int rows = (static_cast<int>(tips.size()) + TipsPerRow - 1) / TipsPerRow;
    if (rows == 0) return;
    QTextTableFormat format;
    format.setBorder(0);
    format.setCellSpacing(0);
    format.setCellPadding(4);
    format.setColumnWidthConstraints(
        QList<QTextLength>(TipsPerRow, QTextLength(QTextLength::FixedLength, TipWidth)));
    QTextTable* table = cursor.insertTable(rows, TipsPerRow, format);
    QTextCharFormat label = body;
    label.setFontWeight(QFont::Bold);
    label.setFontPointSize(9);
    QTextCharFormat small = body;
    small.setFontPointSize(6.5);
    for (std::size_t k = 0; k < tips.size(); ++k) {
        const int index = static_cast<int>(k);
        QTextCursor inCell = table->cellAt(index / TipsPerRow, index % TipsPerRow).firstCursorPosition();
        inCell.insertText(TipFiles::tipLabel(index + 1).trimmed(), label);
        inCell.insertBlock();
        insertGrid(inCell, tips[k].numbers, body);
        inCell.insertText(tips[k].line, small);
        if (!tips[k].note.isEmpty()) {
            inCell.insertBlock();
            inCell.insertText(tips[k].note, small);
        }
    }
    cursor = table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
}

// A document in the fixed font with the title written in larger bold letters; `body` is the
// format of the text after it.
std::unique_ptr<QTextDocument> titled(const QString& titleText, QTextCursor& cursor, QTextCharFormat& body) {
    auto doc = std::make_unique<QTextDocument>();
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(11);
    doc->setDefaultFont(fixed);
    doc->setDocumentMargin(0);
    cursor = QTextCursor(doc.get());
    body = QTextCharFormat();
    body.setFont(fixed);
    QTextCharFormat title = body;
    title.setFontPointSize(15);
    title.setFontWeight(QFont::Bold);
    QTextBlockFormat titleBlock;
    titleBlock.setBottomMargin(6);
    cursor.setBlockFormat(titleBlock);
    cursor.insertText(titleText, title);
    return doc;
}

// Lines of text in the fixed font, the first one as the title.
std::unique_ptr<QTextDocument> textDocument(const QStringList& lines) {
    QTextCursor cursor;
    QTextCharFormat body;
    auto doc = titled(lines.value(0), cursor, body);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        cursor.insertBlock(QTextBlockFormat(), body);
        cursor.insertText(lines[i], body);
    }
    return doc;
}

} // namespace

std::unique_ptr<QTextDocument> document(const TipFiles::TipSheet& sheet) {
    QTextCursor cursor;
    QTextCharFormat body;
    auto doc = titled(sheet.title, cursor, body);
    QTextCharFormat header = body;
    header.setFontPointSize(12);
    header.setFontWeight(QFont::Bold);
    QTextBlockFormat headerBlock;
    headerBlock.setTopMargin(10);
    headerBlock.setBottomMargin(2);
    for (std::size_t t = 0; t < sheet.tickets.size(); ++t) {
        cursor.insertBlock(headerBlock, header);
        cursor.insertText(TipFiles::ticketHeader(static_cast<int>(t) + 1), header);
        cursor.insertBlock(QTextBlockFormat(), body);
        insertTicket(cursor, sheet.tickets[t], body);
    }
    return doc;
}

} // namespace TipPrint

namespace {

// A4 pages with the program's margins.
void setUpPages(QPrinter& printer, const QString& docName) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    printer.setDocName(docName);
}

bool writePdf(const QTextDocument& doc, const QString& docName, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    setUpPages(printer, docName);
    if (QFileInfo::exists(path) && !QFile::remove(path)) return false;
    doc.print(&printer);
    return QFileInfo(path).size() > 0;
}

} // namespace

TipPrintPreview::TipPrintPreview(TipFiles::TipSheet sheet, QWidget* parent)
    : QPrintPreviewDialog(parent), m_sheet(std::move(sheet)) {
    setUp(m_sheet.title, [this] { return TipPrint::document(m_sheet); });
}

TipPrintPreview::TipPrintPreview(QStringList lines, QWidget* parent) : QPrintPreviewDialog(parent) {
    const QString title = lines.value(0);
    setUp(title, [lines = std::move(lines)] { return TipPrint::textDocument(lines); });
}

void TipPrintPreview::setUp(const QString& docName, std::function<std::unique_ptr<QTextDocument>()> document) {
    setObjectName(QStringLiteral("TippDruckvorschau"));
    setWindowTitle(QCoreApplication::translate("TipPrint", "Druckvorschau: Tipp"));
    setUpPages(*printer(), docName);
    // QTextDocument::print lays the text out on the printer's pages and numbers them.
    connect(this, &QPrintPreviewDialog::paintRequested, this,
            [document = std::move(document)](QPrinter* target) { document()->print(target); });
    m_savePdf = new QAction(QCoreApplication::translate("TipPrint", "Als PDF speichern …"), this);
    m_savePdf->setObjectName(QStringLiteral("AlsPdfSpeichern"));
    m_savePdf->setToolTip(QCoreApplication::translate("TipPrint", "Den Tipp als PDF-Datei speichern"));
    // First in the tool bar, where a narrow window does not hide it.
    if (auto* bar = findChild<QToolBar*>(); bar && !bar->actions().isEmpty()) {
        QAction* first = bar->actions().first();
        bar->insertAction(first, m_savePdf);
        bar->insertSeparator(first);
    } else {
        addAction(m_savePdf);
    }
    resize(920, 820);
}

Printing::Preview Printing::tipPreview(const TipFiles::TipSheet& sheet, QWidget* parent) {
    auto* preview = new TipPrintPreview(sheet, parent);
    return {std::unique_ptr<QDialog>(preview), preview->savePdfAction()};
}

bool Printing::saveTipPdf(const TipFiles::TipSheet& sheet, const QString& path) {
    return writePdf(*TipPrint::document(sheet), sheet.title, path);
}

Printing::Preview Printing::textPreview(const QStringList& lines, QWidget* parent) {
    auto* preview = new TipPrintPreview(lines, parent);
    return {std::unique_ptr<QDialog>(preview), preview->savePdfAction()};
}

bool Printing::saveTextPdf(const QStringList& lines, const QString& path) {
    return writePdf(*TipPrint::textDocument(lines), lines.value(0), path);
}
