#pragma once
#include "tips/TipFiles.h"

#include <QStringList>
#include <memory>

class QAction;
class QDialog;
class QWidget;

// Printing the tips as the slips take them (gui/TipPrint.h): the print preview and the PDF file.
class Printing {
public:
    struct Preview {
        std::unique_ptr<QDialog> dialog;
        QAction* savePdf = nullptr; // in the dialog's tool bar; the owner asks for the file
    };

    Preview tipPreview(const TipFiles::TipSheet& sheet, QWidget* parent);
    // Writes the pages as a PDF file; false when the file could not be written.
    bool saveTipPdf(const TipFiles::TipSheet& sheet, const QString& path);
    // A list printed as lines of text (the first one its title, larger and bold), and its PDF.
    Preview textPreview(const QStringList& lines, QWidget* parent);
    bool saveTextPdf(const QStringList& lines, const QString& path);
};
