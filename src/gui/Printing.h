#pragma once
#include <QStringList>
#include <memory>

class QAction;
class QDialog;
class QWidget;

// Printing the tip text: the print preview (the pages as they will be printed, the toolkit's
// print button, "Als PDF speichern" in the tool bar) and the PDF file. The real one is
// gui/TipPrint.h.
class Printing {
public:
    struct Preview {
        std::unique_ptr<QDialog> dialog;
        QAction* savePdf = nullptr; // in the dialog's tool bar; the owner asks for the file
    };

    virtual ~Printing() = default;
    virtual Preview tipPreview(const QStringList& tipText, QWidget* parent) = 0;
    // Writes the pages as a PDF file; false when the file could not be written.
    virtual bool saveTipPdf(const QStringList& tipText, const QString& path) = 0;
};
