#pragma once
#include "gui/Printing.h"

#include <QString>
#include <QStringList>

// The program's printing: forwards to the print module (quintara_print.so, see gui/TipPrint.h),
// loaded on the first print. The module is looked for once; when none of the places holds a
// usable one, tipPreview gives no dialog and the window tells the player.
class ModulePrinting : public Printing {
public:
    // Looks in the program's own places.
    ModulePrinting();
    // Looks in these files, in order (tests).
    explicit ModulePrinting(QStringList moduleFiles);
    ~ModulePrinting() override;

    Preview tipPreview(const QStringList& tipText, QWidget* parent) override;
    bool saveTipPdf(const QStringList& tipText, const QString& path) override;

    // Where a program in programDirectory finds the module.
    static QStringList moduleFilesFor(const QString& programDirectory);
    // The module file that was loaded; empty before the first print or when none was usable.
    const QString& loadedFrom() const { return m_loadedFrom; }

private:
    Printing* printing();

    QStringList m_files;
    bool m_looked = false;
    QString m_loadedFrom;
    std::unique_ptr<Printing> m_printing;
};
