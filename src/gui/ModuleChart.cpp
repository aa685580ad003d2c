#include "gui/ModuleChart.h"

#include "gui/ProgramModule.h"

ModuleChart::ModuleChart() = default;

ModuleChart::ModuleChart(QStringList moduleFiles) : m_files(std::move(moduleFiles)) {}

ChartDrawing* ModuleChart::make(BarChartModel* model, QWidget* parent) {
    if (!m_looked) {
        m_looked = true;
        QString file;
        m_create = reinterpret_cast<Create>(ProgramModule::resolve(
            m_files.isEmpty() ? ProgramModule::filesFor(QStringLiteral("chart")) : m_files,
            "quintara_create_chart", &file));
        if (m_create) m_loadedFrom = file;
    }
    return m_create ? m_create(model, parent) : nullptr;
}
