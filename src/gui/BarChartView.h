#pragma once
#include "stats/BarChartModel.h"

#include <QtCharts/QChartView>

// Shows a BarChartModel with Qt Charts. Redrawing is deferred to the event loop, so a
// statistic that adds fifty bars, or a generation run that computes five statistics in a row,
// rebuilds the drawing once.
class BarChartView : public QChartView {
    Q_OBJECT
public:
    explicit BarChartView(QWidget* parent = nullptr);

    BarChartModel* model() const { return m_model; }
    // Rebuilds the drawing now (tests and screenshots).
    void refresh();

private:
    void scheduleRefresh();

    BarChartModel* m_model;
    bool m_pending = false;
};
