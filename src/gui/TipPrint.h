#pragma once
#include "gui/Printing.h"
#include "tips/TipFiles.h"

#include <QPrintPreviewDialog>
#include <QStringList>
#include <functional>
#include <memory>

class QAction;
class QTextDocument;

// Printing with Qt PrintSupport, the one user of it. The tips are laid out as the operator's
// slips: the title larger and bold, each ticket under its header, each tip a grid of the
// numbers 1 to 49, seven to a row, its numbers filled, with its line and note below.
namespace TipPrint {

// Numbers in a row of a tip's grid, as on the slip.
inline constexpr int GridColumns = 7;

std::unique_ptr<QTextDocument> document(const TipFiles::TipSheet& sheet);

} // namespace TipPrint

// The print preview of the tips: the pages as they will be printed, the toolkit's print
// button, and "Als PDF speichern" in the tool bar.
class TipPrintPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    TipPrintPreview(TipFiles::TipSheet sheet, QWidget* parent = nullptr);
    // The preview of lines of text in the fixed font, the first one as the title; its sheet is
    // empty.
    TipPrintPreview(QStringList lines, QWidget* parent);

    // Triggered by the player; the owner asks for the file name and writes the PDF.
    QAction* savePdfAction() const { return m_savePdf; }
    // The same tips as the tip text writes them.
    QStringList tipText() const { return TipFiles::text(m_sheet); }

private:
    void setUp(const QString& docName, std::function<std::unique_ptr<QTextDocument>()> document);

    TipFiles::TipSheet m_sheet;
    QAction* m_savePdf = nullptr;
};
