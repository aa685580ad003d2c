#include "gui/ModulePrinting.h"

#include "gui/ProgramModule.h"

#include <QDialog>

ModulePrinting::ModulePrinting() = default;

ModulePrinting::ModulePrinting(QStringList moduleFiles) : m_files(std::move(moduleFiles)) {}

// The implementation is deleted while its module stays loaded: QLibrary never unloads on
// destruction.
ModulePrinting::~ModulePrinting() = default;

QStringList ModulePrinting::moduleFilesFor(const QString& programDirectory) {
    return ProgramModule::filesFor(QStringLiteral("print"), programDirectory);
}

Printing* ModulePrinting::printing() {
    if (!m_looked) {
        m_looked = true;
        using Create = Printing* (*)();
        QString file;
        const auto create = reinterpret_cast<Create>(ProgramModule::resolve(
            m_files.isEmpty() ? ProgramModule::filesFor(QStringLiteral("print")) : m_files,
            "quintara_create_printing", &file));
        if (create) m_printing.reset(create());
        if (m_printing) m_loadedFrom = file;
    }
    return m_printing.get();
}

Printing::Preview ModulePrinting::tipPreview(const QStringList& tipText, QWidget* parent) {
    Printing* real = printing();
    return real ? real->tipPreview(tipText, parent) : Preview{};
}

bool ModulePrinting::saveTipPdf(const QStringList& tipText, const QString& path) {
    Printing* real = printing();
    return real && real->saveTipPdf(tipText, path);
}
