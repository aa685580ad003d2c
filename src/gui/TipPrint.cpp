#include "gui/TipPrint.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>

namespace TipPrint {

std::unique_ptr<QTextDocument> document(const QStringList& tipText) {
    auto doc = std::make_unique<QTextDocument>();
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(11);
    doc->setDefaultFont(fixed);
    doc->setDocumentMargin(0);
    QTextCursor cursor(doc.get());

    QTextCharFormat body;
    body.setFont(fixed);
    QTextCharFormat title = body;
    title.setFontPointSize(15);
    title.setFontWeight(QFont::Bold);
    QTextBlockFormat titleBlock;
    titleBlock.setBottomMargin(6);

    for (qsizetype i = 0; i < tipText.size(); ++i) {
        if (i == 0) {
            cursor.setBlockFormat(titleBlock);
            cursor.insertText(tipText[i], title);
            continue;
        }
        cursor.insertBlock(QTextBlockFormat(), body);
        cursor.insertText(tipText[i], body);
    }
    return doc;
}

void print(const QStringList& tipText, QPrinter* printer) {
    const auto doc = document(tipText);
    // QTextDocument::print lays the text out on the printer's pages and numbers them.
    doc->print(printer);
}

bool savePdf(const QStringList& tipText, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    printer.setDocName(tipText.value(0));
    if (QFileInfo::exists(path) && !QFile::remove(path)) return false;
    print(tipText, &printer);
    return QFileInfo(path).size() > 0;
}

} // namespace TipPrint

TipPrintPreview::TipPrintPreview(const QStringList& tipText, QWidget* parent)
    : QPrintPreviewDialog(parent), m_text(tipText) {
    setObjectName(QStringLiteral("TippDruckvorschau"));
    setWindowTitle(QCoreApplication::translate("TipPrint", "Druckvorschau: Tipp"));
    printer()->setPageSize(QPageSize(QPageSize::A4));
    printer()->setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    printer()->setDocName(tipText.value(0));
    connect(this, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { TipPrint::print(m_text, target); });
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

TipPrintPreview::~TipPrintPreview() = default;

Printing::Preview TipPrinting::tipPreview(const QStringList& tipText, QWidget* parent) {
    auto preview = std::make_unique<TipPrintPreview>(tipText, parent);
    QAction* save = preview->savePdfAction();
    return {std::move(preview), save};
}

bool TipPrinting::saveTipPdf(const QStringList& tipText, const QString& path) {
    return TipPrint::savePdf(tipText, path);
}
