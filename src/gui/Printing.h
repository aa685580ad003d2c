#pragma once
#include "tips/TipFiles.h"

#include <QStringList>
#include <memory>

class QAction;
class QDialog;
class QWidget;

// Printing the tips as the slips take them: the print preview (the pages as they will be
// printed, the toolkit's print button, "Als PDF speichern" in the tool bar) and the PDF file. The real one is
// gui/TipPrint.h.
class Printing {
public:
    struct Preview {
        std::unique_ptr<QDialog> dialog;
        QAction* savePdf = nullptr; // in the dialog's tool bar; the owner asks for the file
    };

    virtual ~Printing() = default;
    virtual Preview tipPreview(const TipFiles::TipSheet& sheet, QWidget* parent) = 0;
    // Writes the pages as a PDF file; false when the file could not be written.
    virtual bool saveTipPdf(const TipFiles::TipSheet& sheet, const QString& path) = 0;
    // A list printed as lines of text (the first one its title, larger and bold), and its PDF.
    virtual Preview textPreview(const QStringList& lines, QWidget* parent) = 0;
    virtual bool saveTextPdf(const QStringList& lines, const QString& path) = 0;
};
