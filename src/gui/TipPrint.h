#pragma once
#include "gui/Printing.h"

#include <QPrintPreviewDialog>
#include <QStringList>
#include <memory>

class QAction;
class QPrinter;
class QTextDocument;

// Printing the tip text with Qt PrintSupport, the one user of it.

// The tip text laid out as a page: the title line larger and bold, the tickets below it in a
// fixed-width font so the numbers stand in columns, page numbers at the foot.
namespace TipPrint {

std::unique_ptr<QTextDocument> document(const QStringList& tipText);
void print(const QStringList& tipText, QPrinter* printer);
// Writes the pages as a PDF file; false when the file could not be written.
bool savePdf(const QStringList& tipText, const QString& path);

} // namespace TipPrint

// The print preview of the tip text: the pages as they will be printed, the toolkit's print
// button, and "Als PDF speichern" in the tool bar.
class TipPrintPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    TipPrintPreview(const QStringList& tipText, QWidget* parent = nullptr);
    ~TipPrintPreview() override;

    // Triggered by the player; the owner asks for the file name and calls TipPrint::savePdf.
    QAction* savePdfAction() const { return m_savePdf; }
    const QStringList& tipText() const { return m_text; }

private:
    QStringList m_text;
    QAction* m_savePdf;
};

// The preview and the PDF as the program's printing.
class TipPrinting : public Printing {
public:
    Preview tipPreview(const QStringList& tipText, QWidget* parent) override;
    bool saveTipPdf(const QStringList& tipText, const QString& path) override;
};
