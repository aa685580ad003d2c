#pragma once
#include "gui/ChartDrawing.h"

#include <QStringList>

// The program's chart drawings: made by the chart module (quintara_chart.so, see
// gui/BarChartView.h), loaded when the first drawing is asked for. The module is looked for
// once; when none of the places holds a usable one, no drawing is made (the chart pane says so).
class ModuleChart : public ChartMaker {
public:
    // Looks in the program's own places.
    ModuleChart();
    // Looks in these files, in order (tests).
    explicit ModuleChart(QStringList moduleFiles);

    ChartDrawing* make(BarChartModel* model, QWidget* parent) override;

    // The module file that was loaded; empty before the first drawing or when none was usable.
    const QString& loadedFrom() const { return m_loadedFrom; }

private:
    using Create = ChartDrawing* (*)(BarChartModel*, QWidget*);

    QStringList m_files;
    bool m_looked = false;
    Create m_create = nullptr;
    QString m_loadedFrom;
};
